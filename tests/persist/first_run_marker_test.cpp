#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "persist/first_run_marker.h"

namespace korvex::persist {
namespace {

namespace fs = std::filesystem;

class FirstRunMarker : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("korvex_marker_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        marker = root / "Velmora_DeckPlate" / "korvex_wood.dat";
    }
    void TearDown() override { fs::remove_all(root); }

    std::string contents() const {
        std::ifstream in(marker, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    FirstRunResult check() {
        return check_first_run(marker, [this] { ++notices; });
    }

    fs::path root;
    fs::path marker;
    int notices = 0;
};

TEST_F(FirstRunMarker, FirstStartShowsTheNoticeOnceAndWrites101) {
    EXPECT_TRUE(check().noticeShown);
    EXPECT_EQ(contents(), std::string("\x65\0\0\0", 4));
    EXPECT_FALSE(check().noticeShown);
    EXPECT_EQ(notices, 1);
}

TEST_F(FirstRunMarker, OtherContentsAreRewrittenWithoutNotice) {
    fs::create_directories(marker.parent_path());
    std::ofstream(marker, std::ios::binary).write("\x64\0\0\0", 4);
    const auto result = check();
    EXPECT_FALSE(result.noticeShown);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(contents(), std::string("\x65\0\0\0", 4));

    std::ofstream(marker, std::ios::binary | std::ios::trunc); // an empty file
    check();
    EXPECT_EQ(contents(), std::string("\x65\0\0\0", 4));
    EXPECT_EQ(notices, 0);
}

TEST_F(FirstRunMarker, AMarkerThatCannotBeCreatedIsReported) {
    std::ofstream(root / "blocked") << "a file where the folder should be";
    marker = root / "blocked" / "Velmora_DeckPlate" / "korvex_wood.dat";
    const auto result = check();
    EXPECT_TRUE(result.noticeShown);
    ASSERT_TRUE(result.error);
    EXPECT_NE(result.error->find("korvex_wood.dat"), std::string::npos);
}

TEST(FirstRunMarkerPath, FollowsTheDataFolderOfThePlatform) {
    const auto env = [](const char* xdg, const char* home) {
        return [=](const char* name) -> const char* {
            return std::string(name) == "XDG_DATA_HOME" ? xdg : home;
        };
    };
    EXPECT_EQ(first_run_marker_path(env("/x/data", "/home/u")),
              fs::path("/x/data/Velmora_DeckPlate/korvex_wood.dat"));
    EXPECT_EQ(first_run_marker_path(env("", "/home/u")),
              fs::path("/home/u/.local/share/Velmora_DeckPlate/korvex_wood.dat"));
    EXPECT_EQ(first_run_marker_path(env(nullptr, "/home/u")),
              fs::path("/home/u/.local/share/Velmora_DeckPlate/korvex_wood.dat"));
}

} // namespace
} // namespace korvex::persist
