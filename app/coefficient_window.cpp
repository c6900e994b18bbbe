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

TForm4::TForm4(form::Session& session, MessageSink& sink, QWidget* mainWindow)
    // Without a parent: a child window would be disabled together with the main
    // window it has to stand in for.
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), sink_(sink), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("係数等の定義"));
    setFont(dialog_font());
    setFixedSize(kWidth, kHeight);
    build();
    read_state();
}

void TForm4::build() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(10, 8, 10, 8);
    root->setSpacing(6);

    auto* method = new QGroupBox(QStringLiteral("計算の方法"));
    auto* methodLayout = new QHBoxLayout(method);
    RadioButton3_ = radio("RadioButton3", QStringLiteral("告示第1458号及び積雪量より計算する"),
                          QStringLiteral("平成12年建設省告示第1458号、垂直積雪量より計算します"));
    RadioButton4_ = radio("RadioButton4", QStringLiteral("風・雪荷重値を直接入力する"),
                          QStringLiteral("別途算出した風荷重・雪荷重値を使用します。"));
    methodLayout->addWidget(RadioButton3_);
    methodLayout->addWidget(RadioButton4_);
    methodLayout->addStretch();
    root->addWidget(method);

    auto* ratios = new QGroupBox(QStringLiteral(" 荷重の比率 "));
    auto* ratiosLayout = new QVBoxLayout(ratios);
    ratiosLayout->setSpacing(4);
    ratiosLayout->addWidget(
        new QLabel(QStringLiteral("Ｇ:固定荷重/Ｐ:積載荷重/Ｓ:積雪荷重/Ｗ:風荷重")));
    const QString areaTitles[2] = {QStringLiteral(" 一般の場合 "), QStringLiteral(" 多 雪 区 域 ")};
    for (int area = 0; area < 2; ++area) {
        auto* group = new QGroupBox(areaTitles[area]);
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
                auto* letterLabel = new QLabel(letter);
                letterLabel->setFixedWidth(kLetterWidth);
                grid->addWidget(letterLabel, row, 2 + 2 * k);
            }
        }
        grid->setColumnStretch(9, 1);
        ratiosLayout->addWidget(group);
    }
    // The notes stand under the P column.
    auto* notes = new QHBoxLayout;
    notes->addSpacing(8 + kRowLabelWidth + kEditWidth + kLetterWidth + 16);
    notes->addWidget(new QLabel(QStringLiteral("積載荷重Ｐは入力不可")));
    notes->addSpacing(12);
    notes->addWidget(new QLabel(QStringLiteral("Ｇと同値")));
    notes->addStretch();
    ratiosLayout->addLayout(notes);
    root->addWidget(ratios);

    auto* lower = new QHBoxLayout;
    auto* strength = new QGroupBox(QStringLiteral("デッキプレート設計基準強度 Ｆ"));
    auto* strengthLayout = new QHBoxLayout(strength);
    RadioButton1_ = radio("RadioButton1", QStringLiteral("205 N/m㎡"), kStrengthHint);
    RadioButton2_ = radio("RadioButton2", QStringLiteral("235 N/m㎡"), kStrengthHint);
    strengthLayout->addWidget(RadioButton1_);
    strengthLayout->addWidget(RadioButton2_);
    strengthLayout->addStretch();
    lower->addWidget(strength, 1);

    auto* length = new QGroupBox(QStringLiteral("デッキプレート最大長さ"));
    auto* lengthLayout = new QHBoxLayout(length);
    CSpinEdit1_ = new QSpinBox;
    CSpinEdit1_->setObjectName(QStringLiteral("CSpinEdit1"));
    CSpinEdit1_->setRange(persist::kMaxDeckLengthMin, persist::kMaxDeckLengthMax);
    CSpinEdit1_->setSingleStep(persist::kMaxDeckLengthStep);
    CSpinEdit1_->setToolTip(QStringLiteral("規定値12ｍ"));
    CSpinEdit1_->setMinimumWidth(90);
    lengthLayout->addWidget(CSpinEdit1_);
    lengthLayout->addWidget(new QLabel(QStringLiteral("mm")));
    lengthLayout->addStretch();
    lower->addWidget(length, 1);
    root->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const QStyle* s = style();
    auto* set = button("BitBtn2", QStringLiteral("  設    定"), QStringLiteral("設定終了"),
                       QStyle::SP_DialogApplyButton, s);
    auto* cancel = button("BitBtn1", QStringLiteral(" キャンセル"),
                          QStringLiteral("設定を破棄します"), QStyle::SP_DialogCancelButton, s);
    auto* reset = button("BitBtn3", QStringLiteral("初期値へ戻す"),
                         QStringLiteral("建築基準法施行令に定められた値に設定します"),
                         QStyle::SP_BrowserReload, s);
    buttons->addWidget(set);
    buttons->addWidget(cancel);
    buttons->addWidget(reset);
    root->addLayout(buttons);

    connect(set, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connect(cancel, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(reset, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
    for (QRadioButton* r : {RadioButton1_, RadioButton2_, RadioButton3_, RadioButton4_})
        connect(r, &QRadioButton::toggled, this, &TForm4::radios_toggled);
    connect(CSpinEdit1_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.coefficientDialog.CSpinEdit1 = value; });
}

void TForm4::read_state() {
    const persist::CoefficientDialog& d = session_.coefficientDialog;
    reading_ = true;
    for (int i = 0; i < persist::kRatioEditCount; ++i) ratioEdits_[i]->setText(qs(d.ratioEdits[i]));
    (d.RadioButton1 ? RadioButton1_ : RadioButton2_)->setChecked(true);
    (d.RadioButton3 ? RadioButton3_ : RadioButton4_)->setChecked(true);
    CSpinEdit1_->setValue(d.CSpinEdit1);
    reading_ = false;
    for (QRadioButton* r : {RadioButton1_, RadioButton2_, RadioButton3_, RadioButton4_})
        apply_radio_highlight(r, r->isChecked());
}

void TForm4::show_coefficient_dialog() {
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

void TForm4::ratio_edited(int index) {
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

void TForm4::radios_toggled() {
    if (reading_) return;
    persist::CoefficientDialog& d = session_.coefficientDialog;
    d.RadioButton1 = RadioButton1_->isChecked();
    d.RadioButton2 = RadioButton2_->isChecked();
    d.RadioButton3 = RadioButton3_->isChecked();
    d.RadioButton4 = RadioButton4_->isChecked();
    for (QRadioButton* r : {RadioButton1_, RadioButton2_, RadioButton3_, RadioButton4_})
        apply_radio_highlight(r, r->isChecked());
}

void TForm4::BitBtn2Click() {
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

void TForm4::BitBtn1Click() {
    form::coefficient_cancel(session_);
    read_state();
    finish();
}

void TForm4::BitBtn3Click() {
    persist::reset_to_standard(session_.coefficientDialog);
    read_state();
}

void TForm4::finish() {
    session_.coefficientDialog.visible = false;
    hide();
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
        mainWindow_->activateWindow();
    }
}

void TForm4::closeEvent(QCloseEvent* event) {
    // Hidden by Set or Cancel already, or closed with the program.
    if (!session_.coefficientDialog.visible) {
        event->accept();
        return;
    }
    event->ignore();
    BitBtn1Click();
}

void TForm4::reject() {
    BitBtn1Click();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
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
