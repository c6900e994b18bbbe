#include <gtest/gtest.h>

#include "sea/coordinate_text.h"
#include "sea/source_line.h"

namespace korvex::sea {
namespace {

constexpr double kDms39 = 39.0 + 4.0 / 60.0 + 56.0 / 3600.0;    // 39°04'56"
constexpr double kDms141 = 141.0 + 42.0 / 60.0 + 30.0 / 3600.0; // 141°42'30"

TEST(CoordinateText, ReadsWhatWebMapsAndPeopleWrite) {
    struct Case {
        const char* text;
        double latitude;
        double longitude;
    };
    const Case cases[] = {
        {"39.0822, 141.7083", 39.0822, 141.7083},
        {"39.0822,141.7083", 39.0822, 141.7083},
        {"  39.0822   141.7083 ", 39.0822, 141.7083},
        {"39.0822N 141.7083E", 39.0822, 141.7083},
        {"N39.0822 E141.7083", 39.0822, 141.7083},
        {"141.7083E, 39.0822N", 39.0822, 141.7083},
        {"３９．０８２２，　１４１．７０８３", 39.0822, 141.7083},
        {"39.0822、141.7083", 39.0822, 141.7083},
        {"北緯 39.0822° 東経 141.7083°", 39.0822, 141.7083},
        {"39°04'56\"N 141°42'30\"E", kDms39, kDms141},
        {"39°04'56.0\"N 141°42'30.0\"E", kDms39, kDms141},
        {"39°04′56″N, 141°42′30″E", kDms39, kDms141},
        {"39°04’56”N 141°42’30”E", kDms39, kDms141},
        {"39°04'56''N 141°42'30''E", kDms39, kDms141},
        {"北緯39度4分56秒 東経141度42分30秒", kDms39, kDms141},
        {"N 39° 4' 56\" E 141° 42' 30\"", kDms39, kDms141},
        {"39°04.9333'N 141°42.5'E", 39.0 + 4.9333 / 60.0, 141.7083333333333},
        {"39.0822 n 141.7083 e", 39.0822, 141.7083},
        {"-33.8568, 151.2153", -33.8568, 151.2153},
        {"33°51'24\"S 151°12'55\"E", -(33.0 + 51.0 / 60 + 24.0 / 3600),
         151.0 + 12.0 / 60 + 55.0 / 3600},
    };
    for (const Case& c : cases) {
        const auto read = parse_coordinates(c.text);
        ASSERT_TRUE(std::holds_alternative<GeoPoint>(read))
            << c.text << ": " << std::get<std::string>(read);
        EXPECT_NEAR(std::get<GeoPoint>(read).latitude, c.latitude, 1e-9) << c.text;
        EXPECT_NEAR(std::get<GeoPoint>(read).longitude, c.longitude, 1e-9) << c.text;
    }
}

TEST(CoordinateText, RefusesTheRestWithAMessage) {
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"", "読み取れません"},
        {"abc", "読み取れません"},
        {"39.0822", "両方"},
        {"39.0822,", "両方"},
        {"39.0822, 141.7083, 5", "読み取れません"},
        {"39 04 56 141 42 30", "読み取れません"},
        {"39°61'00\"N 141°42'30\"E", "60 未満"},
        {"39°04'75\"N 141°42'30\"E", "60 未満"},
        {"91, 141", "-90～90"},
        {"39, 181", "-180～180"},
        {"39N 40N", "一つずつ"},
        {"141E 39E", "一つずつ"},
        {"-39N, 141E", "読み取れません"},
        {"39..08, 141", "読み取れません"},
        {"東京駅", "読み取れません"},
    };
    for (const Case& c : cases) {
        const auto read = parse_coordinates(c.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
        EXPECT_NE(std::get<std::string>(read).find(c.says), std::string::npos)
            << c.text << ": " << std::get<std::string>(read);
    }
}

TEST(CoordinateText, WritesTheSourceLinesPointAndTheFilesNumbers) {
    EXPECT_EQ(coordinates_text({39.08222222, 141.7083333}), "北緯 39.0822° 東経 141.7083°");
    EXPECT_EQ(coordinates_text({-33.85675, -151.2}), "南緯 33.8568° 西経 151.2°");
    EXPECT_EQ(coordinate_number(39.082222222), "39.082222");
    EXPECT_EQ(coordinate_number(141.7083), "141.7083");
    EXPECT_EQ(coordinate_number(36.0), "36");
    EXPECT_EQ(coordinate_number(141.0 + 42.0 / 60 + 34.0 / 3600), "141.709444"); // 141.70944444…
    EXPECT_EQ(coordinate_number(-33.85675), "-33.85675");
    EXPECT_EQ(sea_ratio_source_line({39.0822, 141.7083}, 40),
              "海率参考値：北緯 39.0822° 東経 141.7083° を中心とする半径 40 km の円内の海の面積の"
              "割合（地図データ © OpenStreetMap contributors、湖沼を含まない）");
}

} // namespace
} // namespace korvex::sea
