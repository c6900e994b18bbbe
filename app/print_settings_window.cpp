#include "app/print_settings_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWindow>

#include "app/radio_highlight.h"
#include "form/dialog_layouts.h"
#include "persist/print_settings_dialog.h"

namespace korvex::app {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QColor colour(form::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

const form::DialogLayout& dialog() {
    return form::print_settings_dialog_layout();
}

const form::DialogItem& item(std::string_view name) {
    return form::dialog_item(dialog(), name);
}

QRect rect_of(const form::DialogItem& entry) {
    return {entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height};
}

QFont dialog_font(bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(dialog().fontPixels);
    font.setBold(bold);
    return font;
}

void set_text_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// A label of the table where the table puts it, as wide as its text.
QLabel* label_at(QWidget* parent, std::string_view name) {
    const form::DialogItem& entry = item(name);
    auto* label = new QLabel(qs(entry.text), parent);
    label->setObjectName(qs(entry.name));
    label->setFont(dialog_font(entry.bold));
    label->adjustSize();
    label->move(entry.rect.left, entry.rect.top);
    if (entry.colour != form::kBlack) set_text_colour(label, colour(entry.colour));
    return label;
}

// Backspace and the other control characters reach the box: editing and
// navigation keys stay usable, and the box itself refuses what is not a number.
bool is_typed_character(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) return false;
    const char32_t c = text.toUcs4().value(0);
    return c >= 0x20 && c != 0x7f;
}

} // namespace

PrintSettingsWindow::PrintSettingsWindow(form::Session& session, QWidget* owner)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), owner_(owner) {
    setObjectName(qs(dialog().name));
    setWindowTitle(qs(dialog().title));
    setFixedSize(dialog().width, dialog().height);
    setFont(dialog_font());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour(dialog().background));
    setPalette(palette);

    build_subject_row();
    build_position_group();
    build_footer();
    refresh();
}

void PrintSettingsWindow::build_subject_row() {
    label_at(this, "subjectLabel");
    label_at(this, "subjectLimitLabel");

    const form::DialogItem& subject = item("subjectEdit");
    subjectEdit_ = new QLineEdit(this);
    subjectEdit_->setObjectName(qs(subject.name));
    subjectEdit_->setGeometry(rect_of(subject));
    subjectEdit_->setMaxLength(subject.maxLength);
    subjectEdit_->setToolTip(qs(subject.hint));
    QPalette palette = subjectEdit_->palette();
    palette.setColor(QPalette::Base, colour(subject.fill.value_or(form::Rgb{255, 255, 255})));
    palette.setColor(QPalette::Text, colour(subject.colour));
    subjectEdit_->setPalette(palette);
    subjectEdit_->installEventFilter(this);
    connect(subjectEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_.printDialog.subjectEdit = text.toStdString(); });
}

void PrintSettingsWindow::build_position_group() {
    const form::DialogItem& positions = item("positionGroup");
    auto* position_group = new QGroupBox(qs(positions.text), this);
    position_group->setObjectName(qs(positions.name));
    position_group->setFont(dialog_font(positions.bold));
    position_group->setGeometry(rect_of(positions));

    // Six of the buttons sit in framed cells, so they need a group of their own
    // to stay exclusive.
    auto* group = new QButtonGroup(this);
    std::size_t i = 0;
    for (const form::DialogItem* entry : form::dialog_children(dialog(), positions.name)) {
        if (entry->kind != form::DialogItemKind::radio) continue;
        QWidget* cell = position_group;
        int x = entry->rect.left;
        int y = entry->rect.top;
        if (entry->framed) {
            auto* frame = new QFrame(position_group);
            frame->setFrameShape(QFrame::Box);
            frame->setFrameShadow(QFrame::Sunken);
            frame->setGeometry(rect_of(*entry));
            cell = frame;
            x = form::kFramedCellInsetX;
            y = form::kFramedCellInsetY;
        }
        auto* radio = new QRadioButton(qs(entry->text), cell);
        radio->setObjectName(qs(entry->name));
        radio->setFont(dialog_font());
        radio->setToolTip(qs(entry->hint));
        radio->adjustSize();
        radio->move(x, y);
        group->addButton(radio);
        const report::PageNumberPosition position = report::kPageNumberPositions[i];
        connect(radio, &QRadioButton::clicked, this,
                [this, position] { choose_position(position); });
        radios_[i++] = radio;
    }

    const form::DialogItem& content = item("contentGroup");
    contentGroup_ = new QGroupBox(qs(content.text), position_group);
    contentGroup_->setObjectName(qs(content.name));
    contentGroup_->setFont(dialog_font());
    contentGroup_->setGeometry(rect_of(content));
    label_at(contentGroup_, "numberFormatLabel");
    const form::DialogItem& format = item("numberFormatBox");
    numberFormatBox_ = new QComboBox(contentGroup_);
    numberFormatBox_->setObjectName(qs(format.name));
    for (const std::string& entry : format.items) numberFormatBox_->addItem(qs(entry));
    numberFormatBox_->setGeometry(rect_of(format));
    connect(numberFormatBox_, &QComboBox::activated, this,
            [this](int index) { session_.printDialog.numberFormatBox = index; });
    label_at(contentGroup_, "startNumberLabel");
    const form::DialogItem& start = item("startNumberSpin");
    startNumberSpin_ = new QSpinBox(contentGroup_);
    startNumberSpin_->setObjectName(qs(start.name));
    startNumberSpin_->setRange(start.minValue, start.maxValue);
    startNumberSpin_->setGeometry(rect_of(start));
    startNumberSpin_->setInputMethodHints(Qt::ImhDigitsOnly);
    startNumberSpin_->installEventFilter(this);
    connect(startNumberSpin_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.printDialog.startNumberSpin = value; });
}

void PrintSettingsWindow::build_footer() {
    label_at(this, "noSubjectNoteLabel");
    label_at(this, "positionCancelNoteLabel");

    auto add_button = [this](std::string_view name) {
        const form::DialogItem& entry = item(name);
        auto* button = new QPushButton(qs(entry.text), this);
        button->setObjectName(qs(entry.name));
        button->setToolTip(qs(entry.hint));
        button->setGeometry(rect_of(entry));
        // Return in the subject box does not close the dialog behind the user's back.
        button->setAutoDefault(false);
        return button;
    };
    connect(add_button("setButton"), &QPushButton::clicked, this, &PrintSettingsWindow::confirm);
    connect(add_button("cancelButton"), &QPushButton::clicked, this, &PrintSettingsWindow::cancel);
}

void PrintSettingsWindow::open_dialog() {
    persist::show_print_dialog(session_.printDialog, session_.printSettings);
    refresh();
    // A subject longer than the box allows (from a project file) is kept as the
    // box shows it, so that 設定 stores what the user sees.
    session_.printDialog.subjectEdit = subjectEdit_->text().toStdString();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (owner_) {
        owner_->setEnabled(false);
        if (owner_->windowHandle()) {
            winId();
            windowHandle()->setTransientParent(owner_->windowHandle());
        }
    }
    show();
    raise();
    activateWindow();
    subjectEdit_->setFocus();
}

void PrintSettingsWindow::reject() {
    if (isVisible()) cancel();
}

bool PrintSettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == subjectEdit_ && event->type() == QEvent::MouseButtonPress) {
        click_subject();
    } else if (watched != subjectEdit_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (is_typed_character(key) &&
            !persist::accepts_start_number_key(key.text().toUcs4().value(0)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintSettingsWindow::click_subject() {
    persist::click_subject(session_.printDialog);
    refresh();
}

void PrintSettingsWindow::choose_position(report::PageNumberPosition position) {
    persist::click_position(session_.printDialog, session_.printSettings, position);
    refresh();
}

void PrintSettingsWindow::confirm() {
    persist::confirm_print_dialog(session_.printDialog, session_.printSettings);
    finish(Accepted);
}

void PrintSettingsWindow::cancel() {
    persist::cancel_print_dialog(session_.printDialog, session_.printSettings);
    refresh();
    finish(Rejected);
}

void PrintSettingsWindow::refresh() {
    const persist::PrintSettingsDialog& state = session_.printDialog;
    const QString subject = QString::fromStdString(state.subjectEdit);
    if (subjectEdit_->text() != subject) {
        const QSignalBlocker blocker(subjectEdit_);
        subjectEdit_->setText(subject);
    }
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        const bool checked = report::kPageNumberPositions[i] == state.checkedPosition;
        const QSignalBlocker blocker(radios_[i]);
        radios_[i]->setChecked(checked);
        set_text_colour(radios_[i], checked ? colour(form::kChosenPositionColour) : kHighlightNavy);
    }
    contentGroup_->setEnabled(state.contentGroupEnabled);
    {
        const QSignalBlocker blocker(numberFormatBox_);
        numberFormatBox_->setCurrentIndex(state.numberFormatBox);
    }
    const QSignalBlocker blocker(startNumberSpin_);
    startNumberSpin_->setValue(state.startNumberSpin);
}

void PrintSettingsWindow::finish(DialogCode result) {
    subjectEdit_->setFocus();
    done(result);
    if (owner_) {
        owner_->setEnabled(true);
        owner_->activateWindow();
        owner_->setFocus();
    }
}

} // namespace korvex::app
