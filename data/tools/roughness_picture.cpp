// The four terrain roughness categories side by side: from open flat land by the
// sea (I) to a densely built city (IV).

#include "pictures.h"

#include <QPainterPath>

#include "drawing_kit.h"

namespace korvex::pictures {

namespace {

constexpr double kCellWidth = kRoughnessWidth / 2.0;
constexpr double kCellHeight = kRoughnessHeight / 2.0;
constexpr double kGroundOffset = 40; // ground line from the cell's top

const QColor kTree(60, 130, 60);
const QColor kHouse(120, 90, 70);
const QColor kSea(40, 110, 190);

void tree(QPainter& p, double x, double groundY, double size) {
    p.setPen(QPen(kGround, 1));
    p.drawLine(QPointF(x, groundY), QPointF(x, groundY - size));
    p.setPen(Qt::NoPen);
    p.setBrush(kTree);
    p.drawEllipse(QPointF(x, groundY - size), size * 0.45, size * 0.5);
    p.setBrush(Qt::NoBrush);
}

void house(QPainter& p, double x, double groundY, double width, double height) {
    QPainterPath path(QPointF(x, groundY));
    path.lineTo(x, groundY - height);
    path.lineTo(x + width / 2, groundY - height - width * 0.35);
    path.lineTo(x + width, groundY - height);
    path.lineTo(x + width, groundY);
    p.setPen(QPen(kHouse, 1));
    p.setBrush(QColor(236, 226, 210));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

void tower(QPainter& p, double x, double groundY, double width, double height) {
    p.setPen(QPen(kWall, 1));
    p.setBrush(QColor(215, 218, 225));
    p.drawRect(QRectF(x, groundY - height, width, height));
    p.setPen(QPen(kWall, 0.6));
    for (double y = groundY - height + 3; y < groundY - 2; y += 4)
        p.drawLine(QPointF(x + 2, y), QPointF(x + width - 2, y));
    p.setBrush(Qt::NoBrush);
}

void waves(QPainter& p, double left, double right, double y) {
    p.setPen(QPen(kSea, 1));
    for (double row = 0; row < 2; ++row) {
        QPainterPath path(QPointF(left, y - 3 - row * 4));
        for (double x = left; x < right; x += 8)
            path.quadTo(QPointF(x + 2, y - 6 - row * 4), QPointF(x + 4, y - 3 - row * 4)),
                path.quadTo(QPointF(x + 6, y - row * 4), QPointF(x + 8, y - 3 - row * 4));
        p.drawPath(path);
    }
}

void caption(QPainter& p, const QPointF& cell, const QString& numeral, const QString& text) {
    label(p, numeral, cell + QPointF(10, 9), 12, true);
    label(p, text, cell + QPointF(56, 9), 10, false, QColor(70, 70, 70));
}

} // namespace

QImage roughness_categories() {
    QImage image = blank_picture(kRoughnessWidth, kRoughnessHeight);
    QPainter p;
    begin(p, image);
    const QPointF cells[4] = {{0, 0}, {kCellWidth, 0}, {0, kCellHeight}, {kCellWidth, kCellHeight}};
    const auto groundY = [&](int i) { return cells[i].y() + kGroundOffset; };

    caption(p, cells[0], QStringLiteral("Ⅰ"), QStringLiteral("海岸・平坦地"));
    waves(p, cells[0].x() + 6, cells[0].x() + 50, groundY(0));
    ground(p, cells[0].x() + 50, cells[0].x() + kCellWidth - 6, groundY(0));

    caption(p, cells[1], QStringLiteral("Ⅱ"), QStringLiteral("田園・草原"));
    ground(p, cells[1].x() + 6, cells[1].x() + kCellWidth - 6, groundY(1));
    tree(p, cells[1].x() + 28, groundY(1), 8);
    house(p, cells[1].x() + 52, groundY(1), 12, 6);
    tree(p, cells[1].x() + 78, groundY(1), 7);

    caption(p, cells[2], QStringLiteral("Ⅲ"), QStringLiteral("住宅地・樹木"));
    ground(p, cells[2].x() + 6, cells[2].x() + kCellWidth - 6, groundY(2));
    for (int i = 0; i < 5; ++i) {
        house(p, cells[2].x() + 8 + 16 * i, groundY(2), 12, 8 + (i % 2) * 4);
        tree(p, cells[2].x() + 22 + 16 * i, groundY(2), 9);
    }

    caption(p, cells[3], QStringLiteral("Ⅳ"), QStringLiteral("高層市街地"));
    ground(p, cells[3].x() + 6, cells[3].x() + kCellWidth - 6, groundY(3));
    const double heights[] = {16, 22, 13, 20, 15, 18};
    for (int i = 0; i < 6; ++i) tower(p, cells[3].x() + 9 + 13 * i, groundY(3), 12, heights[i]);

    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.drawLine(QPointF(kCellWidth, 2), QPointF(kCellWidth, kRoughnessHeight - 2));
    p.drawLine(QPointF(2, kCellHeight), QPointF(kRoughnessWidth - 2, kCellHeight));
    p.end();
    return image;
}

} // namespace korvex::pictures
