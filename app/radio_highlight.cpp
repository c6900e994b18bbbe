#include "app/radio_highlight.h"

namespace korvex::app {

void apply_radio_highlight(QRadioButton* button, bool selected) {
    QFont font = button->font();
    font.setBold(selected);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, selected ? kHighlightNavy : QColor(Qt::black));
    palette.setColor(QPalette::ButtonText, selected ? kHighlightNavy : QColor(Qt::black));
    button->setPalette(palette);
}

} // namespace korvex::app
