#include "Program.h"

#include "Application.h"
#include "JpegPicture.h"
#include "LineBuffer.h"
#include "MessageBox.h"
#include "Unit1.h"

#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace brevasto {

namespace {

// The class of the exception being handled, as its source names it.
QString CurrentExceptionClass()
{
    const std::type_info *type = abi::__cxa_current_exception_type();
    if (!type)
        return QStringLiteral("(inconnue)");
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(type->name(), nullptr, nullptr, &status),
                                                 std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type->name());
}

void CreateMainWindow(Application &app)
{
    app.CreateForm(Form1);
}

// What the user learns of a failure before the loop: the exception's class, the module
// and the code of the start-up step it came from, and its message.
void ReportStartupFailure(const QString &module, const void *address)
{
    const QString text =
        QStringLiteral("Exception %1 dans le module %2 à %3.\n%4")
            .arg(CurrentExceptionClass(), module, QStringLiteral("0x%1").arg(quintptr(address), 0, 16),
                 Application::BoxText(ExceptionMessage(std::current_exception())));
    if (QApplication::instance())
        ShowMessageBox(
            {QStringLiteral("Erreur d'application"), text, QMessageBox::Critical, QMessageBox::Ok});
    else
        std::fprintf(stderr, "Erreur d'application: %s\n", text.toUtf8().constData());
}

} // namespace

int RunProgram(int &argc, char **argv, const ProgramHooks &hooks)
{
    const auto step = [&hooks](const char *name) {
        if (hooks.shutdownStep)
            hooks.shutdownStep(name);
    };
    const QString module = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "")).fileName();

    int exitCode = 0;
    {
        Application app(argc, argv);
        app.setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
        {
            // Known before the main window is built: its banner is a JPEG picture.
            JpegPictureKind jpeg;

            try {
                if (hooks.beforeMainWindow)
                    hooks.beforeMainWindow();
                CreateMainWindow(app);
            } catch (...) {
                ReportStartupFailure(module, reinterpret_cast<const void *>(&CreateMainWindow));
                exitCode = 1;
            }

            if (exitCode == 0) {
                if (hooks.whenRunning)
                    QTimer::singleShot(0, &app, [&app, &hooks] { hooks.whenRunning(app); });
                app.Run();
            }

            app.DestroyForms();
            step("windows");
            LineBuffer.Release();
            step("LineBuffer");
        }
        step("jpeg");
    }
    return exitCode;
}

} // namespace brevasto
