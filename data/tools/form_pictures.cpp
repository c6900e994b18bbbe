// Sections of the building forms with the wind from the left: closed, open on
// the windward side (the wind blows in and lifts the roof from below), open on
// the leeward side (the inside is drawn out); and the two roof shapes of a
// free-standing canopy.

#include "pictures.h"

#include <QPainterPath>

#include "drawing_kit.h"

namespace korvex::pictures {

namespace {

constexpr double kGroundY = 52;
constexpr double kLeft = 104;
constexpr double kRight = 214;
constexpr double kEaveY = 24;
constexpr double kRidgeY = 11;
constexpr double kOpeningTop = 32; // an open wall keeps only its top

void roof(QPainter& p, double left, double apexX, double right, double eaveY, double apexY) {
    QPainterPath path(QPointF(left, eaveY));
    path.lineTo(apexX, apexY);
    path.lineTo(right, eaveY);
    p.setPen(QPen(kRoof, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void wall(QPainter& p, double x, bool open) {
    p.setPen(QPen(kWall, 2.2));
    if (!open) {
        p.drawLine(QPointF(x, kGroundY), QPointF(x, kEaveY));
        return;
    }
    p.drawLine(QPointF(x, kOpeningTop), QPointF(x, kEaveY));
    p.setPen(QPen(kWall, 0.8, Qt::DotLine));
    p.drawLine(QPointF(x, kGroundY), QPointF(x, kOpeningTop));
}

QImage building(bool windwardOpen, bool leewardOpen) {
    QImage image = blank_picture(kFormWidth, kFormHeight);
    QPainter p;
    begin(p, image);
    wall(p, kLeft, windwardOpen);
    wall(p, kRight, leewardOpen);
    roof(p, kLeft - 6, (kLeft + kRight) / 2, kRight + 6, kEaveY + 1, kRidgeY);
    wind_from_left(p, kLeft - 10, 22, 48);

    const double inside = (kLeft + kRight) / 2;
    if (windwardOpen) {
        // The wind enters and presses the roof up from inside.
        arrow(p, QPointF(kLeft - 8, 44), QPointF(kLeft + 26, 44), kWind);
        for (const double x : {inside - 22, inside + 22})
            arrow(p, QPointF(x, 44), QPointF(x, kEaveY + 6), kWind, 1.3);
    }
    if (leewardOpen) {
        // The air inside is drawn out on the lee side.
        arrow(p, QPointF(kRight - 22, 44), QPointF(kRight + 24, 44), kWind);
        for (const double x : {inside - 22, inside + 22})
            arrow(p, QPointF(x, kEaveY + 6), QPointF(x, 42), kWind, 1.3);
    }
    ground(p, 20, 250, kGroundY);
    p.end();
    return image;
}

QImage canopy(bool wing) {
    QImage image = blank_picture(kFormWidth, kFormHeight);
    QPainter p;
    begin(p, image);
    const double middle = (kLeft + kRight) / 2;
    p.setPen(QPen(kWall, 2.2));
    if (wing) {
        // One post in the middle; the roof rises to both sides like wings.
        p.drawLine(QPointF(middle, kGroundY), QPointF(middle, kEaveY + 2));
        roof(p, kLeft - 8, middle, kRight + 8, kRidgeY, kEaveY + 2);
    } else {
        for (const double x : {kLeft + 8, kRight - 8})
            p.drawLine(QPointF(x, kGroundY), QPointF(x, kEaveY - 1));
        roof(p, kLeft - 8, middle, kRight + 8, kEaveY + 3, kRidgeY);
    }
    wind_from_left(p, kLeft - 14, 16, 46);
    ground(p, 20, 250, kGroundY);
    p.end();
    return image;
}

} // namespace

QImage closed_building() {
    return building(false, false);
}

QImage windward_open_building() {
    return building(true, false);
}

QImage leeward_open_building() {
    return building(false, true);
}

QImage gable_canopy() {
    return canopy(false);
}

QImage wing_canopy() {
    return canopy(true);
}

} // namespace korvex::pictures
