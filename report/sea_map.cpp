#include "report/sea_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "report/report_canvas.h"
#include "sea/coordinate_text.h"
#include "sea/map_rings.h"
#include "sea/sea_ratio.h"
#include "sea/source_line.h"

namespace korvex::report {

namespace {

constexpr Color kLand = rgb(248, 246, 240);
constexpr Color kSea = rgb(166, 204, 236);
constexpr Color kCoast = rgb(36, 72, 120);
constexpr Color kCircle = rgb(204, 0, 0);
constexpr Color kInk = rgb(0, 0, 0);
constexpr int kCaptionPoints = 7;
constexpr int kSmallestCaptionPoints = 5;

int px(const Surface& surface, double millimetres) {
    return std::max(1, static_cast<int>(std::lround(millimetres * surface.dpi() / 25.4)));
}

Font map_font(int points, bool bold = false) {
    Font font;
    font.name = kProportionalFont;
    font.size = points;
    font.bold = bold;
    return font;
}

// The plane's metres on the page: east to the right, north up.
struct MapFrame {
    Rect square;
    double centreX = 0.0;
    double centreY = 0.0;
    double scale = 1.0; // pixels per metre

    Point at(sea::PlanePoint p) const {
        return {static_cast<int>(std::lround(centreX + p.x * scale)),
                static_cast<int>(std::lround(centreY - p.y * scale))};
    }
};

// The sea as horizontal strokes, close enough to read as a tint: every pixel
// row on a screen, rows a third of a millimetre apart on paper.
void shade_sea(Surface& surface, const MapFrame& frame, const std::vector<sea::MapRing>& rings) {
    const int pitch = std::max(1, static_cast<int>(std::lround(0.34 * surface.dpi() / 25.4)));
    surface.set_pen({kSea, std::max(1, (pitch + 1) / 2), PenStyle::solid});
    std::vector<std::pair<double, int>> crossings;
    for (int y = frame.square.top + pitch / 2; y < frame.square.bottom; y += pitch) {
        const double plane_y = (frame.centreY - (y + 0.5)) / frame.scale;
        crossings.clear();
        for (const sea::MapRing& ring : rings) {
            const std::size_t n = ring.points.size();
            for (std::size_t i = 0; i < n; ++i) {
                const sea::PlanePoint a = ring.points[i];
                const sea::PlanePoint b = ring.points[(i + 1) % n];
                if ((a.y > plane_y) == (b.y > plane_y)) continue;
                const double x = a.x + (plane_y - a.y) * (b.x - a.x) / (b.y - a.y);
                crossings.emplace_back(x, b.y > a.y ? 1 : -1);
            }
        }
        std::sort(crossings.begin(), crossings.end());
        // West of every ring the winding number is 0; each crossing changes it.
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding -= crossings[i].second;
            if (winding == 0) continue;
            const int from = frame.at({crossings[i].first, 0.0}).x;
            const int to = frame.at({crossings[i + 1].first, 0.0}).x;
            if (to <= from) continue;
            surface.move_to(from, y);
            surface.line_to(to, y);
        }
    }
}

// The coast as polylines; a point that lands on the pixel before is left out.
void draw_coast(Surface& surface, const MapFrame& frame, const std::vector<sea::MapRing>& rings) {
    surface.set_pen({kCoast, px(surface, 0.2), PenStyle::solid});
    for (const sea::MapRing& ring : rings) {
        const std::size_t n = ring.points.size();
        bool drawing = false;
        Point last;
        for (std::size_t i = 0; i < n; ++i) {
            if (!ring.coast[i]) {
                drawing = false;
                continue;
            }
            const Point from = frame.at(ring.points[i]);
            const Point to = frame.at(ring.points[(i + 1) % n]);
            if (!drawing || !(last == from)) surface.move_to(from.x, from.y);
            if (!(to == from)) surface.line_to(to.x, to.y);
            drawing = true;
            last = to;
        }
    }
}

// Under the square, in a strip of its own so that no text of the map lies on
// the tint, the coast or the circle: the scale bar on the left, the north arrow
// on the right.
constexpr double kStripMm = 7.0;

int strip_height(const Surface& surface) { return px(surface, kStripMm); }

void draw_north_arrow(Surface& surface, const MapFrame& frame) {
    const int x = frame.square.right - px(surface, 2.0);
    const int tail = frame.square.bottom + strip_height(surface) - px(surface, 0.8);
    const int tip = frame.square.bottom + px(surface, 1.5);
    const int barb = px(surface, 1.2);
    surface.set_font(map_font(kCaptionPoints, true));
    const TextMetrics m = surface.measure("N");
    surface.set_pen({kInk, px(surface, 0.3), PenStyle::solid});
    surface.move_to(x, tail);
    surface.line_to(x, tip);
    surface.line_to(x - barb, tip + 2 * barb);
    surface.move_to(x, tip);
    surface.line_to(x + barb, tip + 2 * barb);
    // The letter left of the arrow, its box clear of the barbs.
    const int letter_right = x - barb - px(surface, 0.8);
    surface.text_out(letter_right - static_cast<int>(std::ceil(m.advance)),
                     (tip + tail) / 2 - static_cast<int>(m.height() / 2), "N");
}

// The longest round length within a third of the map's width.
std::pair<double, std::string> scale_length(double map_width_m) {
    constexpr std::array<std::pair<double, const char*>, 9> kLengths = {{{200, "200 m"},
                                                                         {500, "500 m"},
                                                                         {1000, "1 km"},
                                                                         {2000, "2 km"},
                                                                         {5000, "5 km"},
                                                                         {10000, "10 km"},
                                                                         {20000, "20 km"},
                                                                         {50000, "50 km"},
                                                                         {100000, "100 km"}}};
    std::pair<double, std::string> chosen{kLengths[0].first, kLengths[0].second};
    for (const auto& [metres, text] : kLengths)
        if (metres <= map_width_m / 3.0) chosen = {metres, text};
    return chosen;
}

// The bar with its length written right of it, on the strip's middle.
void draw_scale_bar(Surface& surface, const MapFrame& frame) {
    const double width_m = (frame.square.right - frame.square.left) / frame.scale;
    const auto [metres, text] = scale_length(width_m);
    const int left = frame.square.left;
    const int y = frame.square.bottom + strip_height(surface) / 2 + px(surface, 0.6);
    const int right = left + static_cast<int>(std::lround(metres * frame.scale));
    const int tick = px(surface, 1.2);
    surface.set_font(map_font(kCaptionPoints));
    const TextMetrics m = surface.measure(text);
    surface.set_pen({kInk, px(surface, 0.3), PenStyle::solid});
    surface.move_to(left, y - tick);
    surface.line_to(left, y);
    surface.line_to(right, y);
    surface.line_to(right, y - tick);
    surface.text_out(right + px(surface, 1.2), y - static_cast<int>(m.height()), text);
}

// The point: a cross in the circle's colour.
void draw_point(Surface& surface, const MapFrame& frame) {
    const Point c = frame.at({0.0, 0.0});
    const int arm = px(surface, 1.8);
    surface.set_pen({kCircle, px(surface, 0.35), PenStyle::solid});
    surface.move_to(c.x - arm, c.y);
    surface.line_to(c.x + arm, c.y);
    surface.move_to(c.x, c.y - arm);
    surface.line_to(c.x, c.y + arm);
}

// A caption line as pieces that may go on a line of their own, and what joins
// two pieces that share one.
struct CaptionLine {
    std::vector<std::string> pieces;
    std::string joiner;
};

constexpr std::size_t kCaptionRows = 4;

std::vector<std::string> wrap(const Surface& surface, int points, int width,
                              const std::vector<CaptionLine>& lines) {
    std::vector<std::string> rows;
    for (const CaptionLine& line : lines) {
        std::string row;
        for (const std::string& piece : line.pieces) {
            const std::string joined = row.empty() ? piece : row + line.joiner + piece;
            if (row.empty() || surface.text_metrics(map_font(points), joined).advance <= width) {
                row = joined;
            } else {
                rows.push_back(row);
                row = piece;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// The caption at the largest size from 7 points down whose rows fit the width,
// in four rows at most.
void draw_caption(Surface& surface, Point at, int width, const std::vector<CaptionLine>& lines) {
    int points = kCaptionPoints;
    std::vector<std::string> rows = wrap(surface, points, width, lines);
    const auto fits = [&](const std::vector<std::string>& candidate, int size) {
        return candidate.size() <= kCaptionRows &&
               std::all_of(candidate.begin(), candidate.end(), [&](const std::string& row) {
                   return surface.text_metrics(map_font(size), row).advance <= width;
               });
    };
    while (!fits(rows, points) && points > kSmallestCaptionPoints) {
        --points;
        rows = wrap(surface, points, width, lines);
    }
    surface.set_font(map_font(points));
    int y = at.y;
    for (const std::string& row : rows) {
        surface.text_out(at.x, y, row);
        y += static_cast<int>(std::ceil(surface.measure(row).height()));
    }
}

std::vector<CaptionLine> caption_lines(const SeaMapFigure& figure) {
    return {{{"海率 " + std::to_string(sea::sea_ratio_percent(figure.fraction)) + " ％　半径 " +
                  common::shortest_decimal(figure.radiusKm) + " km",
              std::string("中心：") + (figure.enteredPoint ? "建設地" : "役所") + " " +
                  sea::coordinates_text(figure.centre)},
             "　"},
            {{std::string(sea::kMapAttribution) + "（" + sea::kMapLicence + "）、", sea::kNoLakes},
             ""}};
}

} // namespace

int sea_map_height(const Surface& surface, int width) {
    const double line = surface.text_metrics(map_font(kCaptionPoints), "中").height();
    return width + strip_height(surface) + px(surface, 1.0) +
           static_cast<int>(kCaptionRows) * static_cast<int>(std::ceil(line));
}

bool draw_sea_map(Surface& surface, Point at, int width, const sea::Coastline& coastline,
                  const SeaMapFigure& figure) {
    const double radius = figure.radiusKm * 1000.0;
    const double half_width = kSeaMapMargin * radius;
    const auto rings = sea::map_rings(coastline, figure.centre, half_width);
    if (!rings || !(radius > 0.0) || width <= 0) return false;

    MapFrame frame;
    frame.square = {at.x, at.y, at.x + width, at.y + width};
    frame.centreX = at.x + width / 2.0;
    frame.centreY = at.y + width / 2.0;
    frame.scale = width / (2.0 * half_width);

    const Font font_before = surface.font();
    const Pen pen_before = surface.pen();
    {
        LineRoleScope figure_lines(surface, LineRole::figure);
        surface.fill_rect(frame.square, kLand);
        shade_sea(surface, frame, *rings);
        draw_coast(surface, frame, *rings);

        const Point c = frame.at({0.0, 0.0});
        const int r = static_cast<int>(std::lround(radius * frame.scale));
        surface.set_pen({kCircle, px(surface, 0.4), PenStyle::solid});
        surface.arc({c.x - r, c.y - r, c.x + r, c.y + r}, {c.x + r, c.y}, {c.x + r, c.y});
        draw_point(surface, frame);
    }
    surface.set_pen({kInk, 1, PenStyle::solid});
    surface.set_brush_clear();
    surface.rectangle(frame.square);
    draw_north_arrow(surface, frame);
    draw_scale_bar(surface, frame);
    draw_caption(surface, {at.x, at.y + width + strip_height(surface) + px(surface, 1.0)}, width,
                 caption_lines(figure));
    surface.set_font(font_before);
    surface.set_pen(pen_before);
    return true;
}

} // namespace korvex::report
