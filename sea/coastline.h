#pragma once

// The sea near Japan as the program measures it: rings of points in 1e-5
// degrees with the sea on their left (outer rings counterclockwise, islands
// clockwise, longitude east and latitude north), cut to a box, with an index of
// their edges by cells of 0.1 degree. Where a ring runs along the box, its
// edges lie on the box's sides: they are cuts, not coast.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvex::sea {

inline constexpr std::int32_t kUnitsPerDegree = 100000;

// Longitude (x) and latitude (y) in 1e-5 degrees.
struct GridPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// An edge is straight in degrees, so in the equal-area plane it bends; cut
// into pieces of 0.02 degree (about 2 km) at most, each piece stays within a
// few centimetres of its chord.
inline constexpr double kLongestPiece = 2000.0; // 1e-5 degrees
inline int piece_count(double dx, double dy) {
    return std::max(
        1, static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)) / kLongestPiece)));
}

struct GridBox {
    std::int32_t west = 0;
    std::int32_t south = 0;
    std::int32_t east = 0;
    std::int32_t north = 0;
    bool contains(const GridBox& other) const {
        return other.west >= west && other.east <= east && other.south >= south &&
               other.north <= north;
    }
    bool meets(const GridBox& other) const {
        return other.west <= east && other.east >= west && other.south <= north &&
               other.north >= south;
    }
};

class Coastline {
public:
    // Rings of three or more points, the last not repeating the first.
    Coastline(GridBox box, const std::vector<std::vector<GridPoint>>& rings);

    const GridBox& box() const { return box_; }
    std::size_t ring_count() const { return ringStarts_.size() - 1; }
    std::size_t point_count() const { return points_.size(); }

    // Ring i holds the points ring_begin(i) .. ring_end(i) - 1; edge k runs
    // from point k to point next(k), the last of a ring back to its first.
    std::uint32_t ring_begin(std::size_t ring) const { return ringStarts_[ring]; }
    std::uint32_t ring_end(std::size_t ring) const { return ringStarts_[ring + 1]; }
    const GridBox& ring_bounds(std::size_t ring) const { return ringBounds_[ring]; }
    const GridPoint& point(std::uint32_t index) const { return points_[index]; }
    std::uint32_t next(std::uint32_t edge) const { return next_[edge]; }

    // The edges whose bounds meet `area`, each once, in ascending order (some
    // more may come, from the cells the area touches).
    void edges_near(const GridBox& area, std::vector<std::uint32_t>& edges) const;

    // An edge along a side of the box: a cut, not a coast.
    bool is_cut(std::uint32_t edge) const;

    // How many (cell, edge) entries the index holds: about the edges' length
    // in cells, however they run.
    std::size_t index_entry_count() const { return cellEdges_.size(); }

    // The winding number of the rings about a point of the box, in 1e-5
    // degrees: 1 at sea, 0 on land. Counted along the ray to the east.
    int winding_number(double x, double y) const;

private:
    struct CellRange {
        std::int32_t firstColumn, lastColumn, firstRow, lastRow;
    };
    CellRange cells_of(const GridBox& area) const;
    template <class Visit> void each_cell_of(std::uint32_t edge, Visit&& visit) const;
    void build_index();

    GridBox box_;
    std::vector<GridPoint> points_;
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> ringStarts_;
    std::vector<GridBox> ringBounds_;
    std::int32_t columns_ = 0;
    std::int32_t rows_ = 0;
    std::vector<std::uint32_t> cellStarts_; // per cell, into cellEdges_
    std::vector<std::uint32_t> cellEdges_;
};

} // namespace korvex::sea
