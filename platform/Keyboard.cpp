#include "Keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace brevasto {

namespace {

void FollowCheck(QRadioButton *radio)
{
    radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

WindowKeyboard::WindowKeyboard(QWidget *window)
    : QObject(window)
    , m_window(window)
{}

void WindowKeyboard::Install(QWidget *window)
{
    auto *keyboard = new WindowKeyboard(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (qobject_cast<QPushButton *>(button) || qobject_cast<QRadioButton *>(button))
            button->installEventFilter(keyboard);
    }
    for (QRadioButton *radio : window->findChildren<QRadioButton *>()) {
        FollowCheck(radio);
        QObject::connect(radio, &QRadioButton::toggled, keyboard, [radio] { FollowCheck(radio); });
    }
}

bool WindowKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers held = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::NoModifier || key->text().size() != 1 || !key->text().front().isLetterOrNumber())
        return QObject::eventFilter(watched, event);

    const QKeySequence pressed = QKeySequence::mnemonic(u'&' + key->text());
    for (QAbstractButton *button : m_window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled()
            && QKeySequence::mnemonic(button->text()).matches(pressed) == QKeySequence::ExactMatch) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevasto
