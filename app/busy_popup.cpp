#include "app/busy_popup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

namespace korvex::app {

BusyPopup::BusyPopup(const QString& text, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(text, this)) {
    setFixedSize(192, 73);
    setCursor(Qt::WaitCursor);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAutoFillBackground(true);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(16);
    font.setBold(true);
    label_->setFont(font);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, QColor(99, 69, 24));
    palette.setColor(QPalette::WindowText, Qt::white);
    label_->setPalette(palette);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    raise();
    // Painted before the work starts: the work runs on this same thread.
    QApplication::processEvents();
}

BusyPopup::~BusyPopup() {
    QApplication::restoreOverrideCursor();
}

} // namespace korvex::app
