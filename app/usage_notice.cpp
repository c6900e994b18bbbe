#include "app/usage_notice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "form/dialog_layouts.h"

namespace korvex::app {

namespace {

const QColor kBandColour(99, 69, 24);

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

const form::DialogLayout& dialog() {
    return form::usage_notice_layout();
}

const form::DialogItem& item(std::string_view name) {
    return form::dialog_item(dialog(), name);
}

QFont notice_font(int pixels, bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* band_label(const form::DialogItem& entry) {
    auto* label = new QLabel(qs(entry.text));
    label->setObjectName(qs(entry.name));
    label->setFont(notice_font(entry.fontPixels, entry.bold));
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
    setObjectName(qs(dialog().name));
    setWindowTitle(qs(dialog().title));
    setFixedSize(dialog().width, dialog().height);
    setFont(notice_font(dialog().fontPixels));

    auto* band = new QWidget;
    band->setObjectName(qs(item("headingBand").name));
    band->setAutoFillBackground(true);
    QPalette band_palette = band->palette();
    band_palette.setColor(QPalette::Window, kBandColour);
    band->setPalette(band_palette);
    auto* band_layout = new QVBoxLayout(band);
    band_layout->setContentsMargins(12, 6, 12, 6);
    band_layout->setSpacing(2);
    for (const form::DialogItem* entry : form::dialog_children(dialog(), "headingBand"))
        band_layout->addWidget(band_label(*entry));

    const form::DialogItem& terms = item("termsText");
    termsText_->setObjectName(qs(terms.name));
    termsText_->setReadOnly(true);
    termsText_->setLineWrapMode(QTextEdit::NoWrap);
    termsText_->setFont(notice_font(terms.fontPixels));
    QTextCursor cursor(termsText_->document());
    bool first = true;
    for (const QString& line : qs(terms.text).split(QLatin1Char('\n'))) {
        if (!first) cursor.insertBlock();
        first = false;
        cursor.insertText(line);
    }
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(qs(item("closingLabel").text));
    termsText_->moveCursor(QTextCursor::Start);

    const form::DialogItem& confirm_item = item("confirmButton");
    auto* confirm = new QPushButton(qs(confirm_item.text));
    confirm->setObjectName(qs(confirm_item.name));
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
