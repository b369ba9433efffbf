// The application object: creating windows, and what the user sees of an exception
// that leaves a handler.

#include "Application.h"
#include "MessageBox.h"

#include <QtTest>

#include <new>
#include <stdexcept>

using brevasto::Application;

namespace {

// Throws from its event handler whatever it is told to, like a failing handler would.
class Thrower : public QObject
{
public:
    std::function<void()> raise;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            raise();
        return QObject::event(event);
    }
};

class GoodForm : public QWidget
{
public:
    explicit GoodForm(GoodForm *&reference) { reference = this; }
};

class FailingForm : public QWidget
{
public:
    static inline FailingForm *seenDuringBuild = nullptr;
    explicit FailingForm(FailingForm *&reference)
    {
        reference = this;
        seenDuringBuild = reference;
        throw std::runtime_error("description damaged");
    }
};

} // namespace

class tst_Application : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxText_data();
    void boxText();
    void reportsAndGoesOn_data();
    void reportsAndGoesOn();
    void abortIsSilent();
    void firstFormIsTheMainWindow();
    void failedFormLeavesNoReference();
    void closingTheMainWindowEndsTheLoop();

private:
    QList<brevasto::MessageBoxRequest> m_boxes;
};

void tst_Application::init()
{
    m_boxes.clear();
    brevasto::SetMessageBoxHook([this](const brevasto::MessageBoxRequest &request) {
        m_boxes += request;
        return QMessageBox::Ok;
    });
}

void tst_Application::cleanup()
{
    brevasto::SetMessageBoxHook({});
}

void tst_Application::boxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << "Disk full"
                           << "Disk full.";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("ends in a period") << "Done."
                                      << "Done.";
    QTest::newRow("ends in a parenthesis") << "Failed (code 5)"
                                           << "Failed (code 5)";
    QTest::newRow("ends in an exclamation mark") << "Stop!"
                                                 << "Stop!";
    QTest::newRow("ends in a slash") << "path a/"
                                     << "path a/.";
    QTest::newRow("ends in a question mark") << "Why?"
                                             << "Why?.";
    QTest::newRow("ends in a digit") << "code 5"
                                     << "code 5.";
    QTest::newRow("ends in an accented letter") << QStringLiteral("trouvé") << QStringLiteral("trouvé.");
}

void tst_Application::boxText()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(Application::BoxText(message), text);
}

void tst_Application::reportsAndGoesOn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("runtime error") << 0 << "Link too long.";
    QTest::newRow("out of memory") << 1 << QStringLiteral("Mémoire insuffisante.");
    QTest::newRow("not a standard exception") << 2 << QStringLiteral("Exception inconnue.");
}

void tst_Application::reportsAndGoesOn()
{
    QFETCH(int, kind);
    QFETCH(QString, text);

    Thrower thrower;
    thrower.raise = [kind] {
        if (kind == 0)
            throw std::runtime_error("Link too long");
        if (kind == 1)
            throw std::bad_alloc();
        throw 42;
    };
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("tst_application"));
    QCOMPARE(m_boxes[0].text, text);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The program goes on: the next event is handled as usual.
    bool handled = false;
    thrower.raise = [&handled] { handled = true; };
    QCoreApplication::sendEvent(&thrower, &event);
    QVERIFY(handled);
    QCOMPARE(m_boxes.size(), 1);
}

void tst_Application::abortIsSilent()
{
    Thrower thrower;
    thrower.raise = [] { throw brevasto::EAbort(); };
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    QVERIFY(m_boxes.isEmpty());
}

void tst_Application::firstFormIsTheMainWindow()
{
    auto *app = static_cast<Application *>(QCoreApplication::instance());
    GoodForm *first = nullptr;
    GoodForm *second = nullptr;
    app->CreateForm(first);
    app->CreateForm(second);
    QVERIFY(first && second && first != second);
    QCOMPARE(app->mainForm(), first);

    QPointer<GoodForm> watchFirst(first), watchSecond(second);
    app->DestroyForms();
    QVERIFY(watchFirst.isNull() && watchSecond.isNull());
}

void tst_Application::failedFormLeavesNoReference()
{
    auto *app = static_cast<Application *>(QCoreApplication::instance());
    FailingForm *form = nullptr;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, app->CreateForm(form));
    QVERIFY(FailingForm::seenDuringBuild != nullptr); // the reference was set while building
    QCOMPARE(form, nullptr);
}

void tst_Application::closingTheMainWindowEndsTheLoop()
{
    auto *app = static_cast<Application *>(QCoreApplication::instance());
    app->DestroyForms();
    GoodForm *main = nullptr;
    GoodForm *other = nullptr;
    app->CreateForm(main);
    app->CreateForm(other);
    other->show();

    // Closing another window does not end the loop; closing the main window does.
    QTimer::singleShot(0, other, [other] { other->close(); });
    QTimer::singleShot(50, main, [main] { main->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, app, [app] { app->exit(99); });
    watchdog.start(5000);
    QElapsedTimer clock;
    clock.start();
    app->Run();
    QVERIFY(watchdog.isActive());
    QVERIFY(clock.elapsed() >= 40);
    QVERIFY(main->isHidden());
    app->DestroyForms();
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Application test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
