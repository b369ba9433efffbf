#include "Controls.h"

#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevasto {

namespace {

bool IsClick(const QWidget *widget, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

} // namespace

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (IsClick(this, event))
        emit clicked();
}

void Image::setPicture(const QString &source)
{
    m_source = source;
    m_image = PictureKinds::Load(source);
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (IsClick(this, event))
        emit clicked();
}

Panel::Panel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void Panel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const auto bevel = [&painter](QRect r, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(rect(), light, shadow);
    bevel(rect().adjusted(1, 1, -1, -1), shadow, light);
}

} // namespace brevasto
