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
#include "persist/coefficient_dialog.h"

namespace korvex::app {

namespace {

constexpr int kWidth = 540;
constexpr int kHeight = 450;
constexpr int kAreaRatioCount = 11;
constexpr int kEditWidth = 52;
constexpr int kRowLabelWidth = 96;
constexpr int kLetterWidth = 34;

const QString kRatioHint = QStringLiteral("Ｐは変更不可、ＧとＰは同値に設定しています。");
const QString kStrengthHint =
    QStringLiteral("デッキの基準強度を選択。205N/m㎡がデフォルト値です。");

// The three combinations of one area kind: their label, the index of their first
// ratio and how many loads they combine (the long-term one has no wind).
struct RatioRowLayout {
    const char* label;
    int first;
    int count;
};
constexpr RatioRowLayout kRatioRows[3] = {
    {"長　期", 0, 3}, {"短期 (積雪時)", 3, 4}, {"短期 (暴風時)", 7, 4}};
constexpr const char* kLetters[4] = {"Ｇ", "Ｐ", "Ｓ", "Ｗ"};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QFont dialog_font() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    return font;
}

QRadioButton* radio(const char* name, const QString& caption, const QString& hint) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    return button;
}

QPushButton* button(const char* name, const QString& caption, const QString& hint,
                    QStyle::StandardPixmap glyph, const QStyle* style) {
    auto* b = new QPushButton(style->standardIcon(glyph), caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
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
    setObjectName(QStringLiteral("CoefficientWindow"));
    setWindowTitle(QStringLiteral("係数等の定義"));
    setFont(dialog_font());
    setFixedSize(kWidth, kHeight);
    build();
    read_state();
}

void CoefficientWindow::build() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);

    auto* method = new QGroupBox(QStringLiteral("計算の方法"));
    auto* method_layout = new QHBoxLayout(method);
    derivedLoadsRadio_ =
        radio("derivedLoadsRadio", QStringLiteral("告示第1458号及び積雪量より計算する"),
              QStringLiteral("平成12年建設省告示第1458号、垂直積雪量より計算します"));
    directLoadsRadio_ = radio("directLoadsRadio", QStringLiteral("風・雪荷重値を直接入力する"),
                              QStringLiteral("別途算出した風荷重・雪荷重値を使用します。"));
    method_layout->addWidget(derivedLoadsRadio_);
    method_layout->addWidget(directLoadsRadio_);
    method_layout->addStretch();
    root->addWidget(method);

    auto* ratios = new QGroupBox(QStringLiteral(" 荷重の比率 "));
    auto* ratios_layout = new QVBoxLayout(ratios);
    ratios_layout->setSpacing(4);
    ratios_layout->addWidget(
        new QLabel(QStringLiteral("Ｇ:固定荷重/Ｐ:積載荷重/Ｓ:積雪荷重/Ｗ:風荷重")));
    const QString area_titles[2] = {QStringLiteral(" 一般の場合 "),
                                    QStringLiteral(" 多 雪 区 域 ")};
    for (int area = 0; area < 2; ++area) {
        auto* group = new QGroupBox(area_titles[area]);
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(3);
        grid->setContentsMargins(8, 4, 8, 4);
        for (int row = 0; row < 3; ++row) {
            const RatioRowLayout& layout = kRatioRows[row];
            auto* label = new QLabel(QString::fromUtf8(layout.label));
            label->setFixedWidth(kRowLabelWidth);
            grid->addWidget(label, row, 0);
            for (int k = 0; k < layout.count; ++k) {
                const int index = area * kAreaRatioCount + layout.first + k;
                auto* edit = new QLineEdit;
                edit->setObjectName(qs(persist::ratio_edit_name(index)));
                edit->setMaxLength(8);
                edit->setFixedWidth(kEditWidth);
                edit->setToolTip(kRatioHint);
                // Numbers only: the input method would bypass the key filter.
                edit->setAttribute(Qt::WA_InputMethodEnabled, false);
                edit->installEventFilter(this);
                if (persist::is_p_edit(index)) {
                    edit->setReadOnly(true);
                    edit->setFocusPolicy(Qt::NoFocus);
                    QPalette palette = edit->palette();
                    palette.setColor(QPalette::Base, QColor(232, 232, 232));
                    edit->setPalette(palette);
                }
                connect(edit, &QLineEdit::textChanged, this,
                        [this, index] { ratio_edited(index); });
                ratioEdits_[index] = edit;
                grid->addWidget(edit, row, 1 + 2 * k);
                QString letter = QString::fromUtf8(kLetters[k]);
                if (k + 1 < layout.count) letter += QStringLiteral(" ＋");
                auto* letter_label = new QLabel(letter);
                letter_label->setFixedWidth(kLetterWidth);
                grid->addWidget(letter_label, row, 2 + 2 * k);
            }
        }
        grid->setColumnStretch(9, 1);
        ratios_layout->addWidget(group);
    }
    // The notes stand under the P column.
    auto* notes = new QHBoxLayout;
    notes->addSpacing(8 + kRowLabelWidth + kEditWidth + kLetterWidth + 16);
    notes->addWidget(new QLabel(QStringLiteral("積載荷重Ｐは入力不可")));
    notes->addSpacing(12);
    notes->addWidget(new QLabel(QStringLiteral("Ｇと同値")));
    notes->addStretch();
    ratios_layout->addLayout(notes);
    root->addWidget(ratios);

    auto* lower = new QHBoxLayout;
    auto* strength = new QGroupBox(QStringLiteral("デッキプレート設計基準強度 Ｆ"));
    auto* strength_layout = new QHBoxLayout(strength);
    strength205Radio_ = radio("strength205Radio", QStringLiteral("205 N/m㎡"), kStrengthHint);
    strength235Radio_ = radio("strength235Radio", QStringLiteral("235 N/m㎡"), kStrengthHint);
    strength_layout->addWidget(strength205Radio_);
    strength_layout->addWidget(strength235Radio_);
    strength_layout->addStretch();
    lower->addWidget(strength, 1);

    auto* length = new QGroupBox(QStringLiteral("デッキプレート最大長さ"));
    auto* length_layout = new QHBoxLayout(length);
    maxDeckLengthSpin_ = new QSpinBox;
    maxDeckLengthSpin_->setObjectName(QStringLiteral("maxDeckLengthSpin"));
    maxDeckLengthSpin_->setRange(persist::kMaxDeckLengthMin, persist::kMaxDeckLengthMax);
    maxDeckLengthSpin_->setSingleStep(persist::kMaxDeckLengthStep);
    maxDeckLengthSpin_->setToolTip(QStringLiteral("規定値12ｍ"));
    maxDeckLengthSpin_->setMinimumWidth(90);
    length_layout->addWidget(maxDeckLengthSpin_);
    length_layout->addWidget(new QLabel(QStringLiteral("mm")));
    length_layout->addStretch();
    lower->addWidget(length, 1);
    root->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStyle* s = style();
    auto* set = button("setButton", QStringLiteral("  設    定"), QStringLiteral("設定終了"),
                       QStyle::SP_DialogApplyButton, s);
    auto* cancel = button("cancelButton", QStringLiteral(" キャンセル"),
                          QStringLiteral("設定を破棄します"), QStyle::SP_DialogCancelButton, s);
    auto* reset = button("resetButton", QStringLiteral("初期値へ戻す"),
                         QStringLiteral("建築基準法施行令に定められた値に設定します"),
                         QStyle::SP_BrowserReload, s);
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
