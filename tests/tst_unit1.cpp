// The main window as the user meets it: keys typed into the link field, the page read
// back from the result area.

#include "Controls.h"
#include "FileDialog.h"
#include "Fonts.h"
#include "JpegPicture.h"
#include "MessageBox.h"
#include "Shell.h"
#include "Unit1.h"
#include "WebAddresses.h"
#include "WebLinkRows.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

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
    void initTestCase();
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void firstView();
    void captionsFitTheirControls();
    void fontsAndColours_data();
    void fontsAndColours();
    void mousePointers();
    void panelsHaveADoubleBevel();
    void bannerIsDecoded();
    void bannerNeedsTheJpegKind();
    void tabCycle_data();
    void tabCycle();
    void arrowsMoveTheCheck();
    void keyboardEntrySelectsTheField();
    void mouseEntryDoesNotSelect();
    void enterPressesTheFocusedButtonOnly();
    void accessKey_data();
    void accessKey();
    void webLinks_data();
    void webLinks();
    void pasteReplacesTheLink();
    void pasteWithEmptyClipboardChangesNothing();
    void save_data();
    void save();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void saveFailureIsReported();
    void saveCancelledOrNothingToSave();
    void scrollBarsFollowTheClientArea_data();
    void scrollBarsFollowTheClientArea();

    void startsWithoutPage();
    void firstKeystrokeBuildsThePage();
    void deletingEverythingGivesTheEmptyLinkPage();
    void pageTypes_data();
    void pageTypes();
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

    template <class T = QWidget> T *control(const char *name) const
    {
        auto *found = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    TForm1 *m_form = nullptr;
    std::unique_ptr<brevasto::JpegPictureKind> m_jpeg;
    QStringList m_opened;
    QList<brevasto::MessageBoxRequest> m_boxes;
};

void tst_Unit1::initTestCase()
{
    brevasto::SetBrowserHook([this](const QString &address) { m_opened += address; });
}

void tst_Unit1::init()
{
    m_opened.clear();
    m_boxes.clear();
    // No test may wait on a modal box or dialog: they are answered here unless a test
    // answers them itself.
    brevasto::SetMessageBoxHook([this](const brevasto::MessageBoxRequest &request) {
        m_boxes += request;
        return QMessageBox::Ok;
    });
    brevasto::SetSaveFileHook([](const brevasto::SaveFileRequest &) { return QString(); });
    m_jpeg = std::make_unique<brevasto::JpegPictureKind>();
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
    m_jpeg.reset();
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

void tst_Unit1::pageTypes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");

    QTest::newRow("standard")
        << "RadioButton2"
        << "<HTML><HEAD><TITLE>your-web-site</TITLE>\r\n"
           "<META HTTP-EQUIV=\"refresh\" CONTENT=\"0; URL=http://b.example/?a=1&amp;b='2'Z\">\r\n"
           "</HEAD><BODY></BODY></HTML>\r\n";
    QTest::newRow("java")
        << "RadioButton3"
        << "<HTML><HEAD><TITLE>www.brevasto.example</TITLE></HEAD>\r\n"
           "<BODY onLoad=\"document.location.replace('http://b.example/?a=1&amp;b=\\'2\\'Z')\">\r\n"
           "<noscript>\r\n"
           "<CENTER><BR><BR><BR><BR><BR><BR><BR><BR><BR>\r\n"
           "Your browser does not support Javascript - please <a "
           "href=\"http://b.example/?a=1&amp;b='2'Z\">click "
           "here</a> to load the web page\r\n"
           "</CENTER>\r\n"
           "</noscript>\r\n"
           "</BODY></HTML>\r\n";
}

void tst_Unit1::pageTypes()
{
    QFETCH(QString, button);
    QFETCH(QString, page);

    edit2()->setText(QStringLiteral("http://b.example/?a=1&b='2'"));
    const QString php = result();
    QVERIFY(php.startsWith(QStringLiteral("<?php")));

    // Choosing a page type rebuilds the result at once from the link as it stands...
    auto *radio = m_form->findChild<QRadioButton *>(button);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
    QVERIFY(!m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->isChecked());
    QCOMPARE(result(), QString(page).remove(u'Z'));

    // ...every edit of the link then builds that type's page...
    edit2()->setFocus();
    QTest::keyClick(edit2(), Qt::Key_End);
    QTest::keyClicks(edit2(), QStringLiteral("Z"));
    QCOMPARE(result(), page);

    // ...and going back to PHP brings back the PHP page.
    QTest::keyClick(edit2(), Qt::Key_Backspace);
    auto *php1 = m_form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"));
    QTest::mouseClick(php1, Qt::LeftButton, {}, QPoint(6, php1->height() / 2));
    QCOMPARE(result(), php);
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

void tst_Unit1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");

    const auto row = [](const char *name, const char *kind, const char *parent, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind)
                            << QString::fromLatin1(parent) << QRect(x, y, w, h);
    };
    row("Image1", "brevasto::Image", "Client", 1, 0, 600, 121);
    row("Panel1", "brevasto::Panel", "Client", 0, 120, 601, 329);
    row("Label1", "brevasto::Label", "Panel1", 24, 35, 83, 13);
    row("Label2", "brevasto::Label", "Panel1", 24, 64, 72, 13);
    row("Panel2", "brevasto::Panel", "Panel1", 491, 2, 111, 327);
    row("BitBtn1", "QPushButton", "Panel2", 7, 7, 100, 35);
    row("BitBtn2", "QPushButton", "Panel2", 8, 49, 100, 35);
    row("Edit1", "QLineEdit", "Panel1", 112, 32, 361, 21);
    row("Edit2", "QLineEdit", "Panel1", 112, 59, 361, 21);
    row("RadioGroup1", "QGroupBox", "Panel1", 24, 84, 449, 93);
    row("RadioButton1", "QRadioButton", "Panel1", 48, 112, 225, 17);
    row("RadioButton2", "QRadioButton", "Panel1", 48, 132, 193, 17);
    row("RadioButton3", "QRadioButton", "Panel1", 48, 152, 113, 17);
    row("BitBtn3", "QPushButton", "Panel1", 372, 289, 100, 35);
    row("GroupBox1", "QGroupBox", "Panel1", 24, 178, 449, 109);
    row("Memo1", "brevasto::Memo", "GroupBox1", 1, 14, 445, 89);
}

void tst_Unit1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);

    QWidget *widget = control(name.toLatin1().constData());
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), rect);
}

void tst_Unit1::firstView()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Brevasto"));
    // Frame and title bar included, the window stands where and as large as designed,
    // and its client area still shows every control without scroll bars.
    QTRY_COMPARE(m_form->frameGeometry(), QRect(253, 147, 610, 485));
    QVERIFY(m_form->width() >= 601 && m_form->height() >= 449);
    QCOMPARE(QApplication::focusWidget(), control("BitBtn1"));
    QCOMPARE(control<QLineEdit>("Edit1")->text(), QString::fromLatin1(brevasto::web::MakerSite));
    QCOMPARE(control<QLineEdit>("Edit1")->cursorPosition(), 0);
    QVERIFY(!control<QScrollArea>("ClientArea")->horizontalScrollBar()->isVisible());
    QVERIFY(!control<QScrollArea>("ClientArea")->verticalScrollBar()->isVisible());
    // Panel1 lies above the banner's lowest row, and Panel2 above Panel1's right edge.
    QCOMPARE(control("Client")->childAt(300, 120), control("Panel1"));
    QCOMPARE(control("Panel1")->childAt(600, 100), control("Panel2"));
}

void tst_Unit1::captionsFitTheirControls()
{
    QVERIFY(brevasto::CaptionsFit(m_form));
    // The same, measured plainly: a caption's text against its control's width.
    for (const char *name : {"Label1", "Label2"}) {
        auto *label = control<QLabel>(name);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(), name);
    }
    for (const char *name : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        auto *radio = control<QRadioButton>(name);
        QVERIFY2(QFontMetrics(radio->font()).horizontalAdvance(radio->text()) + 13 + 4 <= radio->width(),
                 name);
    }
}

void tst_Unit1::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");

    const QColor maroon(128, 0, 0);
    for (const char *name : {"Label1", "Label2", "RadioGroup1", "GroupBox1"})
        QTest::newRow(name) << QString::fromLatin1(name) << true << int(QPalette::WindowText) << maroon;
    for (const char *name : {"RadioButton1", "RadioButton2", "RadioButton3", "BitBtn1", "Edit2"})
        QTest::newRow(name) << QString::fromLatin1(name) << false << -1 << QColor();
    QTest::newRow("Memo1") << QStringLiteral("Memo1") << false << int(QPalette::Text) << QColor(Qt::black);
}

void tst_Unit1::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(bool, bold);
    QFETCH(int, role);
    QFETCH(QColor, colour);

    QWidget *widget = control(name.toLatin1().constData());
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().pointSize(), 8);
    QCOMPARE(widget->font().family(), m_form->font().family());
    if (role >= 0)
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
    else
        QCOMPARE(widget->palette().color(QPalette::WindowText),
                 m_form->palette().color(QPalette::WindowText));
    // The panels' background is white, and so is whatever lies on them.
    QCOMPARE(control("Panel1")->palette().color(QPalette::Window), QColor(Qt::white));
}

void tst_Unit1::mousePointers()
{
    for (const char *name : {"Image1", "Label1", "Label2"})
        QVERIFY2(control(name)->cursor().shape() == Qt::PointingHandCursor, name);
    for (const char *name : {"Edit1", "Edit2"})
        QVERIFY2(control(name)->cursor().shape() == Qt::IBeamCursor, name);
    QCOMPARE(control<QPlainTextEdit>("Memo1")->viewport()->cursor().shape(), Qt::IBeamCursor);
    for (const char *name : {"Client", "Panel1", "Panel2", "BitBtn1", "BitBtn2", "BitBtn3", "RadioGroup1",
                             "RadioButton1", "RadioButton2", "RadioButton3", "GroupBox1"})
        QVERIFY2(control(name)->cursor().shape() == Qt::ArrowCursor, name);
}

void tst_Unit1::panelsHaveADoubleBevel()
{
    // Raised outside (shadow on the bottom and right), lowered inside (shadow on the top
    // and left); the light lines are the button-highlight colour.
    for (const char *name : {"Panel1", "Panel2"}) {
        QWidget *panel = control(name);
        const QImage image = panel->grab().toImage();
        const QColor light = panel->palette().color(QPalette::Light);
        const QColor shadow = panel->palette().color(QPalette::Dark);
        QVERIFY(light != shadow);
        const int w = image.width(), h = image.height(), x = 40, y = 40;
        QCOMPARE(image.pixel(x, 0), light.rgb());
        QCOMPARE(image.pixel(0, y), light.rgb());
        QCOMPARE(image.pixel(x, h - 1), shadow.rgb());
        // Panel2 lies over Panel1's right edge, so only Panel2 shows its own.
        if (panel->objectName() == "Panel2")
            QCOMPARE(image.pixel(w - 1, y), shadow.rgb());
        QCOMPARE(image.pixel(x, 1), shadow.rgb());
        QCOMPARE(image.pixel(1, y), shadow.rgb());
        QCOMPARE(image.pixel(x, h - 2), light.rgb());
        if (panel->objectName() == "Panel2")
            QCOMPARE(image.pixel(w - 2, y), light.rgb());
        QCOMPARE(image.pixel(10, 250), qRgb(255, 255, 255)); // the panel's own background
    }
}

void tst_Unit1::bannerIsDecoded()
{
    const QImage banner = control<brevasto::Image>("Image1")->image();
    QCOMPARE(banner.size(), QSize(600, 119));
    const QColor top = banner.pixelColor(4, 2);
    const QColor bottom = banner.pixelColor(4, 117);
    QVERIFY2(top.red() > top.blue() + 40 && top.red() < 160, qPrintable(top.name())); // brown
    QVERIFY2(bottom.red() > 230 && bottom.green() > 230 && bottom.blue() > 230, qPrintable(bottom.name()));
}

void tst_Unit1::bannerNeedsTheJpegKind()
{
    delete m_form;
    m_jpeg.reset();
    new TForm1(Form1);
    m_form = Form1;
    QVERIFY(control<brevasto::Image>("Image1")->image().isNull());
    QCOMPARE(control<brevasto::Image>("Image1")->picture(), QStringLiteral(":/resources/banner.jpg"));
}

void tst_Unit1::tabCycle_data()
{
    QTest::addColumn<QString>("check");
    QTest::newRow("php") << "RadioButton1";
    QTest::newRow("standard") << "RadioButton2";
    QTest::newRow("java") << "RadioButton3";
}

void tst_Unit1::tabCycle()
{
    QFETCH(QString, check);

    auto *radio = m_form->findChild<QRadioButton *>(check);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    QVERIFY(radio->isChecked());
    control("BitBtn1")->setFocus();

    const QStringList expected{"BitBtn1", "BitBtn2", "Edit1", "Edit2", check, "BitBtn3", "Memo1", "BitBtn1"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    QStringList back{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back += QApplication::focusWidget()->objectName();
    }
    std::reverse(back.begin(), back.end());
    QCOMPARE(back, expected);
}

void tst_Unit1::arrowsMoveTheCheck()
{
    // The keyboard's way through the group: the arrows check the next type, and the result
    // follows at once.
    edit2()->setText(u"http://b.example/"_s);
    control("RadioButton1")->setFocus();
    QTest::keyClick(control("RadioButton1"), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), control("RadioButton2"));
    QVERIFY(control<QRadioButton>("RadioButton2")->isChecked());
    QVERIFY(result().startsWith(u"<HTML><HEAD><TITLE>your-web-site"_s));
    QTest::keyClick(control("RadioButton2"), Qt::Key_Down);
    QVERIFY(control<QRadioButton>("RadioButton3")->isChecked());
    QTest::keyClick(control("RadioButton3"), Qt::Key_Up);
    QTest::keyClick(control("RadioButton2"), Qt::Key_Up);
    QVERIFY(control<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(result(), Page(u"http://b.example/"_s));
}

void tst_Unit1::keyboardEntrySelectsTheField()
{
    control("BitBtn2")->setFocus();
    QTest::keyClick(control("BitBtn2"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control("Edit1"));
    QCOMPARE(control<QLineEdit>("Edit1")->selectedText(), control<QLineEdit>("Edit1")->text());
    QTest::keyClick(control("Edit1"), Qt::Key_Tab);
    QCOMPARE(control<QLineEdit>("Edit2")->selectedText(), control<QLineEdit>("Edit2")->text());
}

void tst_Unit1::mouseEntryDoesNotSelect()
{
    QTest::mouseClick(control("Edit2"), Qt::LeftButton, {}, QPoint(40, 10));
    QCOMPARE(QApplication::focusWidget(), control("Edit2"));
    QVERIFY(!control<QLineEdit>("Edit2")->hasSelectedText());
}

void tst_Unit1::enterPressesTheFocusedButtonOnly()
{
    QApplication::clipboard()->clear();
    // Right after start the Help button has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_opened, QStringList{QString::fromLatin1(brevasto::web::HelpPage)});

    for (const char *name : {"Edit1", "Edit2", "RadioButton1", "BitBtn2", "BitBtn3"}) {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Enter);
    }
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(result(), QString());
    // Only the two presses of Save To File answered, each telling there is no page yet.
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Information);
}

void tst_Unit1::accessKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressesHelp");

    QTest::newRow("Alt+H in the link field") << "Edit2" << int(Qt::AltModifier) << int(Qt::Key_H) << true;
    QTest::newRow("Alt+H in the result area") << "Memo1" << int(Qt::AltModifier) << int(Qt::Key_H) << true;
    QTest::newRow("Alt+H on Paste") << "BitBtn2" << int(Qt::AltModifier) << int(Qt::Key_H) << true;
    QTest::newRow("H on Paste") << "BitBtn2" << int(Qt::NoModifier) << int(Qt::Key_H) << true;
    QTest::newRow("H on Save To File") << "BitBtn3" << int(Qt::NoModifier) << int(Qt::Key_H) << true;
    QTest::newRow("H on a radio button") << "RadioButton1" << int(Qt::NoModifier) << int(Qt::Key_H) << true;
    QTest::newRow("H in the link field") << "Edit2" << int(Qt::NoModifier) << int(Qt::Key_H) << false;
    QTest::newRow("H in the web site field") << "Edit1" << int(Qt::NoModifier) << int(Qt::Key_H) << false;
    QTest::newRow("H in the result area") << "Memo1" << int(Qt::NoModifier) << int(Qt::Key_H) << false;
    QTest::newRow("another letter on Paste") << "BitBtn2" << int(Qt::NoModifier) << int(Qt::Key_P) << false;
}

void tst_Unit1::accessKey()
{
    QFETCH(QString, focus);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(bool, pressesHelp);

    QWidget *target = control(focus.toLatin1().constData());
    target->setFocus();
    QTest::keyClick(target, Qt::Key_End);
    const QString link = edit2()->text();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    // Alt+H animates the press before it clicks; nothing pending means nothing pressed.
    if (pressesHelp)
        QTRY_COMPARE(m_opened, QStringList{QString::fromLatin1(brevasto::web::HelpPage)});
    QVERIFY(!control<QPushButton>("BitBtn1")->isDown());
    QCOMPARE(m_opened.size(), pressesHelp ? 1 : 0);
    if (focus == "Edit2") {
        QCOMPARE(edit2()->text(), pressesHelp ? link : link + u'h');
        QCOMPARE(result().isEmpty(), pressesHelp);
    } else if (focus != "Memo1") {
        QCOMPARE(result(), QString());
    }
}

void tst_Unit1::webLinks_data()
{
    AddWebLinkRows();
}

void tst_Unit1::webLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, address);

    // The addresses are fixed, whatever the fields hold.
    control<QLineEdit>("Edit1")->setText(QStringLiteral("http://mine.example"));
    edit2()->setText(QStringLiteral("http://other.example/x"));
    const QString page = result();

    QWidget *target = control(name.toLatin1().constData());
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m_opened, QStringList({address, address}));
    QCOMPARE(result(), page);
    QCOMPARE(edit2()->text(), QStringLiteral("http://other.example/x"));
}

void tst_Unit1::pasteReplacesTheLink()
{
    QApplication::clipboard()->setText(QStringLiteral(" http://clip.example/a?b=1\t"));
    QSignalSpy changes(edit2(), &QLineEdit::textChanged);
    QTest::mouseClick(control("BitBtn2"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), control("BitBtn2"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(edit2()->text(), QStringLiteral(" http://clip.example/a?b=1\t"));
    QCOMPARE(result(), Page(QStringLiteral("http://clip.example/a?b=1")));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" http://clip.example/a?b=1\t"));

    // The link it replaced is not lost: Undo brings it back.
    edit2()->setFocus();
    QTest::keySequence(edit2(), QKeySequence::Undo);
    QCOMPARE(edit2()->text(), QString::fromLatin1(brevasto::web::ExampleAffiliateLink));
}

void tst_Unit1::pasteWithEmptyClipboardChangesNothing()
{
    QApplication::clipboard()->clear();
    QSignalSpy changes(edit2(), &QLineEdit::textChanged);
    QTest::mouseClick(control("BitBtn2"), Qt::LeftButton);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(edit2()->text(), QString::fromLatin1(brevasto::web::ExampleAffiliateLink));
    QCOMPARE(result(), QString());
}

namespace {

// Answers the save dialog with paths in turn, and keeps what it was asked.
struct SaveAnswers
{
    QStringList paths;
    QList<brevasto::SaveFileRequest> asked;
    QList<brevasto::MessageBoxRequest> boxes;
    QMessageBox::StandardButton boxAnswer = QMessageBox::Yes;

    SaveAnswers()
    {
        brevasto::SetSaveFileHook([this](const brevasto::SaveFileRequest &request) {
            asked += request;
            return paths.isEmpty() ? QString() : paths.takeFirst();
        });
        brevasto::SetMessageBoxHook([this](const brevasto::MessageBoxRequest &request) {
            boxes += request;
            return boxAnswer;
        });
    }
};

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

void tst_Unit1::save_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("php") << "RadioButton1"
                         << "go.php";
    QTest::newRow("standard") << "RadioButton2"
                              << "go.html";
    QTest::newRow("java") << "RadioButton3"
                          << "go.html";
}

void tst_Unit1::save()
{
    QFETCH(QString, type);
    QFETCH(QString, name);

    QTemporaryDir first, second;
    SaveAnswers answers;
    answers.paths = {first.filePath(u"a.page"_s), second.filePath(u"b.page"_s)};

    auto *radio = m_form->findChild<QRadioButton *>(type);
    radio->setChecked(true);
    edit2()->setText(QStringLiteral("\u00A0http://b.example/?q=\"\u00E9\"&r=1"));
    const QString page = result();
    QVERIFY(page.endsWith(u"\r\n"_s));

    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.asked[0].proposedPath, QDir(QDir::homePath()).filePath(name));
    QCOMPARE(FileBytes(first.filePath(u"a.page"_s)), page.toUtf8());
    QVERIFY(answers.boxes.isEmpty());

    // Text the user added to the result area is saved with it; the next dialog opens
    // in the folder used last.
    memo1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo1(), QStringLiteral("<!-- mine -->"));
    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);
    QCOMPARE(answers.asked.size(), 2);
    QCOMPARE(answers.asked[1].proposedPath, QDir(first.path()).filePath(name));
    QCOMPARE(FileBytes(second.filePath(u"b.page"_s)), (page + u"<!-- mine -->"_s).toUtf8());
    QCOMPARE(result(), page + u"<!-- mine -->"_s);
}

void tst_Unit1::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_Unit1::saveAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"go.php"_s);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("my own page\n");
    old.close();

    SaveAnswers answers;
    answers.paths = {path};
    answers.boxAnswer = QMessageBox::StandardButton(answer);
    edit2()->setText(u"http://b.example/"_s);
    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);

    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].icon, QMessageBox::Question);
    QCOMPARE(answers.boxes[0].defaultButton, QMessageBox::No); // Enter keeps the old file
    QVERIFY(answers.boxes[0].text.contains(path));
    QCOMPARE(FileBytes(path), replaced ? Page(u"http://b.example/"_s).toUtf8() : QByteArray("my own page\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"go.php"_s});
}

void tst_Unit1::saveFailureIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"blocker"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const QString path = dir.filePath(u"blocker/go.php"_s);

    SaveAnswers answers;
    answers.paths = {path};
    edit2()->setText(u"http://b.example/"_s);
    const QString page = result();
    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);

    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].icon, QMessageBox::Warning);
    QVERIFY2(answers.boxes[0].text.startsWith(u"Could not save "_s + path + u":\n"_s),
             qPrintable(answers.boxes[0].text));
    QVERIFY(answers.boxes[0].text.size() > (u"Could not save "_s + path + u":\n."_s).size()); // with a reason
    QCOMPARE(result(), page);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"blocker"_s});
}

void tst_Unit1::saveCancelledOrNothingToSave()
{
    SaveAnswers answers;
    // Nothing generated yet: the user is told so, and no dialog opens.
    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].icon, QMessageBox::Information);
    QVERIFY(answers.asked.isEmpty());

    // Cancelled: nothing written, nothing said.
    edit2()->setText(u"http://b.example/"_s);
    QTest::mouseClick(control("BitBtn3"), Qt::LeftButton);
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(answers.boxes.size(), 1);
}

void tst_Unit1::scrollBarsFollowTheClientArea_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");

    QTest::newRow("designed") << QSize(610, 485) << false << false;
    QTest::newRow("exactly the controls") << QSize(601, 449) << false << false;
    QTest::newRow("larger") << QSize(900, 700) << false << false;
    QTest::newRow("one pixel narrower") << QSize(600, 485) << true << false;
    QTest::newRow("one pixel lower") << QSize(700, 448) << false << true;
    QTest::newRow("smaller both ways") << QSize(400, 300) << true << true;
}

void tst_Unit1::scrollBarsFollowTheClientArea()
{
    QFETCH(QSize, client);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);

    auto *area = control<QScrollArea>("ClientArea");
    m_form->resize(client);
    QTRY_COMPARE(m_form->size(), client);
    QTRY_COMPARE(area->horizontalScrollBar()->isVisible(), horizontal);
    QTRY_COMPARE(area->verticalScrollBar()->isVisible(), vertical);

    // Resizing moves no control; scrolling moves all of them together.
    QCOMPARE(control("Panel1")->geometry(), QRect(0, 120, 601, 329));
    const QPoint banner = control("Image1")->mapTo(m_form, QPoint());
    const QPoint memo = control("Memo1")->mapTo(m_form, QPoint());
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    const QPoint shift(-area->horizontalScrollBar()->value(), -area->verticalScrollBar()->value());
    QCOMPARE(shift.isNull(), !horizontal && !vertical);
    QCOMPARE(control("Image1")->mapTo(m_form, QPoint()), banner + shift);
    QCOMPARE(control("Memo1")->mapTo(m_form, QPoint()), memo + shift);
}

QTEST_MAIN(tst_Unit1)
#include "tst_unit1.moc"
