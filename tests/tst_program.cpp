// The program's whole life, lived in this process: start-up, the loop, shutdown, and a
// start-up that fails.

#include "Application.h"
#include "LineBuffer.h"
#include "MessageBox.h"
#include "Picture.h"
#include "Program.h"
#include "Unit1.h"

#include <QtTest>

#include <stdexcept>

class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void normalLifeAndShutdownOrder();
    void exceptionInAHandlerIsReportedAndTheProgramGoesOn();
    void startupFailure();

private:
    int run(const brevasto::ProgramHooks &hooks);

    QList<brevasto::MessageBoxRequest> m_boxes;
    QStringList m_events;
};

int tst_Program::run(const brevasto::ProgramHooks &hooks)
{
    static char name[] = "tst_program";
    static char *argv[] = {name, nullptr};
    int argc = 1;
    return brevasto::RunProgram(argc, argv, hooks);
}

void tst_Program::init()
{
    m_boxes.clear();
    m_events.clear();
    brevasto::SetMessageBoxHook([this](const brevasto::MessageBoxRequest &request) {
        bool windowShown = false;
        for (QWidget *widget : QApplication::topLevelWidgets())
            windowShown = windowShown || widget->isVisible();
        m_events += windowShown ? QStringLiteral("box over a window") : QStringLiteral("box");
        m_boxes += request;
        return QMessageBox::Ok;
    });
}

void tst_Program::cleanup()
{
    brevasto::SetMessageBoxHook({});
}

void tst_Program::normalLifeAndShutdownOrder()
{
    bool sawBanner = false;
    brevasto::ProgramHooks hooks;
    hooks.whenRunning = [&](brevasto::Application &app) {
        QVERIFY(Form1);
        QCOMPARE(app.mainForm(), Form1);
        QVERIFY(Form1->isVisible());
        sawBanner = Form1->Image1->image().size() == QSize(600, 119);
        QVERIFY(Form1->Memo1->toPlainText().isEmpty()); // nothing generated at start
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QImage picture = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(picture.pixel(x, y));
        QVERIFY(colours.size() <= 16);
        QCOMPARE(Form1->windowIcon().cacheKey(), icon.cacheKey()); // no icon of its own
        Form1->Edit2->setText(QStringLiteral("http://shop.example/x"));
        QVERIFY(!brevasto::LineBuffer[1].empty());

        connect(Form1->Image1, &QObject::destroyed, this,
                [this] { m_events += QStringLiteral("banner gone"); });
        connect(Form1, &QObject::destroyed, this, [this] { m_events += QStringLiteral("Form1 gone"); });
        Form1->close();
    };
    hooks.shutdownStep = [this](const std::string &step) {
        m_events += QString::fromStdString(step);
        if (step == "windows")
            QCOMPARE(Form1, nullptr);
        if (step == "LineBuffer") {
            for (int slot = 1; slot <= 15000; ++slot)
                QVERIFY(brevasto::LineBuffer[slot].empty() && brevasto::LineBuffer[slot].capacity() <= 15);
            QVERIFY(brevasto::PictureKinds::IsRegistered(QStringLiteral("jpg")));
        }
        if (step == "jpeg") {
            QVERIFY(!brevasto::PictureKinds::IsRegistered(QStringLiteral("jpg")));
            QVERIFY(!brevasto::PictureKinds::IsRegistered(QStringLiteral("jpeg")));
        }
    };

    QCOMPARE(run(hooks), 0);
    QVERIFY(sawBanner);
    // The window goes with its banner (Qt tells of the window first), then the buffer's
    // texts, then the JPEG kind.
    QCOMPARE(m_events, QStringList({"Form1 gone", "banner gone", "windows", "LineBuffer", "jpeg"}));
    QVERIFY(m_boxes.isEmpty());
}

void tst_Program::exceptionInAHandlerIsReportedAndTheProgramGoesOn()
{
    brevasto::ProgramHooks hooks;
    hooks.whenRunning = [](brevasto::Application &) {
        QTimer::singleShot(0, Form1, [] { throw std::runtime_error("Generation failed"); });
        QTimer::singleShot(10, Form1, [] {
            Form1->Edit2->setText(QStringLiteral("http://shop.example/after"));
            Form1->close();
        });
    };
    QString result;
    hooks.shutdownStep = [&result](const std::string &step) {
        if (step == "windows")
            result = QString::fromStdString(brevasto::LineBuffer[1]);
    };

    QCOMPARE(run(hooks), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("tst_program"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Generation failed."));
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_events.first(), QStringLiteral("box over a window"));
    QCOMPARE(result, QStringLiteral("<?php $URL=\"http://shop.example/after\";"));
}

void tst_Program::startupFailure()
{
    brevasto::ProgramHooks hooks;
    hooks.beforeMainWindow = [] { throw std::runtime_error("Resources missing"); };
    bool ran = false;
    hooks.whenRunning = [&ran](brevasto::Application &) { ran = true; };
    hooks.shutdownStep = [this](const std::string &step) { m_events += QString::fromStdString(step); };

    QCOMPARE(run(hooks), 1);
    QVERIFY(!ran);
    QCOMPARE(Form1, nullptr);
    QCOMPARE(m_events, QStringList({"box", "windows", "LineBuffer", "jpeg"}));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Erreur d'application"));
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QRegularExpression text(QStringLiteral(
        "^Exception std::runtime_error dans le module tst_program à 0x[0-9a-f]+\\.\\nResources missing\\.$"));
    QVERIFY2(text.match(m_boxes[0].text).hasMatch(), qPrintable(m_boxes[0].text));
}

QTEST_APPLESS_MAIN(tst_Program)
#include "tst_program.moc"
