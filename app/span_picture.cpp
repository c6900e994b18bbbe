#include "app/span_picture.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "form/spans.h"

namespace korvex::app {

namespace {

constexpr int kLoadLineY = 7;
constexpr int kLoadArrowTipY = 22;
constexpr int kBeamTop = 25;
constexpr int kBeamBottom = 30;
constexpr int kSupportBase = 43;
constexpr int kDimensionY = 51;

const QColor kLoadColour(176, 48, 40);
const QColor kBeamColour(70, 78, 92);
const QColor kLineColour(40, 40, 40);
const QColor kDimensionColour(120, 120, 120);

struct Extent {
    int left = 0;  // the beam's left end: a cantilever tip or the first support
    int right = 0; // its right end
};

Extent beam_extent(int span_count, calc::CantileverMode cantilever_mode) {
    const bool left = calc::has_left_cantilever(cantilever_mode);
    const bool right = calc::has_right_cantilever(cantilever_mode);
    return {left ? kFirstSupportX - kCantileverLength : kFirstSupportX,
            right ? right_cantilever_tip_x(span_count) : support_x(span_count)};
}

void draw_load(QPainter& p, const Extent& beam) {
    p.setPen(QPen(kLoadColour, 1.5));
    p.drawLine(QPointF(beam.left, kLoadLineY), QPointF(beam.right, kLoadLineY));
    // Arrows at an even pitch close to 14 px, one at each end.
    const int length = beam.right - beam.left;
    const int count = std::max(2, length / 14 + 1);
    p.setBrush(kLoadColour);
    for (int i = 0; i < count; ++i) {
        const double x = beam.left + length * static_cast<double>(i) / (count - 1);
        p.setPen(QPen(kLoadColour, 1.2));
        p.drawLine(QPointF(x, kLoadLineY), QPointF(x, kLoadArrowTipY - 4));
        p.setPen(Qt::NoPen);
        const QPointF head[3] = {QPointF(x - 2.6, kLoadArrowTipY - 5),
                                 QPointF(x + 2.6, kLoadArrowTipY - 5), QPointF(x, kLoadArrowTipY)};
        p.drawPolygon(head, 3);
    }
}

void draw_beam(QPainter& p, const Extent& beam) {
    p.setPen(QPen(kLineColour, 1));
    p.setBrush(kBeamColour);
    p.drawRect(QRectF(beam.left, kBeamTop, beam.right - beam.left, kBeamBottom - kBeamTop));
}

// A pinned support: a triangle under the beam on hatched ground.
void draw_support(QPainter& p, int x) {
    p.setPen(QPen(kLineColour, 1.2));
    p.setBrush(Qt::white);
    const QPointF triangle[3] = {QPointF(x, kBeamBottom + 1), QPointF(x - 7, kSupportBase),
                                 QPointF(x + 7, kSupportBase)};
    p.drawPolygon(triangle, 3);
    p.drawLine(QPointF(x - 11, kSupportBase), QPointF(x + 11, kSupportBase));
    p.setPen(QPen(kLineColour, 0.8));
    for (int h = -9; h <= 9; h += 4)
        p.drawLine(QPointF(x + h + 2, kSupportBase), QPointF(x + h - 1, kSupportBase + 4));
}

// The dimension line with a tick at every support and cantilever tip.
void draw_dimensions(QPainter& p, const Extent& beam, int span_count) {
    p.setPen(QPen(kDimensionColour, 1));
    p.drawLine(QPointF(beam.left - 4, kDimensionY), QPointF(beam.right + 4, kDimensionY));
    auto tick = [&](int x) {
        p.drawLine(QPointF(x, kDimensionY - 5), QPointF(x, kDimensionY + 5));
        p.drawLine(QPointF(x - 3, kDimensionY + 3), QPointF(x + 3, kDimensionY - 3));
    };
    tick(beam.left);
    for (int support = 0; support <= span_count; ++support) tick(support_x(support));
    tick(beam.right);
}

} // namespace

SpanPictureName span_picture_name(int index) {
    const int span_count = index % 4 + 1;
    const auto cantilever_mode =
        *calc::from_code<calc::CantileverMode>(std::clamp(index / 4, 0, 3));
    return {QString::fromStdString(form::span_picture_name(span_count, cantilever_mode)),
            span_count, cantilever_mode};
}

QImage draw_span_picture(int span_count, calc::CantileverMode cantilever_mode) {
    span_count = std::clamp(span_count, 1, 4);
    QImage image(kSpanPictureWidth, kSpanPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Extent beam = beam_extent(span_count, cantilever_mode);
    draw_load(p, beam);
    draw_beam(p, beam);
    for (int support = 0; support <= span_count; ++support) draw_support(p, support_x(support));
    draw_dimensions(p, beam, span_count);
    return image;
}

} // namespace korvex::app
