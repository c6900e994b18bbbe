#include "app/usage_notice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "form/usage_terms.h"

namespace korvex::app {

namespace {

const QColor kBandColour(99, 69, 24);

QFont notice_font(int pixels, bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* band_label(const QString& text, const QFont& font) {
    auto* label = new QLabel(text);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

UsageNotice::UsageNotice(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      termsText_(new QTextEdit) {
    setObjectName(QStringLiteral("UsageNotice"));
    setWindowTitle(QStringLiteral("ご確認下さい"));
    setFixedSize(404, 305);
    setFont(notice_font(12));

    auto* band = new QWidget;
    band->setObjectName(QStringLiteral("headingBand"));
    band->setAutoFillBackground(true);
    QPalette band_palette = band->palette();
    band_palette.setColor(QPalette::Window, kBandColour);
    band->setPalette(band_palette);
    auto* band_layout = new QVBoxLayout(band);
    band_layout->setContentsMargins(12, 6, 12, 6);
    band_layout->setSpacing(2);
    auto* heading =
        band_label(QStringLiteral("「Korvex for wood」のご利用について"), notice_font(15, true));
    heading->setObjectName(QStringLiteral("headingLabel"));
    band_layout->addWidget(heading);
    band_layout->addWidget(band_label(
        QStringLiteral("デッキプレート屋根（木造梁）の構造計算プログラム"), notice_font(11)));

    termsText_->setObjectName(QStringLiteral("termsText"));
    termsText_->setReadOnly(true);
    termsText_->setLineWrapMode(QTextEdit::NoWrap);
    termsText_->setFont(notice_font(11));
    QTextCursor cursor(termsText_->document());
    bool first = true;
    for (const char* line : form::kUsageTerms) {
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(QString::fromUtf8(line));
    }
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(QStringLiteral("以上"));
    termsText_->moveCursor(QTextCursor::Start);

    auto* confirm = new QPushButton(QStringLiteral("確　認"));
    confirm->setObjectName(QStringLiteral("confirmButton"));
    confirm->setDefault(true);
    confirm->setMinimumWidth(96);
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 8);
    root->setSpacing(6);
    root->addWidget(band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addWidget(termsText_, 1);
    body->addWidget(confirm, 0, Qt::AlignHCenter);
    root->addLayout(body, 1);

    if (!owner) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
}

QString UsageNotice::terms_text() const {
    return termsText_->toPlainText();
}

void show_usage_notice(QWidget* owner) {
    UsageNotice notice(owner);
    notice.exec();
}

} // namespace korvex::app
