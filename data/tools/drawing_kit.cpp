#include "drawing_kit.h"

#include <cmath>

#include <QFont>
#include <QPainterPath>

namespace korvex::pictures {

QImage blank_picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void begin(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

void ground(QPainter& p, double left, double right, double y) {
    p.setPen(QPen(kGround, 1.4));
    p.drawLine(QPointF(left, y), QPointF(right, y));
    p.setPen(QPen(kGround, 0.8));
    for (double x = left + 4; x < right; x += 6) p.drawLine(QPointF(x, y), QPointF(x - 4, y + 4));
}

void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF labelAt) {
    p.setPen(QPen(kDimension, 0.9));
    p.drawLine(a, b);
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0) return;
    const QPointF across(-along.y() / length * 3.5, along.x() / length * 3.5);
    for (const QPointF end : {a, b}) p.drawLine(end - across, end + across);
    label(p, text, labelAt, 10, true, kDimension);
}

void label(QPainter& p, const QString& text, QPointF centre, int pixels, bool bold,
           const QColor& colour) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    const QRectF box(centre.x() - 60, centre.y() - pixels, 120, 2 * pixels);
    p.drawText(box, Qt::AlignCenter, text);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0) return;
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const double head = 3.0 + width * 1.5;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - unit * head * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF tip[3] = {to, to - unit * head + normal * head * 0.55,
                            to - unit * head - normal * head * 0.55};
    p.drawPolygon(tip, 3);
    p.setBrush(Qt::NoBrush);
}

void wind_from_left(QPainter& p, double x, double top, double bottom) {
    const double middle = (top + bottom) / 2;
    for (const double y : {top + 4, middle, bottom - 4})
        arrow(p, QPointF(4, y), QPointF(x, y), kWind);
    label(p, QStringLiteral("風"), QPointF(12, top - 5), 10, true, kWind);
}

} // namespace korvex::pictures
