#include <deque>
#include <fstream>
#include <iterator>

#include <QTemporaryDir>

#include "app/project_file_dialogs.h"
#include "persist/project_file.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

// Answers the dialogs from a prepared list and remembers what they proposed.
class ScriptedChooser : public ProjectFileChooser {
public:
    std::optional<fs::path> choose_save(QWidget*, const fs::path& folder,
                                        const QString& name) override {
        saveProposals.push_back({folder, name.toStdString()});
        return next();
    }
    std::optional<fs::path> choose_open(QWidget*, const fs::path& folder) override {
        openFolders.push_back(folder);
        return next();
    }

    std::deque<std::optional<fs::path>> answers;
    std::vector<persist::SaveProposal> saveProposals;
    std::vector<fs::path> openFolders;

private:
    std::optional<fs::path> next() {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

void start(form::Session& session) {
    ASSERT_FALSE(form::start_session(session, KORVEX_DATA_DIR, "1.0"));
}

std::string read_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProjectFileDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        start(session);
    }

    ProjectCommandContext context() { return {nullptr, chooser, sink, programFolder}; }

    fs::path folder() const { return to_path(dir.path()); }

    QTemporaryDir dir;
    fs::path programFolder = "/opt/korvex/bin";
    form::Session session;
    ScriptedChooser chooser;
    RecordingSink sink;
};

TEST_F(ProjectFileDialogsTest, SavedProjectComesBackThroughTheOpenDialog) {
    session.form.span1Edit.text = "3150";
    session.form.eaveHeightEdit.text = "4200";
    chooser.answers = {folder() / "roof"};
    const ProjectCommandResult saved = save_project_command(session, context());
    EXPECT_TRUE(saved.succeeded);
    ASSERT_EQ(chooser.saveProposals.size(), 1);
    EXPECT_EQ(chooser.saveProposals[0].folder, programFolder / "Data");
    EXPECT_EQ(chooser.saveProposals[0].fileName, "Data.kvxw");

    const fs::path file = folder() / "roof.kvxw";
    ASSERT_TRUE(fs::exists(file)) << "the extension is added to a bare name";
    EXPECT_FALSE(fs::exists(folder() / "roof"));
    EXPECT_EQ(session.form.caption, "Korvex for wood [" + file.string() + "]");
    EXPECT_TRUE(sink.messages.isEmpty());

    form::Session fresh;
    start(fresh);
    chooser.answers = {file};
    const ProjectCommandResult loaded = load_project_command(fresh, context());
    EXPECT_TRUE(loaded.succeeded);
    EXPECT_TRUE(loaded.changed);
    ASSERT_EQ(chooser.openFolders.size(), 1);
    EXPECT_EQ(chooser.openFolders[0], programFolder / "Data");
    EXPECT_EQ(fresh.form.span1Edit.text, "3150");
    EXPECT_EQ(fresh.form.eaveHeightEdit.text, "4200");
    EXPECT_EQ(fresh.form.caption, session.form.caption);
    EXPECT_EQ(fresh.paths.currentFilePath, file);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();

    // The next save proposes the opened file in its folder.
    chooser.answers = {std::nullopt};
    EXPECT_FALSE(save_project_command(fresh, context()).chosen);
    EXPECT_EQ(chooser.saveProposals.back().folder, folder());
    EXPECT_EQ(chooser.saveProposals.back().fileName, "roof.kvxw");
}

TEST_F(ProjectFileDialogsTest, ExistingFileIsReplacedOnlyAfterYes) {
    const fs::path file = folder() / "roof.kvxw";
    std::ofstream(file, std::ios::binary) << "keep";

    // No: the dialog comes back on the same name; cancelling it writes nothing.
    sink.answer = false;
    chooser.answers = {folder() / "roof", std::nullopt};
    EXPECT_FALSE(save_project_command(session, context()).succeeded);
    ASSERT_EQ(sink.questions.size(), 1);
    EXPECT_TRUE(sink.questions[0].contains(from_path(file)));
    ASSERT_EQ(chooser.saveProposals.size(), 2);
    EXPECT_EQ(chooser.saveProposals[1].fileName, "roof.kvxw");
    EXPECT_EQ(read_bytes(file), "keep");
    EXPECT_EQ(session.form.caption, form::kMainCaption);

    sink.answer = true;
    chooser.answers = {file};
    EXPECT_TRUE(save_project_command(session, context()).succeeded);
    EXPECT_EQ(sink.questions.size(), 2);
    EXPECT_EQ(read_bytes(file).substr(0, 15), persist::kProjectIdentification);
}

TEST_F(ProjectFileDialogsTest, CancelledDialogsChangeNothing) {
    chooser.answers = {std::nullopt};
    EXPECT_FALSE(save_project_command(session, context()).chosen);
    chooser.answers = {std::nullopt};
    const ProjectCommandResult result = load_project_command(session, context());
    EXPECT_FALSE(result.chosen);
    EXPECT_FALSE(result.changed);
    EXPECT_TRUE(session.paths.lastOpenedPath.empty());
    EXPECT_TRUE(session.paths.lastSavedPath.empty());
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ProjectFileDialogsTest, AFileThatIsNoProjectIsNamedAndChangesNothing) {
    chooser.answers = {fs::path(KORVEX_FIXTURES) / "not_a_project.kvxw"};
    const ProjectCommandResult result = load_project_command(session, context());
    EXPECT_TRUE(result.chosen);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(sink.messages, QStringList{persist::kNotAProjectMessage});
    EXPECT_EQ(session.form.caption, form::kMainCaption);
}

TEST_F(ProjectFileDialogsTest, EveryMessageOfTheLoaderIsShownInOrder) {
    std::string text = read_bytes(fs::path(KORVEX_FIXTURES) / "tokyo_one_span.kvxw");
    std::vector<std::string> fixture;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        fixture.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(fixture.size(), 65);
    const auto write = [&](const std::vector<std::pair<int, std::string>>& changes) {
        std::vector<std::string> lines = fixture;
        for (const auto& [line, value] : changes) lines[line] = value;
        const fs::path file = folder() / "broken.kvxw";
        std::ofstream out(file, std::ios::binary);
        for (const auto& line : lines) out << line << "\r\n";
        return file;
    };

    // Broken ratio lines are each reported and loading goes on.
    fs::path file = write({{40, "abc"}, {50, "x"}});
    ProjectCommandResult result = open_project_file(session, file, sink);
    EXPECT_TRUE(result.succeeded);
    ASSERT_EQ(sink.messages.size(), 2) << sink.messages.join('\n').toStdString();
    EXPECT_TRUE(sink.messages[0].contains("abc"));
    EXPECT_TRUE(sink.messages[1].contains("「x」"));
    EXPECT_EQ(session.coefficients.comboRatio[0][5], 1.0);
    EXPECT_EQ(session.form.caption, persist::project_caption(file));

    // A snow depth that is no integer stops the loading after its message.
    sink.messages.clear();
    file = write({{19, "1.5"}, {40, "abc"}});
    result = open_project_file(session, file, sink);
    EXPECT_TRUE(result.changed);
    EXPECT_FALSE(result.succeeded);
    ASSERT_EQ(sink.messages.size(), 1) << sink.messages.join('\n').toStdString();
    EXPECT_TRUE(sink.messages[0].contains("1.5"));
}

} // namespace
} // namespace korvex::app
