#include "WindowFrame.h"

#include <QEvent>
#include <QWidget>

namespace brevasto {

DesignedFrameSize::DesignedFrameSize(QWidget *window, QSize outer, QSize leastClient)
    : QObject(window)
    , m_window(window)
    , m_outer(outer)
    , m_leastClient(leastClient)
{}

void DesignedFrameSize::Install(QWidget *window, QSize outer, QSize leastClient)
{
    window->resize(outer.expandedTo(leastClient));
    window->installEventFilter(new DesignedFrameSize(window, outer, leastClient));
}

bool DesignedFrameSize::eventFilter(QObject *watched, QEvent *event)
{
    // Some window managers tell the frame when the window is shown, others only when it
    // is first activated; after that the size is the user's.
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)) {
        const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
        m_window->resize((m_outer - frame).expandedTo(m_leastClient));
        if (event->type() == QEvent::WindowActivate)
            deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevasto
