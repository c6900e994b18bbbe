#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/fuzz_checks.h"

namespace korvex::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> files_in(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class KeptInputs : public ::testing::TestWithParam<const char*> {};

// Every finding the fuzzers ever made, and the seeds they started from, must pass
// the same checks the fuzzer applies.
TEST_P(KeptInputs, PassEveryCheck) {
    const std::string target = GetParam();
    std::vector<fs::path> files = files_in(fs::path(KORVEX_FUZZ_DIR) / "regressions" / target);
    const auto seeds = files_in(fs::path(KORVEX_FUZZ_DIR) / "seeds" / target);
    files.insert(files.end(), seeds.begin(), seeds.end());
    if (target == "project_file") {
        const auto fixtures = files_in(KORVEX_FIXTURES);
        files.insert(files.end(), fixtures.begin(), fixtures.end());
    }
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        const Faults faults = check_target(target, bytes_of(file));
        EXPECT_TRUE(faults.empty()) << file << ":\n" << ::testing::PrintToString(faults);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputs, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace korvex::fuzz
