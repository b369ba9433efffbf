#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <vector>

namespace brevasto {

// Thrown to leave a handler quietly: the default exception reporting drops it.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Opération abandonnée"; }
};

// The application object: creates and owns the windows, runs the loop until the main
// window is closed, and reports every exception that leaves a handler.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // The caption of the program's message boxes: the executable's file name.
    QString title() const;

    // Creates a window of class Form. The window's constructor stores itself in
    // `reference` before it builds its controls; if building fails, `reference` is set
    // back to null and the failure passes on. The first window made this way becomes
    // the main window.
    template <class Form> void CreateForm(Form *&reference)
    {
        try {
            new Form(reference);
        } catch (...) {
            reference = nullptr;
            throw;
        }
        adoptForm(reference);
    }

    QWidget *mainForm() const { return m_mainForm; }

    // Shows the main window and processes events until it is closed.
    void Run();

    // Destroys every window made by CreateForm, the last created first.
    void DestroyForms();

    // The default exception reporting: an EAbort is dropped; any other exception is
    // shown in an error box captioned with the title, and the program goes on.
    void HandleException(std::exception_ptr exception);

    // The box text for an exception message: a period is added unless the message is
    // empty or already ends in a character whose code is not above that of ".".
    static QString BoxText(const QString &message);

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adoptForm(QWidget *form);

    std::vector<QPointer<QWidget>> m_forms;
    QPointer<QWidget> m_mainForm;
};

// The text of an exception as it is reported to the user.
QString ExceptionMessage(std::exception_ptr exception);

} // namespace brevasto
