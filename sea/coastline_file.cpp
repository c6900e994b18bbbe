#include "sea/coastline_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

namespace korvex::sea {

namespace {

constexpr std::string_view kMagic = "KVXSEA01";
constexpr std::size_t kHeaderSize = 32;

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t left() const { return bytes_.size() - at_; }

    std::uint32_t u32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_++]))
                     << (8 * i);
        return value;
    }

    std::optional<std::uint64_t> leb128() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (at_ >= bytes_.size()) return std::nullopt;
            const auto byte = static_cast<unsigned char>(bytes_[at_++]);
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) return value;
        }
        return std::nullopt;
    }

    std::optional<std::int64_t> zigzag() {
        const auto value = leb128();
        if (!value) return std::nullopt;
        return static_cast<std::int64_t>(*value >> 1) ^ -static_cast<std::int64_t>(*value & 1);
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

CoastlineRead fault(const std::string& shown_name, const std::string& what) {
    return {nullptr, "地図データファイル「" + shown_name + "」が壊れています（" + what +
                         "）。データフォルダを入れ直して下さい。"};
}

} // namespace

CoastlineRead parse_coastline(std::string_view bytes, const std::string& shown_name) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic)
        return fault(shown_name, "海岸線データの形式ではありません");
    ByteReader in(bytes.substr(kMagic.size()));
    GridBox box;
    box.west = static_cast<std::int32_t>(in.u32());
    box.south = static_cast<std::int32_t>(in.u32());
    box.east = static_cast<std::int32_t>(in.u32());
    box.north = static_cast<std::int32_t>(in.u32());
    const std::uint32_t ring_count = in.u32();
    const std::uint32_t point_count = in.u32();
    if (box.west >= box.east || box.south >= box.north || box.west < -180 * kUnitsPerDegree ||
        box.east > 180 * kUnitsPerDegree || box.south < -90 * kUnitsPerDegree ||
        box.north > 90 * kUnitsPerDegree)
        return fault(shown_name, "範囲の値が正しくありません");
    // Every point takes two bytes at least, every ring one more.
    if (std::uint64_t{point_count} * 2 > in.left() || ring_count > point_count / 3)
        return fault(shown_name, "点の数が大きすぎます");

    std::vector<std::vector<GridPoint>> rings(ring_count);
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::uint64_t points_read = 0;
    for (auto& ring : rings) {
        const auto count = in.leb128();
        if (!count || *count < 3 || *count > point_count - points_read)
            return fault(shown_name, "輪の点の数が正しくありません");
        ring.reserve(static_cast<std::size_t>(*count));
        for (std::uint64_t i = 0; i < *count; ++i) {
            const auto dx = in.zigzag();
            const auto dy = in.zigzag();
            if (!dx || !dy) return fault(shown_name, "途中で終わっています");
            // No step between two points of the box is longer than the earth is wide.
            constexpr std::int64_t kLongestStep = 360LL * kUnitsPerDegree;
            if (*dx < -kLongestStep || *dx > kLongestStep || *dy < -kLongestStep ||
                *dy > kLongestStep)
                return fault(shown_name, "範囲の外の点があります");
            x += *dx;
            y += *dy;
            if (x < box.west || x > box.east || y < box.south || y > box.north)
                return fault(shown_name, "範囲の外の点があります");
            ring.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
        }
        points_read += *count;
    }
    if (points_read != point_count || in.left() != 0)
        return fault(shown_name, "点の数が合いません");
    return {std::make_shared<const Coastline>(box, rings), {}};
}

CoastlineRead read_coastline_file(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return {nullptr,
                "地図データファイル「" + name + "」が見つかりません。\n場所: " + path.string()};
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof())
        return {nullptr,
                "地図データファイル「" + name + "」を読み込めません。\n場所: " + path.string()};
    return parse_coastline(bytes, name);
}

} // namespace korvex::sea
