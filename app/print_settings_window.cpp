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
#include "persist/print_settings_dialog.h"

namespace korvex::app {

namespace {

const QColor kDialogColour(239, 235, 231);
const QColor kSubjectColour(99, 69, 24);
const QColor kSelectedColour(204, 0, 68);

const QColor kDarkGrey(128, 128, 128);

constexpr int kFontPixels = 12;

QFont dialog_font(bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(kFontPixels);
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

QLabel* label_at(QWidget* parent, const QString& text, int x, int y, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setFont(dialog_font(bold));
    label->adjustSize();
    label->move(x, y);
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

const char* const kPositionRadioNames[7] = {
    "noPageNumberRadio", "topLeftRadio",      "topCentreRadio",  "topRightRadio",
    "bottomLeftRadio",   "bottomCentreRadio", "bottomRightRadio"};
const char* const kPositionCaptions[7] = {"無し",  "上-左", "上-中", "上-右",
                                          "下-左", "下-中", "下-右"};

} // namespace

PrintSettingsWindow::PrintSettingsWindow(form::Session& session, QWidget* owner)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), owner_(owner) {
    setObjectName(QStringLiteral("PrintSettingsWindow"));
    setWindowTitle(QStringLiteral("印刷用設定"));
    setFixedSize(466, 185);
    setFont(dialog_font());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kDialogColour);
    setPalette(palette);

    build_subject_row();
    build_position_group();
    build_footer();
    refresh();
}

void PrintSettingsWindow::build_subject_row() {
    label_at(this, QStringLiteral("物件名"), 12, 8, true)
        ->setObjectName(QStringLiteral("subjectLabel"));
    QLabel* limit = label_at(this, QStringLiteral(" [文字数は全角半角共に65以下]"), 60, 8);
    limit->setObjectName(QStringLiteral("subjectLimitLabel"));
    set_text_colour(limit, kDarkGrey);

    subjectEdit_ = new QLineEdit(this);
    subjectEdit_->setObjectName(QStringLiteral("subjectEdit"));
    subjectEdit_->setGeometry(12, 26, 442, 22);
    subjectEdit_->setMaxLength(persist::kSubjectMaxLength);
    subjectEdit_->setToolTip(QStringLiteral("計算書の表題を記述します"));
    QPalette palette = subjectEdit_->palette();
    palette.setColor(QPalette::Base, kSubjectColour);
    palette.setColor(QPalette::Text, Qt::white);
    subjectEdit_->setPalette(palette);
    subjectEdit_->installEventFilter(this);
    connect(subjectEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_.printDialog.subjectEdit = text.toStdString(); });
}

void PrintSettingsWindow::build_position_group() {
    auto* position_group = new QGroupBox(QStringLiteral("ページ番号表示/位置"), this);
    position_group->setObjectName(QStringLiteral("positionGroup"));
    position_group->setFont(dialog_font(true));
    position_group->setGeometry(8, 54, 450, 92);

    // Six of the buttons sit in framed cells, so they need a group of their own
    // to stay exclusive.
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 7; ++i) {
        QWidget* cell = position_group;
        int x = 14;
        int y = 18;
        if (i > 0) {
            auto* frame = new QFrame(position_group);
            frame->setFrameShape(QFrame::Box);
            frame->setFrameShadow(QFrame::Sunken);
            frame->setGeometry(10 + (i - 1) % 3 * 62, i <= 3 ? 40 : 64, 60, 23);
            cell = frame;
            x = 6;
            y = 2;
        }
        auto* radio = new QRadioButton(QString::fromUtf8(kPositionCaptions[i]), cell);
        radio->setObjectName(QString::fromLatin1(kPositionRadioNames[i]));
        radio->setFont(dialog_font());
        radio->setToolTip(i == 0 ? QStringLiteral("ページ番号の記述無し")
                                 : QStringLiteral("ページ番号位置"));
        radio->adjustSize();
        radio->move(x, y);
        group->addButton(radio);
        const report::PageNumberPosition position = report::kPageNumberPositions[i];
        connect(radio, &QRadioButton::clicked, this,
                [this, position] { choose_position(position); });
        radios_[static_cast<std::size_t>(i)] = radio;
    }

    contentGroup_ = new QGroupBox(QStringLiteral("表示内容"), position_group);
    contentGroup_->setObjectName(QStringLiteral("contentGroup"));
    contentGroup_->setFont(dialog_font());
    contentGroup_->setGeometry(210, 12, 230, 74);
    label_at(contentGroup_, QStringLiteral("番号書式"), 12, 23)->setObjectName("numberFormatLabel");
    numberFormatBox_ = new QComboBox(contentGroup_);
    numberFormatBox_->setObjectName(QStringLiteral("numberFormatBox"));
    numberFormatBox_->addItems({QStringLiteral("1,2,3･･･"), QStringLiteral("-1-,-2-,-3-･･･")});
    numberFormatBox_->setGeometry(72, 19, 146, 22);
    connect(numberFormatBox_, &QComboBox::activated, this,
            [this](int index) { session_.printDialog.numberFormatBox = index; });
    label_at(contentGroup_, QStringLiteral("開始番号"), 12, 49)->setObjectName("startNumberLabel");
    startNumberSpin_ = new QSpinBox(contentGroup_);
    startNumberSpin_->setObjectName(QStringLiteral("startNumberSpin"));
    startNumberSpin_->setRange(persist::kStartNumberMin, persist::kStartNumberMax);
    startNumberSpin_->setGeometry(72, 45, 80, 22);
    startNumberSpin_->setInputMethodHints(Qt::ImhDigitsOnly);
    startNumberSpin_->installEventFilter(this);
    connect(startNumberSpin_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.printDialog.startNumberSpin = value; });
}

void PrintSettingsWindow::build_footer() {
    label_at(this, QStringLiteral("物件名が不要な場合、何も入力しないで下さい。"), 12, 150)
        ->setObjectName(QStringLiteral("noSubjectNoteLabel"));
    label_at(this, QStringLiteral("ページ表示位置のキャンセルは無効です。"), 12, 166)
        ->setObjectName(QStringLiteral("positionCancelNoteLabel"));

    auto* set_button = new QPushButton(QStringLiteral("    設　定"), this);
    set_button->setObjectName(QStringLiteral("setButton"));
    set_button->setToolTip(QStringLiteral("設定終了"));
    set_button->setGeometry(286, 152, 82, 27);
    connect(set_button, &QPushButton::clicked, this, &PrintSettingsWindow::confirm);

    auto* cancel_button = new QPushButton(QStringLiteral(" キャンセル"), this);
    cancel_button->setObjectName(QStringLiteral("cancelButton"));
    cancel_button->setToolTip(QStringLiteral("設定を破棄します"));
    cancel_button->setGeometry(374, 152, 82, 27);
    connect(cancel_button, &QPushButton::clicked, this, &PrintSettingsWindow::cancel);

    // Return in the subject box does not close the dialog behind the user's back.
    for (QPushButton* button : {set_button, cancel_button}) button->setAutoDefault(false);
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
        set_text_colour(radios_[i], checked ? kSelectedColour : kHighlightNavy);
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
