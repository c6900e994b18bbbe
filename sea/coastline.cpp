#include "sea/coastline.h"

#include <algorithm>
#include <cmath>

namespace korvex::sea {

namespace {

// 0.1 degree: about 11 km north-south, 8-10 km east-west.
constexpr std::int32_t kCellUnits = 10000;

GridBox edge_bounds(const GridPoint& a, const GridPoint& b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

Coastline::Coastline(GridBox box, const std::vector<std::vector<GridPoint>>& rings) : box_(box) {
    ringStarts_.push_back(0);
    for (const auto& ring : rings) {
        const auto first = static_cast<std::uint32_t>(points_.size());
        GridBox bounds{ring.front().x, ring.front().y, ring.front().x, ring.front().y};
        for (const GridPoint& p : ring) {
            points_.push_back(p);
            next_.push_back(static_cast<std::uint32_t>(points_.size()));
            bounds = {std::min(bounds.west, p.x), std::min(bounds.south, p.y),
                      std::max(bounds.east, p.x), std::max(bounds.north, p.y)};
        }
        next_.back() = first;
        ringStarts_.push_back(static_cast<std::uint32_t>(points_.size()));
        ringBounds_.push_back(bounds);
    }
    build_index();
}

Coastline::CellRange Coastline::cells_of(const GridBox& area) const {
    const auto column = [this](std::int32_t x) {
        return std::clamp((x - box_.west) / kCellUnits, 0, columns_ - 1);
    };
    const auto row = [this](std::int32_t y) {
        return std::clamp((y - box_.south) / kCellUnits, 0, rows_ - 1);
    };
    return {column(area.west), column(area.east), row(area.south), row(area.north)};
}

// An edge goes into the cells it passes through, row by row: a long slanting
// edge fills a line of cells, not the rectangle of its bounds.
template <class Visit> void Coastline::each_cell_of(std::uint32_t edge, Visit&& visit) const {
    const GridPoint& a = points_[edge];
    const GridPoint& b = points_[next_[edge]];
    const CellRange rows = cells_of(edge_bounds(a, b));
    for (std::int32_t row = rows.firstRow; row <= rows.lastRow; ++row) {
        double t0 = 0.0;
        double t1 = 1.0;
        if (a.y != b.y) {
            const double band_south = box_.south + static_cast<double>(row) * kCellUnits;
            const double ta = (band_south - a.y) / (b.y - a.y);
            const double tb = (band_south + kCellUnits - a.y) / (b.y - a.y);
            t0 = std::max(0.0, std::min(ta, tb));
            t1 = std::min(1.0, std::max(ta, tb));
        }
        const double xa = a.x + t0 * (b.x - a.x);
        const double xb = a.x + t1 * (b.x - a.x);
        // A unit either way keeps a crossing that rounding puts on a cell's edge.
        const auto west = static_cast<std::int32_t>(std::floor(std::min(xa, xb))) - 1;
        const auto east = static_cast<std::int32_t>(std::ceil(std::max(xa, xb))) + 1;
        const CellRange columns = cells_of({west, a.y, east, a.y});
        for (std::int32_t column = columns.firstColumn; column <= columns.lastColumn; ++column)
            visit(static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                  static_cast<std::size_t>(column));
    }
}

void Coastline::build_index() {
    columns_ = std::max(1, (box_.east - box_.west + kCellUnits - 1) / kCellUnits);
    rows_ = std::max(1, (box_.north - box_.south + kCellUnits - 1) / kCellUnits);
    const auto cell_count = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    std::vector<std::uint32_t> counts(cell_count + 1, 0);
    const auto edge_count = static_cast<std::uint32_t>(points_.size());
    for (std::uint32_t edge = 0; edge < edge_count; ++edge)
        each_cell_of(edge, [&counts](std::size_t cell) { ++counts[cell + 1]; });
    for (std::size_t i = 1; i < counts.size(); ++i) counts[i] += counts[i - 1];
    cellStarts_ = counts;
    cellEdges_.resize(counts.back());
    for (std::uint32_t edge = 0; edge < edge_count; ++edge)
        each_cell_of(
            edge, [this, &counts, edge](std::size_t cell) { cellEdges_[counts[cell]++] = edge; });
}

void Coastline::edges_near(const GridBox& area, std::vector<std::uint32_t>& edges) const {
    edges.clear();
    const CellRange cells = cells_of(area);
    for (std::int32_t row = cells.firstRow; row <= cells.lastRow; ++row) {
        const auto base = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_);
        const std::uint32_t begin = cellStarts_[base + static_cast<std::size_t>(cells.firstColumn)];
        const std::uint32_t end =
            cellStarts_[base + static_cast<std::size_t>(cells.lastColumn) + 1];
        for (std::uint32_t i = begin; i < end; ++i) {
            const std::uint32_t edge = cellEdges_[i];
            if (area.meets(edge_bounds(points_[edge], points_[next_[edge]]))) edges.push_back(edge);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
}

bool Coastline::is_cut(std::uint32_t edge) const {
    const GridPoint& a = points_[edge];
    const GridPoint& b = points_[next_[edge]];
    return (a.x == b.x && (a.x == box_.west || a.x == box_.east)) ||
           (a.y == b.y && (a.y == box_.south || a.y == box_.north));
}

int Coastline::winding_number(double x, double y) const {
    // Every edge that crosses the point's latitude east of it lies in the cells
    // of the point's row from its column on.
    const auto inside_y =
        static_cast<std::int32_t>(std::floor(std::clamp<double>(y, box_.south, box_.north)));
    const auto inside_x =
        static_cast<std::int32_t>(std::floor(std::clamp<double>(x, box_.west, box_.east)));
    std::vector<std::uint32_t> edges;
    edges_near({inside_x, inside_y, box_.east, inside_y}, edges);
    int winding = 0;
    for (std::uint32_t edge : edges) {
        const GridPoint& a = points_[edge];
        const GridPoint& b = points_[next_[edge]];
        // Half-open in latitude, so a ray through a point is counted once.
        if ((a.y > y) == (b.y > y)) continue;
        const double crossing =
            a.x + (y - a.y) * static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
        if (crossing > x) winding += b.y > a.y ? 1 : -1;
    }
    return winding;
}

} // namespace korvex::sea
