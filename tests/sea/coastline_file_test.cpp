#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sea/coastline_file.h"
#include "sea/coastline_store.h"
#include "tests/sea/sea_fixture.h"

namespace korvex::sea {
namespace {

void put_u32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void put_leb128(std::string& out, std::uint64_t value) {
    do {
        const auto byte = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
        out += static_cast<char>(value ? byte | 0x80 : byte);
    } while (value);
}

void put_zigzag(std::string& out, std::int64_t value) {
    put_leb128(out, value >= 0 ? static_cast<std::uint64_t>(value) << 1
                               : (static_cast<std::uint64_t>(-value) << 1) - 1);
}

// The bytes the cutting tool writes for these rings.
std::string file_bytes(GridBox box, const std::vector<std::vector<GridPoint>>& rings) {
    std::string out = "KVXSEA01";
    for (const std::int32_t v : {box.west, box.south, box.east, box.north})
        put_u32(out, static_cast<std::uint32_t>(v));
    std::uint32_t points = 0;
    for (const auto& ring : rings) points += static_cast<std::uint32_t>(ring.size());
    put_u32(out, static_cast<std::uint32_t>(rings.size()));
    put_u32(out, points);
    GridPoint last;
    for (const auto& ring : rings) {
        put_leb128(out, ring.size());
        for (const GridPoint& p : ring) {
            put_zigzag(out, std::int64_t{p.x} - last.x);
            put_zigzag(out, std::int64_t{p.y} - last.y);
            last = p;
        }
    }
    return out;
}

const GridBox kBox{13000000, 3000000, 15000000, 4500000};
const std::vector<std::vector<GridPoint>> kRings = {
    {{14000000, 3700000}, {14100000, 3700000}, {14100000, 3800000}},
    {{14050000, 3750000}, {13999999, 3760001}, {14020000, 3712345}, {14060000, 3740000}}};

TEST(CoastlineFile, ReadsTheRingsBackAsWritten) {
    const CoastlineRead read = parse_coastline(file_bytes(kBox, kRings), "test.bin");
    ASSERT_TRUE(read.coastline) << read.error;
    const Coastline& c = *read.coastline;
    EXPECT_EQ(c.box().west, kBox.west);
    EXPECT_EQ(c.box().north, kBox.north);
    ASSERT_EQ(c.ring_count(), 2u);
    ASSERT_EQ(c.point_count(), 7u);
    EXPECT_EQ(c.point(c.ring_begin(1) + 1), kRings[1][1]);
    EXPECT_EQ(c.next(c.ring_end(0) - 1), c.ring_begin(0)); // the edge back to the first point
}

TEST(CoastlineFile, ABrokenFileIsToldByName) {
    const std::string good = file_bytes(kBox, kRings);
    const auto far =
        file_bytes(kBox, {{{14000000, 3700000}, {16000000, 3700000}, {14000000, 3800000}}});
    std::string two_points = file_bytes(kBox, {{{14000000, 3700000}, {14100000, 3700000}}});
    std::string huge_count = good;
    huge_count[28] = '\xFF';
    huge_count[31] = '\x7F';
    const std::string cases[] = {
        "",
        "KVXSEA02" + good.substr(8),
        good.substr(0, good.size() - 1), // cut short
        good + '\0',                     // a byte too many
        far,
        two_points,
        huge_count,
    };
    for (const std::string& bytes : cases) {
        const CoastlineRead read = parse_coastline(bytes, "Data_Coastline.bin");
        EXPECT_FALSE(read.coastline);
        EXPECT_NE(read.error.find("「Data_Coastline.bin」が壊れています"), std::string::npos)
            << read.error;
    }
    const CoastlineRead missing = read_coastline_file("/no/such/folder/Data_Coastline.bin");
    EXPECT_FALSE(missing.coastline);
    EXPECT_NE(missing.error.find("が見つかりません"), std::string::npos);
}

// The browser edition's store: the file comes into the folder only after a
// ratio was first asked for. Until then the store says it is on its way and
// asks for it; once there, it is read like any other; a store not waiting for
// its file says that it is missing.
TEST(CoastlineFile, AnAwaitedFileIsAskedForAndReadOnceItComes) {
    const auto folder = std::filesystem::temp_directory_path() / "korvex_awaited_coastline";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto file = folder / "Data_Coastline.bin";

    const CoastlineStore awaited(file, "地図データを読み込んでいます…");
    const CoastlineStore plain(file);
    EXPECT_FALSE(awaited.awaiting()) << "nothing asked yet";
    EXPECT_FALSE(awaited.coastline());
    EXPECT_TRUE(awaited.awaiting());
    EXPECT_EQ(awaited.error(), "地図データを読み込んでいます…");
    EXPECT_FALSE(plain.coastline());
    EXPECT_FALSE(plain.awaiting());
    EXPECT_NE(plain.error().find("が見つかりません"), std::string::npos);

    std::ofstream(file, std::ios::binary) << file_bytes(kBox, kRings);
    ASSERT_TRUE(awaited.coastline()) << awaited.error();
    EXPECT_FALSE(awaited.awaiting());
    EXPECT_EQ(awaited.coastline()->ring_count(), 2u);

    // A file that is there but broken is told as broken, not awaited.
    const CoastlineStore broken_awaited(file, "地図データを読み込んでいます…");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "KVXSEA01";
    EXPECT_FALSE(broken_awaited.coastline());
    EXPECT_FALSE(broken_awaited.awaiting());
    EXPECT_NE(broken_awaited.error().find("壊れています"), std::string::npos);
    std::filesystem::remove_all(folder);
}

// The shipped file: the box the tool cut, and the whole of Japan's coast in it.
TEST(CoastlineFile, TheShippedFileHoldsJapansSeas) {
    const Coastline& c = testing::shipped_coastline();
    EXPECT_EQ(c.box().west, 12100000);
    EXPECT_EQ(c.box().south, 1890000);
    EXPECT_EQ(c.box().east, 15570000);
    EXPECT_EQ(c.box().north, 4710000);
    EXPECT_GT(c.ring_count(), 1000u);
    EXPECT_GT(c.point_count(), 40000u);
    // Sea off Choshi, land in Tokyo, the Seto Inland Sea, Lake Biwa (land: no lake
    // is in the data).
    EXPECT_EQ(c.winding_number(14100000, 3570000), 1);
    EXPECT_EQ(c.winding_number(13976000, 3568000), 0);
    EXPECT_EQ(c.winding_number(13350000, 3420000), 1);
    EXPECT_EQ(c.winding_number(13610000, 3525000), 0);
}

} // namespace
} // namespace korvex::sea
