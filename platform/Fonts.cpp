#include "Fonts.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace brevasto {

namespace {

class ClassicMetricsStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return 13;
        case PM_RadioButtonLabelSpacing:
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

bool Fits(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        return metrics.horizontalAdvance(label->text()) <= room.width() && metrics.height() <= room.height();
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return label.right() < group->width();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // The room the style leaves for the caption once the circle or the frame is drawn.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton *>(button);
        const QRect room = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        int needed = metrics.horizontalAdvance(QString(button->text()).remove(u'&'));
        if (!radio && !button->icon().isNull())
            needed += button->iconSize().width() + 4;
        return needed <= room.width() && metrics.height() <= room.height();
    }
    return true;
}

void SetFamily(QWidget *window, const QString &family)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (widget != window && !widget->testAttribute(Qt::WA_SetFont))
            continue; // follows its container's font
        QFont font = widget->font();
        font.setFamily(family);
        widget->setFont(font);
    }
}

} // namespace

void ApplyClassicMetrics(QWidget *window)
{
    auto *style = new ClassicMetricsStyle;
    style->setParent(window);
    window->setStyle(style);
    for (QWidget *widget : window->findChildren<QWidget *>())
        widget->setStyle(style);
}

bool CaptionsFit(const QWidget *window)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    return std::all_of(widgets.begin(), widgets.end(), [](const QWidget *w) { return Fits(w); });
}

QString SubstituteMissingFont(QWidget *window, const QString &designed, const QStringList &substitutes)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(designed, Qt::CaseInsensitive))
        return designed;

    QString chosen;
    for (const QString &family : substitutes) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            continue;
        chosen = family;
        SetFamily(window, family);
        if (CaptionsFit(window))
            return family;
    }
    return chosen.isEmpty() ? window->font().family() : chosen;
}

} // namespace brevasto
