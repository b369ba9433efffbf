#pragma once

#include <QObject>

class QWidget;

namespace brevasto {

// The window keyboard rules that Qt does not give a plain window by itself:
// - a push button or radio button takes no typed characters, so while one has the focus
//   the bare letter of a button's access key ("&Help": H) presses that button;
// - a radio button is a tab stop only while it is checked, so a group of radio buttons
//   is one stop in the tab cycle, and that stop moves with the check.
// Installed once on a window, after its controls are built.
class WindowKeyboard : public QObject
{
    Q_OBJECT

public:
    static void Install(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowKeyboard(QWidget *window);

    QWidget *m_window;
};

} // namespace brevasto
