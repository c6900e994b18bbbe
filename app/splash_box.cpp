#include "app/splash_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/program_icon.h"

namespace korvex::app {

namespace {

const QColor kBrown(99, 69, 24);

QFont splash_font(int pixels, bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* label(const char* name, const QString& text, const QFont& font,
              const QColor& colour = QColor(40, 30, 20)) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

} // namespace

SplashBox::SplashBox(const QString& version, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashBox"));
    setFixedSize(380, 170);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(239, 235, 231));
    setPalette(palette);

    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("frame"));

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(program_icon().pixmap(72, 72));
    icon->setFixedSize(80, 80);
    icon->setAlignment(Qt::AlignCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(
        label("ProductName", QStringLiteral("Korvex  for wood"), splash_font(24, true), kBrown));
    texts->addWidget(
        label("Comments", QStringLiteral("デッキプレート屋根（木造梁）構造計算"), splash_font(12)));
    texts->addWidget(label("Version", QStringLiteral("ver.") + version, splash_font(12)));
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(18, 18, 18, 14);
    inner->addLayout(top, 1);
    inner->addWidget(
        label("Starting", QStringLiteral("プログラムを起動中です ・・・"), splash_font(12)));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(frame);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashBox::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(kBrown, 4));
    painter.drawRect(rect().adjusted(2, 2, -2, -2));
}

} // namespace korvex::app
