#pragma once

// Which control hands which fixed address to the browser: one table for every test of it.

#include "WebAddresses.h"

#include <QTest>

inline void AddWebLinkRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");

    QTest::newRow("Your Web Site") << "Label1" << QString::fromLatin1(brevasto::web::MakerSite);
    QTest::newRow("Affiliate Link") << "Label2" << QString::fromLatin1(brevasto::web::ExampleAffiliateLink);
    QTest::newRow("banner") << "Image1" << QString::fromLatin1(brevasto::web::ExampleAffiliateLink);
    QTest::newRow("Help") << "BitBtn1" << QString::fromLatin1(brevasto::web::HelpPage);
}
