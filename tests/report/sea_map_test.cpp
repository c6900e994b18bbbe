#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "report/recording_surface.h"
#include "report/sea_map.h"
#include "sea/coastline_file.h"
#include "sea/sea_ratio.h"

namespace korvex::report {
namespace {

const sea::Coastline& coastline() {
    static const sea::CoastlineRead kRead =
        sea::read_coastline_file(std::filesystem::path(KORVEX_DATA_DIR) / sea::kCoastlineFileName);
    return *kRead.coastline;
}

bool has_text(const RecordingSurface& s, const std::string& part) {
    return std::any_of(s.texts().begin(), s.texts().end(), [&](const RecordedText& t) {
        return t.text.find(part) != std::string::npos;
    });
}

// 大船渡市's office, R 40 km, on a sheet at 600 dpi, 60 mm wide.
TEST(SeaMap, ShowsTheCircleThePointTheSeaAndWhereTheMapComesFrom) {
    const sea::GeoPoint office{39.08222222, 141.7083333};
    const double fraction = *sea::sea_fraction(coastline(), office, 40000.0);
    RecordingSurface s({600, {4961, 7016}, 600});
    const int width = 1417;
    const Point at{500, 800};
    ASSERT_TRUE(draw_sea_map(s, at, width, coastline(), {office, 40.0, fraction, false}));

    // The circle of R, centred, 1 / 2.3 of the width across.
    ASSERT_EQ(s.arcs().size(), 1u);
    const Rect circle = s.arcs()[0].bounds;
    const double cx = at.x + width / 2.0;
    const double cy = at.y + width / 2.0;
    const double r = width / (2.0 * kSeaMapMargin);
    EXPECT_NEAR((circle.left + circle.right) / 2.0, cx, 1.0);
    EXPECT_NEAR((circle.right - circle.left) / 2.0, r, 1.0);

    EXPECT_TRUE(has_text(s, "海率 " + std::to_string(sea::sea_ratio_percent(fraction)) + " ％"));
    EXPECT_TRUE(has_text(s, "N"));
    EXPECT_TRUE(has_text(s, "20 km"));
    EXPECT_TRUE(has_text(s, "中心：役所 北緯 39.0822° 東経 141.7083°"));
    EXPECT_TRUE(has_text(s, "半径 40 km"));
    EXPECT_TRUE(has_text(s, "地図データ © OpenStreetMap contributors（ODbL 1.0）、"));
    EXPECT_TRUE(has_text(s, "湖沼を含まない"));
    // Nothing beyond the figure: the caption wraps and shrinks to its width.
    const int bottom = at.y + sea_map_height(s, width);
    for (const RecordedText& t : s.texts()) {
        EXPECT_LE(t.box.right, at.x + width + 1) << t.text;
        EXPECT_LE(t.box.bottom, bottom + 1) << t.text;
    }

    // The shaded rows inside the circle hold the measured share of sea: the
    // strokes are the sea, not the land.
    std::map<int, double> sea_by_row;
    for (const RecordedLine& line : s.lines()) {
        if (line.from.y != line.to.y || line.pen.width < 2) continue;
        const double dy = line.from.y - cy;
        if (std::fabs(dy) >= r) continue;
        const double half = std::sqrt(r * r - dy * dy);
        const double from = std::max<double>(line.from.x, cx - half);
        const double to = std::min<double>(line.to.x, cx + half);
        sea_by_row[line.from.y] += std::max(0.0, to - from);
    }
    ASSERT_GT(sea_by_row.size(), 100u);
    const int pitch = std::next(sea_by_row.begin())->first - sea_by_row.begin()->first;
    double sea = 0.0;
    double disk = 0.0;
    for (int y = sea_by_row.begin()->first; y < cy + r; y += pitch) {
        const double dy = y - cy;
        if (std::fabs(dy) >= r) continue;
        disk += 2.0 * std::sqrt(r * r - dy * dy);
        sea += sea_by_row.count(y) ? sea_by_row[y] : 0.0;
    }
    EXPECT_NEAR(sea / disk, fraction, 0.01);
}

TEST(SeaMap, NothingIsDrawnWhereTheDataEnds) {
    RecordingSurface s({600, {4961, 7016}, 600});
    EXPECT_FALSE(draw_sea_map(s, {0, 0}, 1000, coastline(), {{46.9, 142.0}, 40.0, 0.5, true}));
    EXPECT_EQ(s.call_count(), 0);
}

} // namespace
} // namespace korvex::report
