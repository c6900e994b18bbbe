#include "app/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "form/hints.h"

namespace korvex::app {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

void show_text_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

} // namespace

QFont form_font(int pixels, bool bold) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QColor to_qcolor(const form::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QWidget* FormSpinEdit::editor() const {
    return lineEdit();
}

void FormSpinEdit::fixup(QString& input) const {
    bool is_number = false;
    input.trimmed().toInt(&is_number);
    if (!is_number) input = QString::number(minimum());
}

void show_hint_tooltip(QWidget& widget, const std::string& hint) {
    const QString tip = qt(form::hint_short(hint));
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

void show_edit(QLineEdit& widget, const form::Edit& edit) {
    // Setting the same text again would move the cursor while the user types.
    if (widget.text() != qt(edit.text)) widget.setText(qt(edit.text));
    widget.setEnabled(edit.enabled);
    widget.setVisible(edit.visible);
    show_hint_tooltip(widget, edit.hint);
}

void show_spin(FormSpinEdit& widget, const form::SpinEdit& spin) {
    widget.setRange(spin.minValue, std::max(spin.minValue, spin.maxValue));
    widget.setSingleStep(spin.increment);
    if (widget.value() != spin.value) widget.setValue(spin.value);
    widget.setEnabled(spin.enabled);
    widget.setVisible(spin.visible);
    show_hint_tooltip(widget, spin.hint);
}

void show_combo(QComboBox& widget, const form::ComboBox& combo) {
    QStringList items;
    for (const auto& item : combo.items) items << qt(item);
    bool same = widget.count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = widget.itemText(i) == items[i];
    if (!same) {
        widget.clear();
        widget.addItems(items);
    }
    if (widget.currentIndex() != combo.itemIndex) widget.setCurrentIndex(combo.itemIndex);
    widget.setEnabled(combo.enabled);
    widget.setVisible(combo.visible);
    show_hint_tooltip(widget, combo.hint);
}

void show_radio(QRadioButton& widget, const form::RadioButton& radio) {
    widget.setText(qt(radio.caption));
    widget.setChecked(radio.checked);
    widget.setEnabled(radio.enabled);
    QFont font = widget.font();
    font.setBold(radio.fontBold);
    widget.setFont(font);
    show_text_colour(widget, to_qcolor(radio.fontColour));
    show_hint_tooltip(widget, radio.hint);
}

void show_check(QCheckBox& widget, const form::CheckBox& check) {
    widget.setText(qt(check.caption));
    widget.setChecked(check.checked);
    widget.setEnabled(check.enabled);
    show_hint_tooltip(widget, check.hint);
}

void show_label(QLabel& widget, const form::Label& label) {
    widget.setText(qt(label.caption));
    show_text_colour(widget, to_qcolor(label.fontColour));
    show_hint_tooltip(widget, label.hint);
}

void show_group(QGroupBox& widget, const form::GroupBox& group) {
    widget.setTitle(qt(group.caption));
    widget.setVisible(group.visible);
}

void show_button(QPushButton& widget, const form::Button& button) {
    widget.setText(qt(button.caption));
    widget.setEnabled(button.enabled);
    show_hint_tooltip(widget, button.hint);
}

void show_panel(QWidget& widget, const form::Panel& panel) {
    widget.setGeometry(widget.x(), panel.top, widget.width(), panel.height);
    widget.setVisible(panel.visible);
}

} // namespace korvex::app
