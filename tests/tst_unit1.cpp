// The main window as the user meets it: keys typed into the link field, the page read
// back from the result area.

#include "JpegPicture.h"
#include "Unit1.h"
#include "WebAddresses.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

namespace {

QString Page(const QString &placedLink)
{
    return QStringLiteral("<?php $URL=\"") + placedLink
           + QStringLiteral("\";\r\nheader (\"Location: $URL\");\r\nexit();\r\n?>\r\n");
}

} // namespace

class tst_Unit1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithoutPage();
    void firstKeystrokeBuildsThePage();
    void deletingEverythingGivesTheEmptyLinkPage();
    void otherPageTypesLeaveTheResult_data();
    void otherPageTypesLeaveTheResult();
    void sameLinkSamePage();
    void typedResultIsReplaced();
    void copiedPageIsExact();
    void pastedLongLinkIsPlacedWhole();

private:
    QLineEdit *edit2() const { return m_form->findChild<QLineEdit *>(QStringLiteral("Edit2")); }
    QPlainTextEdit *memo1() const { return m_form->findChild<QPlainTextEdit *>(QStringLiteral("Memo1")); }
    QString result() const
    {
        return memo1()->document()->toRawText().replace(QChar::ParagraphSeparator, "\r\n");
    }

    TForm1 *m_form = nullptr;
    brevasto::JpegPictureKind m_jpeg;
};

void tst_Unit1::init()
{
    new TForm1(Form1);
    m_form = Form1;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QVERIFY(edit2());
    QVERIFY(memo1());
}

void tst_Unit1::cleanup()
{
    delete m_form;
    QCOMPARE(Form1, nullptr);
}

void tst_Unit1::startsWithoutPage()
{
    QCOMPARE(Form1, m_form);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Brevasto"));
    QCOMPARE(edit2()->text(), QString::fromLatin1(brevasto::web::ExampleAffiliateLink));
    QVERIFY(m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->isChecked());
    QVERIFY(!m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->isChecked());
    QVERIFY(!m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->isChecked());
    QCOMPARE(memo1()->document()->characterCount(), 1); // nothing but the end mark
}

void tst_Unit1::firstKeystrokeBuildsThePage()
{
    edit2()->setFocus();
    QTest::keyClick(edit2(), Qt::Key_End);
    QCOMPARE(result(), QString());
    QTest::keyClick(edit2(), Qt::Key_X);
    QCOMPARE(result(), Page(QString::fromLatin1(brevasto::web::ExampleAffiliateLink) + 'x'));
}

void tst_Unit1::deletingEverythingGivesTheEmptyLinkPage()
{
    edit2()->setFocus();
    QTest::keySequence(edit2(), QKeySequence::SelectAll);
    QTest::keyClick(edit2(), Qt::Key_Delete);
    QCOMPARE(edit2()->text(), QString());
    QCOMPARE(result(), Page(QString()));
    QCOMPARE(result().size(), 57);
}

void tst_Unit1::otherPageTypesLeaveTheResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("pageFirst");

    QTest::newRow("standard, empty result") << "RadioButton2" << false;
    QTest::newRow("java, empty result") << "RadioButton3" << false;
    QTest::newRow("standard, after a page") << "RadioButton2" << true;
    QTest::newRow("java, after a page") << "RadioButton3" << true;
}

void tst_Unit1::otherPageTypesLeaveTheResult()
{
    QFETCH(QString, button);
    QFETCH(bool, pageFirst);

    edit2()->setFocus();
    QTest::keyClick(edit2(), Qt::Key_End);
    if (pageFirst)
        QTest::keyClick(edit2(), Qt::Key_A);
    const QString before = result();

    auto *radio = m_form->findChild<QRadioButton *>(button);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
    QVERIFY(!m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->isChecked());

    edit2()->setFocus();
    QTest::keyClicks(edit2(), QStringLiteral("bc"));
    QTest::keyClick(edit2(), Qt::Key_Backspace);
    QCOMPARE(result(), before);
}

void tst_Unit1::sameLinkSamePage()
{
    edit2()->setFocus();
    QTest::keyClick(edit2(), Qt::Key_End);
    QTest::keyClick(edit2(), Qt::Key_Q);
    const QString first = result();
    QTest::keyClick(edit2(), Qt::Key_Backspace);
    QVERIFY(result() != first);
    QTest::keyClick(edit2(), Qt::Key_Q);
    QCOMPARE(result(), first);
}

void tst_Unit1::typedResultIsReplaced()
{
    memo1()->setFocus();
    QTest::keyClicks(memo1(), QStringLiteral("leftover"));
    QTest::keyClick(memo1(), Qt::Key_Return);
    QTest::keyClicks(memo1(), QStringLiteral("text"));
    QVERIFY(result().contains(QStringLiteral("leftover")));

    edit2()->setFocus();
    QTest::keySequence(edit2(), QKeySequence::SelectAll);
    QTest::keyClicks(edit2(), QStringLiteral("http://b.example/"));
    QCOMPARE(result(), Page(QStringLiteral("http://b.example/")));
}

void tst_Unit1::copiedPageIsExact()
{
    // A link pasted with no-break spaces around it and a quote inside: the page keeps
    // the no-break spaces and escapes the quote, and copying gives all of it unchanged.
    edit2()->setText(QStringLiteral("\u00A0http://b.example/\"x\u00A0"));
    const QString expected = Page(QStringLiteral("\u00A0http://b.example/\\\"x\u00A0"));
    QCOMPARE(result(), expected);

    memo1()->setFocus();
    QApplication::clipboard()->clear();
    QTest::keySequence(memo1(), QKeySequence::SelectAll);
    QTest::keySequence(memo1(), QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

void tst_Unit1::pastedLongLinkIsPlacedWhole()
{
    // Far past QLineEdit's default limit of 32767 characters, which would cut it silently.
    const QString link = QStringLiteral("http://shop.example/") + QString(40000, QLatin1Char('a'));
    QApplication::clipboard()->setText(link);
    edit2()->setFocus();
    QTest::keySequence(edit2(), QKeySequence::SelectAll);
    QTest::keySequence(edit2(), QKeySequence::Paste);
    QCOMPARE(edit2()->text(), link);
    QCOMPARE(result(), Page(link));
}

QTEST_MAIN(tst_Unit1)
#include "tst_unit1.moc"
