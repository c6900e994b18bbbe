#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "persist/project_file.h"

namespace korvex::persist {
namespace {

namespace fs = std::filesystem;

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("korvex_project_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string bytes_of(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write_bytes(const fs::path& file, const std::string& bytes) const {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string error_of(const fs::path& file) const {
        const auto result = read_project_file(file);
        const auto* failure = std::get_if<ReadFailure>(&result);
        return failure ? failure->message : "";
    }

    fs::path dir;
};

TEST_F(ProjectFile, WritesShiftJisWithCrLfAndReadsItBack) {
    const ProjectLines lines = {"korvex for wood", "0", "物件名：東京倉庫"};
    const fs::path file = dir / "a.kvxw";
    ASSERT_EQ(write_project_file(file, lines), "");
    EXPECT_EQ(bytes_of(file), "korvex for wood\r\n0\r\n\x95\xa8\x8c\x8f\x96\xbc\x81\x46"
                              "\x93\x8c\x8b\x9e\x91\x71\x8c\xc9\r\n");
    const auto read = read_project_file(file);
    ASSERT_TRUE(std::holds_alternative<ProjectLines>(read));
    EXPECT_EQ(std::get<ProjectLines>(read), lines);
    EXPECT_TRUE(is_project(lines));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ProjectFile, ReadsUnicodeFilesWithAByteOrderMark) {
    write_bytes(dir / "u8.kvxw", "\xEF\xBB\xBFkorvex for wood\n北海道\n");
    const auto read = read_project_file(dir / "u8.kvxw");
    ASSERT_TRUE(std::holds_alternative<ProjectLines>(read));
    EXPECT_EQ(std::get<ProjectLines>(read)[1], "北海道");
}

TEST_F(ProjectFile, IdentificationIsCaseSensitiveAndMayBeSurrounded) {
    EXPECT_TRUE(is_project({"-- korvex for wood --"}));
    EXPECT_FALSE(is_project({"Korvex for wood"}));
    EXPECT_FALSE(is_project({}));
}

TEST_F(ProjectFile, RefusesFilesThatAreNoProjects) {
    EXPECT_NE(error_of(dir / "missing.kvxw").find("missing.kvxw"), std::string::npos);
    write_bytes(dir / "big.kvxw", std::string(kMaxProjectFileBytes + 1, 'a'));
    EXPECT_NE(error_of(dir / "big.kvxw").find("大きすぎる"), std::string::npos);
    write_bytes(dir / "long.kvxw",
                "korvex for wood\r\n" + std::string(kMaxProjectLineBytes + 1, '1'));
    EXPECT_NE(error_of(dir / "long.kvxw").find("2 行目"), std::string::npos);
    write_bytes(dir / "bad.kvxw", "korvex for wood\r\n\x81");
    EXPECT_NE(error_of(dir / "bad.kvxw").find("文字を読み取れません"), std::string::npos);
    EXPECT_NE(error_of(dir).find("読み込めません"), std::string::npos); // a folder
}

TEST_F(ProjectFile, AFailedSaveLeavesTheOldFileIntact) {
    const fs::path file = dir / "keep.kvxw";
    write_bytes(file, "old contents");
    EXPECT_NE(write_project_file(file, {"korvex for wood", "\xF0\x9F\x98\x80"}), "");
    EXPECT_EQ(bytes_of(file), "old contents");

    // A target that cannot be replaced: the temporary file is removed again.
    const fs::path folder = dir / "folder.kvxw";
    fs::create_directories(folder / "inside");
    EXPECT_NE(write_project_file(folder, {"korvex for wood"}), "");
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    EXPECT_NE(write_project_file(dir / "no" / "such" / "x.kvxw", {"korvex for wood"}), "");
}

// Runs `work` in a child process without the rights of root, so that a folder's
// missing write permission holds even when the tests run as root. Returns the
// child's exit status.
template <typename Work> int as_unprivileged_user(Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(100);
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

TEST_F(ProjectFile, ASaveIntoAReadOnlyFolderKeepsTheOldFile) {
    const fs::path folder = dir / "locked";
    fs::create_directories(folder);
    const fs::path file = folder / "keep.kvxw";
    write_bytes(file, "old contents");
    fs::permissions(dir, fs::perms::all, fs::perm_options::add); // others may enter
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    const int status = as_unprivileged_user([&] {
        const std::string error = write_project_file(file, {"korvex for wood", "new"});
        if (error.empty()) return 1;
        return error.find(file.string()) != std::string::npos ? 0 : 2;
    });
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(status, 0) << "1: the save reported success, 2: its message names no file";
    EXPECT_EQ(bytes_of(file), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(ProjectPaths, DialogProposalsPreferTheOpenedFile) {
    const fs::path program = "/opt/korvex/bin";
    ProjectPaths paths;
    EXPECT_EQ(propose_save(paths, program).folder, program / "Data");
    EXPECT_EQ(propose_save(paths, program).fileName, "Data.kvxw");
    EXPECT_EQ(propose_open_folder(paths, program), program / "Data");

    paths.lastSavedPath = "/home/u/saved/b.kvxw";
    EXPECT_EQ(propose_save(paths, program).folder, "/home/u/saved");
    EXPECT_EQ(propose_open_folder(paths, program), "/home/u/saved");

    paths.lastOpenedPath = "/home/u/opened/a.txt";
    EXPECT_EQ(propose_save(paths, program).folder, "/home/u/opened");
    EXPECT_EQ(propose_save(paths, program).fileName, "a.kvxw");
    EXPECT_EQ(propose_open_folder(paths, program), "/home/u/opened");
}

TEST(ProjectPaths, ExtensionAndCaption) {
    EXPECT_EQ(with_project_extension("/d/plan"), "/d/plan.kvxw");
    EXPECT_EQ(with_project_extension("/d/plan.kvxw"), "/d/plan.kvxw");
    EXPECT_EQ(project_caption("/d/plan.kvxw"), "Korvex for wood [/d/plan.kvxw]");
}

} // namespace
} // namespace korvex::persist
