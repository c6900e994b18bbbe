#pragma once

#include <QRadioButton>

namespace korvex::app {

inline const QColor kHighlightNavy(0, 0, 128);

// The chosen button of a radio group is drawn navy and bold so the choice can be
// read at a glance; the others black and regular.
void apply_radio_highlight(QRadioButton* button, bool selected);

} // namespace korvex::app
