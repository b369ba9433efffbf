// The web links as a user meets them: the real window on its own X server, clicked and
// typed at through X by xdotool, handing addresses to a browser that $BROWSER names, here
// a script that writes down what it is given.

#include "Application.h"
#include "JpegPicture.h"
#include "Unit1.h"
#include "WebAddresses.h"
#include "WebLinkRows.h"

#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int WaitMs = 10000;

QTemporaryDir *workDir = nullptr;

QString OpenedLog()
{
    return workDir->filePath(QStringLiteral("opened.log"));
}

QStringList Opened()
{
    QFile log(OpenedLog());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool Xdotool(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    return xdotool.waitForFinished(WaitMs) && xdotool.exitStatus() == QProcess::NormalExit
           && xdotool.exitCode() == 0;
}

// Starts Xvfb on the first free display number; it ends with this process.
bool StartVirtualDisplay(QProcess &xvfb, QString &display)
{
    for (int number = 90; number < 190; ++number) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        xvfb.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        xvfb.setProcessChannelMode(QProcess::MergedChannels);
        xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xvfb.waitForStarted(WaitMs))
            return false;
        QDeadlineTimer deadline(WaitMs);
        while (!deadline.hasExpired() && xvfb.state() == QProcess::Running && !QFile::exists(socket))
            xvfb.waitForFinished(50);
        if (xvfb.state() == QProcess::Running && QFile::exists(socket)) {
            display = QStringLiteral(":%1").arg(number);
            return true;
        }
        xvfb.kill();
        xvfb.waitForFinished(WaitMs);
    }
    return false;
}

} // namespace

class tst_WebLinks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterRightAfterStart();
    void altHFromTheLinkField();
    void clicks_data();
    void clicks();

private:
    void clickAt(QWidget *widget);

    brevasto::JpegPictureKind m_jpeg;
    QString m_link;
};

void tst_WebLinks::init()
{
    QFile::remove(OpenedLog());
    auto *app = static_cast<brevasto::Application *>(QCoreApplication::instance());
    app->CreateForm(Form1);
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    m_link = Form1->Edit2->text();
}

void tst_WebLinks::cleanup()
{
    // The result area is never touched by a web link, and the link field keeps its text.
    QCOMPARE(Form1->Memo1->document()->characterCount(), 1);
    QCOMPARE(Form1->Edit2->text(), m_link);
    static_cast<brevasto::Application *>(QCoreApplication::instance())->DestroyForms();
    QCOMPARE(Form1, nullptr);
}

void tst_WebLinks::clickAt(QWidget *widget)
{
    const QPoint at = widget->mapToGlobal(QPoint(6, widget->height() / 2));
    QVERIFY(Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), QStringLiteral("1")}));
}

void tst_WebLinks::enterRightAfterStart()
{
    QCOMPARE(QApplication::focusWidget(), Form1->BitBtn1);
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTRY_COMPARE_WITH_TIMEOUT(Opened(), QStringList{QString::fromLatin1(brevasto::web::HelpPage)}, WaitMs);
}

void tst_WebLinks::altHFromTheLinkField()
{
    clickAt(Form1->Edit2);
    QTRY_COMPARE(QApplication::focusWidget(), Form1->Edit2);
    QVERIFY(Xdotool({QStringLiteral("key"), QStringLiteral("alt+h")}));
    QTRY_COMPARE_WITH_TIMEOUT(Opened(), QStringList{QString::fromLatin1(brevasto::web::HelpPage)}, WaitMs);
}

void tst_WebLinks::clicks_data()
{
    AddWebLinkRows();
}

void tst_WebLinks::clicks()
{
    QFETCH(QString, name);
    QFETCH(QString, address);

    auto *target = Form1->findChild<QWidget *>(name);
    QVERIFY(target);
    clickAt(target);
    QTRY_COMPARE_WITH_TIMEOUT(Opened(), QStringList{address}, WaitMs);
    clickAt(target);
    QTRY_COMPARE_WITH_TIMEOUT(Opened(), QStringList({address, address}), WaitMs);
}

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    workDir = &dir;
    for (const char *tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::fprintf(stderr, "%s is not installed (Debian packages xvfb and xdotool)\n", tool);
            return 1;
        }
    }
    QProcess xvfb;
    QString display;
    if (!dir.isValid() || !StartVirtualDisplay(xvfb, display)) {
        std::fprintf(stderr, "could not start a virtual X server: %s\n", xvfb.readAll().constData());
        return 1;
    }

    const QString browser = dir.filePath(QStringLiteral("browser"));
    QFile script(browser);
    if (!script.open(QIODevice::WriteOnly))
        return 1;
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + OpenedLog().toUtf8() + "'\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);

    qputenv("DISPLAY", display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("BROWSER", browser.toUtf8());

    brevasto::Application app(argc, argv);
    tst_WebLinks test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int failed = QTest::qExec(&test, argc, argv);
    xvfb.terminate();
    xvfb.waitForFinished(WaitMs);
    return failed;
}

#include "tst_weblinks.moc"
