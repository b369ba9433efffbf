#include "Application.h"

#include "MessageBox.h"

#include <QEvent>
#include <QFileInfo>

#include <new>

namespace brevasto {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Only closing the main window ends the program, not the closing of another window.
    setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    DestroyForms();
}

QString Application::title() const
{
    return QFileInfo(applicationFilePath()).completeBaseName();
}

void Application::adoptForm(QWidget *form)
{
    m_forms.emplace_back(form);
    if (!m_mainForm) {
        m_mainForm = form;
        form->installEventFilter(this);
    }
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainForm && event->type() == QEvent::Close) {
        const bool result = QApplication::eventFilter(watched, event);
        if (event->isAccepted())
            quit();
        return result;
    }
    return QApplication::eventFilter(watched, event);
}

void Application::Run()
{
    if (m_mainForm)
        m_mainForm->show();
    exec();
}

void Application::DestroyForms()
{
    while (!m_forms.empty()) {
        delete m_forms.back().data();
        m_forms.pop_back();
    }
}

QString Application::BoxText(const QString &message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

QString ExceptionMessage(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante");
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Exception inconnue");
    }
}

void Application::HandleException(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const EAbort &) {
        return;
    } catch (...) {
    }
    ShowMessageBox({title(), BoxText(ExceptionMessage(exception)), QMessageBox::Critical, QMessageBox::Ok});
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

} // namespace brevasto
