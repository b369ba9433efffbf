#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace brevasto {

// Gives a window its designed outer size, frame and title bar included. The frame is the
// window manager's and known only once the window is shown, so the client area is sized
// then: the designed size less the frame, but never smaller than `leastClient`.
class DesignedFrameSize : public QObject
{
    Q_OBJECT

public:
    static void Install(QWidget *window, QSize outer, QSize leastClient);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesignedFrameSize(QWidget *window, QSize outer, QSize leastClient);

    QWidget *m_window;
    QSize m_outer;
    QSize m_leastClient;
};

} // namespace brevasto
