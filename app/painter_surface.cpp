#include "app/painter_surface.h"

#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPen>

#include "app/report_fonts.h"

namespace korvex::app {

namespace {

QColor qt_color(report::Color c) {
    return QColor::fromRgb(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF);
}

QPointF qt_point(report::Point p) {
    return QPointF(p.x, p.y);
}

// Dash patterns in points, the lengths a desktop draws its thin dashed lines
// with on screen; they are scaled to the device so paper shows the same rhythm.
// Qt counts a pen's dashes in widths of the pen.
QList<qreal> dash_pattern(report::PenStyle style, int dpi, int width) {
    QList<qreal> units;
    for (const double length : report::dash_lengths(style, dpi)) units.append(length / width);
    return units;
}

// Angle in degrees, counterclockwise from three o'clock, of the point where the
// ray from the ellipse's centre towards `p` meets it, in the ellipse's own
// parameter (the angle QPainter's arcs are given in).
double ellipse_angle(const QRectF& bounds, report::Point p) {
    const QPointF c = bounds.center();
    const double rx = bounds.width() / 2;
    const double ry = bounds.height() / 2;
    if (rx == 0 || ry == 0) return 0;
    return std::atan2(-(p.y - c.y()) / ry, (p.x - c.x()) / rx) * 180.0 / std::numbers::pi;
}

} // namespace

bool PainterSurface::begin(QPaintDevice* device, report::Size page_size) {
    pageSize_ = page_size;
    device_ = device;
    measuredFont_.reset();
    metrics_.reset();
    if (!painter_.begin(device)) return false;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    fontDirty_ = true;
    return true;
}

bool PainterSurface::end() {
    return !painter_.isActive() || painter_.end();
}

void PainterSurface::apply_font() {
    if (!fontDirty_) return;
    painter_.setFont(qt_font(font(), fontDpi_));
    fontDirty_ = false;
}

void PainterSurface::apply_pen() {
    const report::Pen& p = pen();
    const int width = std::max(1, p.width);
    QPen q(qt_color(p.color), width);
    if (p.style == report::PenStyle::solid) {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    } else {
        q.setCapStyle(Qt::FlatCap);
        q.setDashPattern(dash_pattern(p.style, dpi_, width));
    }
    painter_.setPen(q);
    painter_.setBrush(brush().clear ? QBrush(Qt::NoBrush) : QBrush(qt_color(brush().color)));
}

const QFontMetricsF& PainterSurface::metrics_for(const report::Font& font) const {
    if (!metrics_ || measuredFont_ != font) {
        const QFont q = qt_font(font, fontDpi_);
        metrics_.emplace(device_ != nullptr ? QFontMetricsF(q, device_) : QFontMetricsF(q));
        measuredFont_ = font;
    }
    return *metrics_;
}

report::TextMetrics PainterSurface::measure_text(const report::Font& font,
                                                 std::string_view text) const {
    const QFontMetricsF& metrics = metrics_for(font);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(s), metrics.ascent(), metrics.descent()};
}

int PainterSurface::draw_text(report::Point at, std::string_view text) {
    apply_font();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const report::TextMetrics metrics = text_metrics(font(), text);
    const int advance = static_cast<int>(std::lround(metrics.advance));
    const int ascent = static_cast<int>(std::lround(metrics.ascent));
    if (!brush().clear) {
        const int height = static_cast<int>(std::lround(metrics.height()));
        painter_.fillRect(QRect(at.x, at.y, advance, height), qt_color(brush().color));
    }
    painter_.setPen(qt_color(font().color));
    painter_.drawText(QPointF(at.x, at.y + ascent), s);
    return advance;
}

void PainterSurface::draw_line(report::Point from, report::Point to) {
    apply_pen();
    painter_.drawLine(qt_point(from), qt_point(to));
}

void PainterSurface::draw_rectangle(const report::Rect& r) {
    apply_pen();
    painter_.drawRect(QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void PainterSurface::draw_arc(const report::Rect& r, report::Point start, report::Point end) {
    apply_pen();
    const QRectF bounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const double from = ellipse_angle(bounds, start);
    double span = ellipse_angle(bounds, end) - from;
    while (span <= 0) span += 360; // the same ray twice gives the whole ellipse
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(bounds, static_cast<int>(std::lround(from * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void PainterSurface::draw_fill(const report::Rect& r, report::Color color) {
    painter_.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), qt_color(color));
}

} // namespace korvex::app
