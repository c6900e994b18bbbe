// Side views of the four roof types with the heights H1 (eave) and H2 (top)
// and the length D across the span direction, as the height fields ask for.

#include "pictures.h"

#include <QPainterPath>

#include "drawing_kit.h"

namespace korvex::pictures {

namespace {

constexpr double kGroundY = 50;
constexpr double kLeft = 74;
constexpr double kRight = 188;
constexpr double kEaveY = 27;
constexpr double kTopY = 9;

void extension(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(QColor(150, 150, 150), 0.7, Qt::DashLine));
    p.drawLine(from, to);
}

// D under the ground from `spanFrom` to the right wall, H2 on the left to the top,
// H1 on the right to the eave.
void dimensions(QPainter& p, double topX, double eaveX, double spanFrom = kLeft) {
    const double h2x = kLeft - 16;
    const double h1x = kRight + 16;
    extension(p, QPointF(topX, kTopY), QPointF(h2x - 3, kTopY));
    extension(p, QPointF(eaveX, kEaveY), QPointF(h1x + 3, kEaveY));
    dimension(p, QPointF(h2x, kGroundY), QPointF(h2x, kTopY), QStringLiteral("H2"),
              QPointF(h2x - 13, (kGroundY + kTopY) / 2));
    dimension(p, QPointF(h1x, kGroundY), QPointF(h1x, kEaveY), QStringLiteral("H1"),
              QPointF(h1x + 13, (kGroundY + kEaveY) / 2));
    dimension(p, QPointF(spanFrom, 59), QPointF(kRight, 59), QStringLiteral("D"),
              QPointF(kRight + 10, 59));
}

void walls(QPainter& p, double leftTop, double rightTop) {
    p.setPen(QPen(kWall, 2));
    p.drawLine(QPointF(kLeft, kGroundY), QPointF(kLeft, leftTop));
    p.drawLine(QPointF(kRight, kGroundY), QPointF(kRight, rightTop));
}

void roof_line(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(kRoof, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QImage finished(QImage& image, QPainter& p) {
    ground(p, 30, 240, kGroundY);
    p.end();
    return image;
}

} // namespace

QImage shed_roof() {
    QImage image = blank_picture(kRoofWidth, kRoofHeight);
    QPainter p;
    begin(p, image);
    walls(p, kTopY, kEaveY);
    QPainterPath roof(QPointF(kLeft - 5, kTopY - 0.8));
    roof.lineTo(kRight + 5, kEaveY + 0.8);
    roof_line(p, roof);
    dimensions(p, kLeft, kRight);
    return finished(image, p);
}

QImage gable_roof() {
    QImage image = blank_picture(kRoofWidth, kRoofHeight);
    QPainter p;
    begin(p, image);
    walls(p, kEaveY, kEaveY);
    const double ridge = (kLeft + kRight) / 2;
    QPainterPath roof(QPointF(kLeft - 5, kEaveY + 1.6));
    roof.lineTo(ridge, kTopY);
    roof.lineTo(kRight + 5, kEaveY + 1.6);
    roof_line(p, roof);
    // The pitch is taken over D, so for a gable D runs from the eave to the ridge.
    extension(p, QPointF(ridge, kTopY), QPointF(ridge, 59));
    dimensions(p, ridge, kRight, ridge);
    return finished(image, p);
}

QImage circular_arc_roof() {
    QImage image = blank_picture(kRoofWidth, kRoofHeight);
    QPainter p;
    begin(p, image);
    walls(p, kEaveY, kEaveY);
    const double crown = (kLeft + kRight) / 2;
    QPainterPath roof(QPointF(kLeft - 3, kEaveY + 1.5));
    // A quadratic through the eaves whose top lies at kTopY.
    roof.quadTo(QPointF(crown, 2 * kTopY - kEaveY), QPointF(kRight + 3, kEaveY + 1.5));
    roof_line(p, roof);
    dimensions(p, crown, kRight);
    return finished(image, p);
}

QImage independent_roof() {
    QImage image = blank_picture(kRoofWidth, kRoofHeight);
    QPainter p;
    begin(p, image);
    // A roof on posts, open on every side.
    p.setPen(QPen(kWall, 2.2));
    for (const double x : {kLeft + 10, kRight - 10})
        p.drawLine(QPointF(x, kGroundY), QPointF(x, kEaveY + 3));
    const double ridge = (kLeft + kRight) / 2;
    p.drawLine(QPointF(ridge, kGroundY), QPointF(ridge, kTopY + 2));
    QPainterPath roof(QPointF(kLeft, kEaveY));
    roof.lineTo(ridge, kTopY);
    roof.lineTo(kRight, kEaveY);
    roof_line(p, roof);
    dimensions(p, ridge, kRight);
    return finished(image, p);
}

} // namespace korvex::pictures
