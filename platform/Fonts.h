#pragma once

#include <QStringList>

class QWidget;

namespace brevasto {

// Gives the window and all its controls the classic metrics the layout was designed
// with: a radio circle of 13 pixels and 4 pixels between it and the caption.
void ApplyClassicMetrics(QWidget *window);

// True when every caption of the window's labels, buttons and frames is shown whole
// in its control with the control's present font.
bool CaptionsFit(const QWidget *window);

// The window is designed for `designed`. Where that family is not installed, every font
// of the window takes the first of `substitutes` that is installed and leaves every
// caption whole (the last installed one when none does). Sizes, weights and colours stay.
// Returns the family now in use.
QString SubstituteMissingFont(QWidget *window, const QString &designed, const QStringList &substitutes);

} // namespace brevasto
