#pragma once

// Pens, arrows, dimension lines and labels shared by the pictures of the data
// folder, so that they read as one set.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace korvex::pictures {

inline const QColor kInk(30, 30, 30);
inline const QColor kRoof(150, 60, 40);
inline const QColor kWall(90, 90, 96);
inline const QColor kGround(110, 90, 60);
inline const QColor kDimension(0, 70, 150);
inline const QColor kWind(20, 120, 200);

// A white picture with a painter set up for thin, smooth lines.
QImage blank_picture(int width, int height);
void begin(QPainter& p, QImage& image);

void ground(QPainter& p, double left, double right, double y);

// A dimension line between a and b with short end ticks; the label sits at
// `labelAt` (its centre).
void dimension(QPainter& p, QPointF a, QPointF b, const QString& label, QPointF labelAt);

void label(QPainter& p, const QString& text, QPointF centre, int pixels = 10, bool bold = false,
           const QColor& colour = kInk);

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width = 1.6);

// Three wind arrows from the left towards x, and the word for wind above them.
void wind_from_left(QPainter& p, double x, double top, double bottom);

} // namespace korvex::pictures
