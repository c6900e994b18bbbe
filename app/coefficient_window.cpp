#include "app/coefficient_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "app/radio_highlight.h"
#include "form/coefficient_commands.h"
#include "form/dialog_layouts.h"
#include "persist/coefficient_dialog.h"

namespace korvex::app {

namespace {

constexpr int kEditWidth = 52;
constexpr int kRowLabelWidth = 96;
constexpr int kLetterWidth = 34;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

const form::DialogLayout& dialog() {
    return form::coefficient_dialog_layout();
}

const form::DialogItem& item(std::string_view name) {
    return form::dialog_item(dialog(), name);
}

QFont dialog_font() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(dialog().fontPixels);
    return font;
}

QGroupBox* group_box(std::string_view name) {
    auto* box = new QGroupBox(qs(item(name).text));
    box->setObjectName(qs(item(name).name));
    return box;
}

QRadioButton* radio(std::string_view name) {
    const form::DialogItem& entry = item(name);
    auto* button = new QRadioButton(qs(entry.text));
    button->setObjectName(qs(entry.name));
    button->setToolTip(qs(entry.hint));
    return button;
}

QPushButton* button(std::string_view name, QStyle::StandardPixmap glyph, const QStyle* style) {
    const form::DialogItem& entry = item(name);
    auto* b = new QPushButton(style->standardIcon(glyph), qs(entry.text));
    b->setObjectName(qs(entry.name));
    b->setToolTip(qs(entry.hint));
    // Enter in a ratio edit must not set or discard the dialog by surprise.
    b->setAutoDefault(false);
    b->setMinimumWidth(112);
    return b;
}

} // namespace

CoefficientWindow::CoefficientWindow(form::Session& session, MessageSink& sink,
                                     QWidget* main_window)
    // Without a parent: a child window would be disabled together with the main
    // window it has to stand in for.
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), sink_(sink), mainWindow_(main_window) {
    setObjectName(qs(dialog().name));
    setWindowTitle(qs(dialog().title));
    setFont(dialog_font());
    setFixedSize(dialog().width, dialog().height);
    build();
    read_state();
}

void CoefficientWindow::build() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);

    auto* method = group_box("methodGroup");
    auto* method_layout = new QHBoxLayout(method);
    derivedLoadsRadio_ = radio("derivedLoadsRadio");
    directLoadsRadio_ = radio("directLoadsRadio");
    method_layout->addWidget(derivedLoadsRadio_);
    method_layout->addWidget(directLoadsRadio_);
    method_layout->addStretch();
    root->addWidget(method);

    auto* ratios = group_box("ratioGroup");
    auto* ratios_layout = new QVBoxLayout(ratios);
    ratios_layout->setSpacing(4);
    ratios_layout->addWidget(new QLabel(qs(item("ratioLegendLabel").text)));
    for (const form::DialogItem* area : form::dialog_children(dialog(), "ratioGroup")) {
        if (area->kind != form::DialogItemKind::group) continue;
        auto* group = group_box(area->name);
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(3);
        grid->setContentsMargins(8, 4, 8, 4);
        int row = 0;
        for (const form::DialogItem* line : form::dialog_children(dialog(), area->name)) {
            auto* label = new QLabel(qs(line->text));
            label->setFixedWidth(kRowLabelWidth);
            grid->addWidget(label, row, 0);
            int k = 0;
            for (const form::DialogItem* ratio : form::dialog_children(dialog(), line->name)) {
                auto* edit = new QLineEdit;
                edit->setObjectName(qs(ratio->name));
                edit->setMaxLength(ratio->maxLength);
                edit->setFixedWidth(kEditWidth);
                edit->setToolTip(qs(ratio->hint));
                // Numbers only: the input method would bypass the key filter.
                edit->setAttribute(Qt::WA_InputMethodEnabled, false);
                edit->installEventFilter(this);
                if (ratio->readOnly) {
                    edit->setReadOnly(true);
                    edit->setFocusPolicy(Qt::NoFocus);
                    QPalette palette = edit->palette();
                    palette.setColor(QPalette::Base, QColor(232, 232, 232));
                    edit->setPalette(palette);
                }
                const int edit_index = persist::ratio_edit_index(ratio->name);
                connect(edit, &QLineEdit::textChanged, this,
                        [this, edit_index] { ratio_edited(edit_index); });
                ratioEdits_[static_cast<std::size_t>(edit_index)] = edit;
                grid->addWidget(edit, row, 1 + 2 * k);
                auto* letter_label = new QLabel(qs(ratio->after));
                letter_label->setFixedWidth(kLetterWidth);
                grid->addWidget(letter_label, row, 2 + 2 * k);
                ++k;
            }
            ++row;
        }
        grid->setColumnStretch(9, 1);
        ratios_layout->addWidget(group);
    }
    // The notes stand under the P column.
    auto* notes = new QHBoxLayout;
    notes->addSpacing(8 + kRowLabelWidth + kEditWidth + kLetterWidth + 16);
    notes->addWidget(new QLabel(qs(item("pRatioNoteLabel").text)));
    notes->addSpacing(12);
    notes->addWidget(new QLabel(qs(item("sameAsGNoteLabel").text)));
    notes->addStretch();
    ratios_layout->addLayout(notes);
    root->addWidget(ratios);

    auto* lower = new QHBoxLayout;
    auto* strength = group_box("strengthGroup");
    auto* strength_layout = new QHBoxLayout(strength);
    strength205Radio_ = radio("strength205Radio");
    strength235Radio_ = radio("strength235Radio");
    strength_layout->addWidget(strength205Radio_);
    strength_layout->addWidget(strength235Radio_);
    strength_layout->addStretch();
    lower->addWidget(strength, 1);

    auto* length = group_box("maxDeckLengthGroup");
    auto* length_layout = new QHBoxLayout(length);
    const form::DialogItem& spin = item("maxDeckLengthSpin");
    maxDeckLengthSpin_ = new QSpinBox;
    maxDeckLengthSpin_->setObjectName(qs(spin.name));
    maxDeckLengthSpin_->setRange(spin.minValue, spin.maxValue);
    maxDeckLengthSpin_->setSingleStep(spin.step);
    maxDeckLengthSpin_->setToolTip(qs(spin.hint));
    maxDeckLengthSpin_->setMinimumWidth(90);
    length_layout->addWidget(maxDeckLengthSpin_);
    length_layout->addWidget(new QLabel(qs(spin.after)));
    length_layout->addStretch();
    lower->addWidget(length, 1);
    root->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStyle* s = style();
    auto* set = button("setButton", QStyle::SP_DialogApplyButton, s);
    auto* cancel = button("cancelButton", QStyle::SP_DialogCancelButton, s);
    auto* reset = button("resetButton", QStyle::SP_BrowserReload, s);
    buttons->addWidget(set);
    buttons->addWidget(cancel);
    buttons->addWidget(reset);
    root->addLayout(buttons);

    connect(set, &QPushButton::clicked, this, &CoefficientWindow::set_coefficients);
    connect(cancel, &QPushButton::clicked, this, &CoefficientWindow::cancel);
    connect(reset, &QPushButton::clicked, this, &CoefficientWindow::restore_standard_values);
    for (QRadioButton* r :
         {strength205Radio_, strength235Radio_, derivedLoadsRadio_, directLoadsRadio_})
        connect(r, &QRadioButton::toggled, this, &CoefficientWindow::radios_toggled);
    connect(maxDeckLengthSpin_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.coefficientDialog.maxDeckLengthSpin = value; });
}

void CoefficientWindow::read_state() {
    const persist::CoefficientDialog& d = session_.coefficientDialog;
    reading_ = true;
    for (int i = 0; i < persist::kRatioEditCount; ++i) ratioEdits_[i]->setText(qs(d.ratioEdits[i]));
    (d.strength205Radio ? strength205Radio_ : strength235Radio_)->setChecked(true);
    (d.derivedLoadsRadio ? derivedLoadsRadio_ : directLoadsRadio_)->setChecked(true);
    maxDeckLengthSpin_->setValue(d.maxDeckLengthSpin);
    reading_ = false;
    for (QRadioButton* r :
         {strength205Radio_, strength235Radio_, derivedLoadsRadio_, directLoadsRadio_})
        apply_radio_highlight(r, r->isChecked());
}

void CoefficientWindow::show_coefficient_dialog() {
    read_state();
    session_.coefficientDialog.visible = true;
    if (mainWindow_) mainWindow_->setEnabled(false);
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void CoefficientWindow::ratio_edited(int index) {
    if (reading_) return;
    persist::CoefficientDialog& d = session_.coefficientDialog;
    d.ratioEdits[index] = ratioEdits_[index]->text().toStdString();
    persist::mirror_g_to_p(d, index);
    reading_ = true;
    for (int i = 0; i < persist::kRatioEditCount; ++i) {
        if (persist::is_p_edit(i) && ratioEdits_[i]->text() != qs(d.ratioEdits[i]))
            ratioEdits_[i]->setText(qs(d.ratioEdits[i]));
    }
    reading_ = false;
}

void CoefficientWindow::radios_toggled() {
    if (reading_) return;
    persist::CoefficientDialog& d = session_.coefficientDialog;
    d.strength205Radio = strength205Radio_->isChecked();
    d.strength235Radio = strength235Radio_->isChecked();
    d.derivedLoadsRadio = derivedLoadsRadio_->isChecked();
    d.directLoadsRadio = directLoadsRadio_->isChecked();
    for (QRadioButton* r :
         {strength205Radio_, strength235Radio_, derivedLoadsRadio_, directLoadsRadio_})
        apply_radio_highlight(r, r->isChecked());
}

void CoefficientWindow::set_coefficients() {
    if (auto failure = form::coefficient_set(session_)) {
        sink_.show_message(this, qs(failure->message));
        if (failure->editIndex >= 0 && failure->editIndex < persist::kRatioEditCount) {
            QLineEdit* edit = ratioEdits_[failure->editIndex];
            edit->setFocus();
            edit->selectAll();
        }
        return;
    }
    finish();
    emit settings_set();
}

void CoefficientWindow::cancel() {
    form::coefficient_cancel(session_);
    read_state();
    finish();
}

void CoefficientWindow::restore_standard_values() {
    persist::reset_to_standard(session_.coefficientDialog);
    read_state();
}

void CoefficientWindow::finish() {
    session_.coefficientDialog.visible = false;
    hide();
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
        mainWindow_->activateWindow();
    }
}

void CoefficientWindow::closeEvent(QCloseEvent* event) {
    // Hidden by Set or Cancel already, or closed with the program.
    if (!session_.coefficientDialog.visible) {
        event->accept();
        return;
    }
    event->ignore();
    cancel();
}

void CoefficientWindow::reject() {
    cancel();
}

bool CoefficientWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Control characters (backspace, the editing shortcuts) keep their meaning;
        // only typed characters are filtered.
        if (!text.isEmpty()) {
            const char32_t key = text.toUcs4().value(0);
            if (key >= 0x20 && key != 0x7F && !persist::accepts_ratio_key(key)) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvex::app
