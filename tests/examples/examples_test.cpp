// The example designs of examples/: the program's JSON for each must be the
// committed one byte for byte, so that any change of a figure shows up here and
// is reviewed (scripts/examples writes the new results once it is meant).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> example_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(KORVEX_EXAMPLES))
        if (entry.path().extension() == ".kvxw") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string read_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// As scripts/examples runs it: inside examples/ with the bare file name, and with
// an empty data home, so no user's own site table changes the results.
std::string korvex_json(const std::string& name) {
    static const QTemporaryDir kEmptyDataHome;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", kEmptyDataHome.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(KORVEX_EXAMPLES);
    process.start(KORVEX_BINARY, {"--json", QString::fromStdString(name + ".kvxw")});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

// The first line that differs, with its number, so the failure names the figure.
std::string first_difference(const std::string& committed, const std::string& current) {
    std::istringstream a(committed), b(current);
    std::string line_a, line_b;
    for (int number = 1;; ++number) {
        const bool more_a = static_cast<bool>(std::getline(a, line_a));
        const bool more_b = static_cast<bool>(std::getline(b, line_b));
        if (!more_a && !more_b) return "no line differs";
        if (!more_a || !more_b || line_a != line_b)
            return "line " + std::to_string(number) + ": committed \"" + (more_a ? line_a : "") +
                   "\", program \"" + (more_b ? line_b : "") + "\"";
    }
}

class Example : public ::testing::TestWithParam<std::string> {};

TEST_P(Example, ProgramPrintsTheCommittedJson) {
    const fs::path folder(KORVEX_EXAMPLES);
    const std::string committed = read_file(folder / (GetParam() + ".json"));
    ASSERT_FALSE(committed.empty()) << "examples/" << GetParam() << ".json is missing";
    const std::string current = korvex_json(GetParam());
    EXPECT_TRUE(current == committed)
        << "examples/" << GetParam() << ".json, " << first_difference(committed, current)
        << "\nReview the change; if it is meant, run scripts/examples and commit the results.";

    const std::string pdf = read_file(folder / (GetParam() + ".pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-") << "examples/" << GetParam() << ".pdf";
}

INSTANTIATE_TEST_SUITE_P(Examples, Example, ::testing::ValuesIn(example_names()),
                         [](const auto& info) { return info.param; });

QJsonObject committed_inputs(const std::string& name) {
    const std::string text = read_file(fs::path(KORVEX_EXAMPLES) / (name + ".json"));
    return QJsonDocument::fromJson(QByteArray::fromStdString(text))["inputs"].toObject();
}

// The set is meant to show the program at work on every kind of design; a
// change that drops one of them from the examples has to be noticed.
TEST(Examples, CoverEveryKindOfDesign) {
    std::set<int> span_counts, roof_types;
    bool heavy_snow = false, ordinary_snow = false, cantilever = false, direct = false;
    for (const std::string& name : example_names()) {
        const QJsonObject in = committed_inputs(name);
        span_counts.insert(in["spanCount"].toInt());
        roof_types.insert(in["roofType"].toInt());
        (in["heavySnowArea"].toBool() ? heavy_snow : ordinary_snow) = true;
        cantilever = cantilever || in["cantileverMode"].toInt() != 0;
        direct = direct || in["directLoadInput"].toBool();
    }
    EXPECT_EQ(span_counts, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(roof_types, (std::set<int>{3, 4, 5, 6}));
    EXPECT_TRUE(heavy_snow && ordinary_snow);
    EXPECT_TRUE(cantilever);
    EXPECT_TRUE(direct);
}

} // namespace
