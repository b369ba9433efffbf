#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

namespace brevasto {

// A text label that reports a click of the left mouse button released over it.
class Label : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture control: draws its picture at natural size from its top-left corner,
// uncropped and unscaled, and reports clicks anywhere on its rectangle. The picture is
// named by a file or resource path and made by the registered picture kind for its
// extension; without such a kind the control stays empty.
class Image : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    using QWidget::QWidget;

    QString picture() const { return m_source; }
    void setPicture(const QString &source);
    const QImage &image() const { return m_image; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_source;
    QImage m_image;
};

// A panel with a double edge, each line one pixel wide: a raised bevel outside
// (light above and left, shadow below and right) and a lowered one inside it.
class Panel : public QFrame
{
    Q_OBJECT

public:
    explicit Panel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace brevasto
