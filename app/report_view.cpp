#include "app/report_view.h"

#include <cmath>

#include <QPaintEvent>
#include <QPainter>

namespace korvex::app {

ReportView::ReportView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void ReportView::set_image(const QImage& image) {
    image_ = image;
    pixmap_ = {};
    setFixedSize(image_.deviceIndependentSize().toSize());
    update();
}

void ReportView::clear() {
    image_ = {};
    pixmap_ = {};
    update();
}

const QPixmap& ReportView::pixmap_for(qreal ratio) {
    if (!pixmap_.isNull() && qFuzzyCompare(pixmap_.devicePixelRatio(), ratio)) return pixmap_;
    if (qFuzzyCompare(image_.devicePixelRatio(), ratio)) {
        pixmap_ = QPixmap::fromImage(image_);
    } else {
        const QSizeF logical = image_.deviceIndependentSize();
        QImage scaled = image_.scaled(static_cast<int>(std::lround(logical.width() * ratio)),
                                      static_cast<int>(std::lround(logical.height() * ratio)),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        pixmap_ = QPixmap::fromImage(scaled);
    }
    return pixmap_;
}

void ReportView::paintEvent(QPaintEvent* event) {
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawPixmap(QPoint(0, 0), pixmap_for(devicePixelRatioF()));
}

} // namespace korvex::app
