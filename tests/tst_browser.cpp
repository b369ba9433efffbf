// Every page type in a real browser: headless Chromium opens each generated page from a
// local server, and must then ask that server for exactly what it asks for when it is
// sent to the link directly.

#include "Page.h"
#include "PhpServer.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int BrowserWaitMs = 60000;

// Logs the target of every request as it arrives, answers the landing paths itself and
// leaves everything else (the pages) to PHP's server.
const char Router[] = R"php(<?php
file_put_contents(__DIR__ . '/requests.log', $_SERVER['REQUEST_URI'] . "\n", FILE_APPEND | LOCK_EX);
if (strncmp($_SERVER['REQUEST_URI'], '/landing/', 9) === 0) {
    header('Content-Type: text/plain');
    echo "landed\n";
    return true;
}
return false;
)php";

} // namespace

class tst_Browser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void landsWhereTheLinkLands_data();
    void landsWhereTheLinkLands();

private:
    // The landing requests the browser makes when it opens `url`.
    QStringList landings(const QString &url);
    QString writePage(brevasto::PageType type, const QByteArray &link, const QString &extension);

    QTemporaryDir m_root;
    QTemporaryDir m_profile;
    PhpServer m_server;
    QString m_chromium;
    int m_pages = 0;
};

void tst_Browser::initTestCase()
{
    m_chromium = QStandardPaths::findExecutable(u"chromium"_s);
    QVERIFY2(!m_chromium.isEmpty(), "chromium is not installed (Debian package chromium)");
    QVERIFY(m_root.isValid() && m_profile.isValid());
    QFile router(m_root.filePath(u"router.php"_s));
    QVERIFY(router.open(QIODevice::WriteOnly));
    router.write(Router);
    router.close();
    const QString failure = m_server.start(m_root.path(), router.fileName());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QStringList tst_Browser::landings(const QString &url)
{
    const QString log = m_root.filePath(u"requests.log"_s);
    QFile::remove(log);

    QProcess chromium;
    chromium.setProcessChannelMode(QProcess::MergedChannels);
    chromium.start(m_chromium, {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s, u"--disable-quic"_s,
                                u"--no-first-run"_s, u"--disable-background-networking"_s,
                                u"--disable-component-update"_s, u"--disable-sync"_s,
                                u"--user-data-dir="_s + m_profile.path(),
                                // Waits for the refresh or the script to move on before it ends.
                                u"--virtual-time-budget=5000"_s, u"--dump-dom"_s, url});
    if (!chromium.waitForFinished(BrowserWaitMs)) {
        chromium.kill();
        chromium.waitForFinished(BrowserWaitMs);
        return {u"(chromium did not finish)"_s};
    }

    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList landed;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("/landing/"))
            landed += QString::fromLatin1(line);
    return landed;
}

QString tst_Browser::writePage(brevasto::PageType type, const QByteArray &link, const QString &extension)
{
    const std::string page = brevasto::PageText(
        brevasto::MakePage(type, std::string_view(link.constData(), std::size_t(link.size()))));
    const QString name = u"page%1.%2"_s.arg(++m_pages).arg(extension);
    QFile file(m_root.filePath(name));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(page.data(), qint64(page.size())) != qint64(page.size()))
        return {};
    return m_server.origin() + u'/' + name;
}

void tst_Browser::landsWhereTheLinkLands_data()
{
    // The links' addresses after the server's origin; every one lands on this server.
    QTest::addColumn<QByteArray>("path");

    QTest::newRow("plain") << "/landing/1/product?id=42"_ba;
    QTest::newRow("double quotes") << "/landing/2/a\"b?q=\"x\""_ba;
    QTest::newRow("apostrophes") << "/landing/3/it's?q='x'"_ba;
    QTest::newRow("both quotes and ampersands") << "/landing/4/?a=1&b=\"2\"&c='3'"_ba;
    QTest::newRow("angle brackets") << "/landing/5/<tag>?q=<b>&r=</script>"_ba;
    QTest::newRow("backslashes") << "/landing/6/a\\b?q=c\\d\\"_ba;
    QTest::newRow("blanks") << "/landing/7/a b?q=c  d"_ba;
    QTest::newRow("fragment") << "/landing/8/page?x=1#section-2"_ba;
    QTest::newRow("non-ASCII") << "/landing/9/gr\xC3\xB6\xC3\x9F"
                                  "e/\xE6\x97\xA5?q=\xC3\xA9"_ba;
    QTest::newRow("placeholder") << "/landing/10/0url0?x=0url0"_ba;
    QTest::newRow("8 KB long") << "/landing/11/"_ba + QByteArray(8192, 'a');
    QTest::newRow("entity names") << "/landing/12/?a=1&copy=2&quot;=3&amp;lt=4"_ba;
    QTest::newRow("percent signs") << "/landing/13/%41%20?q=100%"_ba;
    QTest::newRow("dollars and braces") << "/landing/14/{$x}?y=$z"_ba;
    QTest::newRow("script-like") << "/landing/15/');alert(1);('?q=\\');"_ba;
    QTest::newRow("line separator") << "/landing/16/a\xE2\x80\xA8"
                                       "b"_ba;
    QTest::newRow("tab and line break") << "/landing/17/a\tb\nc"_ba;
}

void tst_Browser::landsWhereTheLinkLands()
{
    QFETCH(QByteArray, path);
    const QByteArray link = m_server.origin().toLatin1() + path;

    const QStringList direct = landings(QString::fromUtf8(link));
    QCOMPARE(direct.size(), 1);
    QVERIFY2(direct.first().startsWith(u"/landing/"_s), qPrintable(direct.first()));

    const struct
    {
        brevasto::PageType type;
        QString extension;
    } pages[] = {{brevasto::PageType::Standard, u"html"_s},
                 {brevasto::PageType::Java, u"html"_s},
                 {brevasto::PageType::Php, u"php"_s}};
    for (const auto &page : pages) {
        const QString url = writePage(page.type, link, page.extension);
        QVERIFY(!url.isEmpty());
        QCOMPARE(landings(url), direct);
    }
}

QTEST_GUILESS_MAIN(tst_Browser)
#include "tst_browser.moc"
