// One sea ratio on the shipped coastline: the query the snow panel runs at every
// change of the site, R or point, and reading the file once.

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "sea/coastline_file.h"
#include "sea/sea_ratio.h"

namespace {

using korvex::sea::GeoPoint;

const std::filesystem::path kFile =
    std::filesystem::path(KORVEX_DATA_DIR) / korvex::sea::kCoastlineFileName;

// Offices on an open coast, a ria coast, among islands, and far inland.
constexpr std::array<GeoPoint, 4> kPoints = {{{37.91611111, 139.0363889},   // 新潟市
                                              {39.08222222, 141.7083333},   // 大船渡市
                                              {32.9, 129.9583333},          // 大村市
                                              {36.23805556, 137.9719444}}}; // 松本市

void BM_SeaRatio(benchmark::State& state) {
    static const korvex::sea::CoastlineRead kRead = korvex::sea::read_coastline_file(kFile);
    const GeoPoint point = kPoints[static_cast<std::size_t>(state.range(0))];
    const double radius = static_cast<double>(state.range(1)) * 1000.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::sea::sea_fraction(*kRead.coastline, point, radius));
}
BENCHMARK(BM_SeaRatio)->ArgsProduct({{0, 1, 2, 3}, {20, 40, 100}})->Unit(benchmark::kMicrosecond);

void BM_CoastlineRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(korvex::sea::read_coastline_file(kFile));
}
BENCHMARK(BM_CoastlineRead)->Unit(benchmark::kMillisecond);

} // namespace
