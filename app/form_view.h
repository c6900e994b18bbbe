#pragma once

// Showing the input form's controls in widgets. Each function puts what one
// control of the form holds into its widget and nothing more: the window calls
// them after every behaviour, with the widgets' signals blocked.

#include <string>

#include <QColor>
#include <QFont>
#include <QSpinBox>

#include "form/controls.h"
#include "form/window_layout.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvex::app {

inline const QColor kFormBackground(239, 235, 231);
inline const QColor kTitleBand(99, 69, 24);
using form::kFormFontPixels;

// The window's Japanese text face at its pixel size.
QFont form_font(int pixels = kFormFontPixels, bool bold = false);

QColor to_qcolor(const form::Rgb& rgb);

// An integer spin edit whose text, when it is no integer on leaving, becomes the
// edit's minimum (and so its value), the way the form reads such a text.
class FormSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    // The edit line that takes the keys, for the key filter.
    QWidget* editor() const;

protected:
    void fixup(QString& input) const override;
};

// The tooltip is the short part of the hint; the status bar shows the long part.
void show_hint_tooltip(QWidget& widget, const std::string& hint);

void show_edit(QLineEdit& widget, const form::Edit& edit);
void show_spin(FormSpinEdit& widget, const form::SpinEdit& spin);
void show_combo(QComboBox& widget, const form::ComboBox& combo);
void show_radio(QRadioButton& widget, const form::RadioButton& radio);
void show_check(QCheckBox& widget, const form::CheckBox& check);
void show_label(QLabel& widget, const form::Label& label);
void show_group(QGroupBox& widget, const form::GroupBox& group);
void show_button(QPushButton& widget, const form::Button& button);
// A panel keeps its left and width; its top, height and visibility are the form's.
void show_panel(QWidget& widget, const form::Panel& panel);

} // namespace korvex::app
