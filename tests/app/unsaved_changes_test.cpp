// The question about unsaved edits on closing, loading and dropping a file; the
// caption's mark; the copy kept against a crash; the recent designs.

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/program_windows.h"
#include "app/startup.h"
#include "form/change_tracking.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/recovery.h"
#include "persist/project_file.h"
#include "persist/recovery_copy.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

// Answers the file dialogs from a prepared list and counts them.
class ScriptedChooser : public ProjectFileChooser {
public:
    std::optional<fs::path> choose_save(QWidget*, const fs::path&, const QString&) override {
        ++saveDialogs;
        return next();
    }
    std::optional<fs::path> choose_open(QWidget*, const fs::path&) override {
        ++openDialogs;
        return next();
    }
    std::deque<std::optional<fs::path>> answers;
    int saveDialogs = 0;
    int openDialogs = 0;

private:
    std::optional<fs::path> next() {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class UnsavedChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings().remove(kRecentDesignsKey);
        open_windows();
    }

    void open_windows() {
        windows.reset();
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        windows = std::make_unique<ProgramWindows>(*session, sink, chooser, folder(),
                                                   KORVEX_DATA_DIR, UserStore{keep(), kDelay});
        windows->start();
        windows->main_window().show();
        windows->main_window().activateWindow();
        QApplication::processEvents();
    }

    fs::path folder() const { return to_path(dir.path()); }
    fs::path keep() const { return folder() / "user" / "korvex"; }
    MainWindow& main() { return windows->main_window(); }

    // Typed into the first span edit, as the user would.
    void type_span(const QString& text) {
        auto* span = main().findChild<QLineEdit*>("span1Edit");
        span->selectAll();
        testing::type_text(span, text);
    }

    fs::path saved_design(const char* name, const char* span) {
        const fs::path file = folder() / name;
        form::Session other = *korvex::testing::started_session();
        other.form.span1Edit.text = span;
        EXPECT_EQ(form::save_project(other, file), "");
        return file;
    }

    // The window's caption ends with the unsaved mark.
    bool marked() { return main().windowTitle().endsWith(form::kUnsavedMark); }

    static constexpr std::chrono::milliseconds kDelay{30};
    QTemporaryDir dir;
    std::unique_ptr<form::Session> session;
    RecordingSink sink;
    ScriptedChooser chooser;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(UnsavedChangesTest, TheCaptionMarksEditsUntilTheyAreSaved) {
    EXPECT_FALSE(marked());
    type_span("2700");
    EXPECT_TRUE(marked());
    EXPECT_EQ(main().windowTitle(),
              "Korvex屋根計算プログラム-木造梁-" + QString(form::kUnsavedMark));

    chooser.answers = {folder() / "a.kvxw"};
    windows->save_current(); // no name yet: the save dialog asks for one
    EXPECT_EQ(chooser.saveDialogs, 1);
    EXPECT_EQ(main().windowTitle(), "Korvex for wood [" + from_path(folder() / "a.kvxw") + "]");

    // A file that is no project leaves the form and its mark as they were.
    type_span("2800");
    std::ofstream(folder() / "note.kvxw") << "note\r\n";
    sink.saveAnswer = SaveAnswer::discard;
    windows->open_file(folder() / "note.kvxw");
    EXPECT_TRUE(marked());
    EXPECT_EQ(session->form.span1Edit.text, "2800");

    // Loading clears it.
    windows->open_file(saved_design("b.kvxw", "3100"));
    EXPECT_FALSE(marked());
}

// Each answer on closing: はい saves (asking for a name when there is none), a
// cancelled or failed save keeps the window, いいえ closes, キャンセル stays.
TEST_F(UnsavedChangesTest, ClosingAsksAndEachAnswerDoesWhatItSays) {
    type_span("2700");

    sink.saveAnswers = {SaveAnswer::cancel};
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    ASSERT_EQ(sink.questions.size(), 1);
    EXPECT_EQ(sink.questions[0], "変更を保存しますか？");

    sink.saveAnswers = {SaveAnswer::save};
    chooser.answers = {std::nullopt}; // the name is asked for, and not given
    EXPECT_FALSE(main().close());
    EXPECT_EQ(chooser.saveDialogs, 1);

    sink.saveAnswers = {SaveAnswer::save};
    chooser.answers = {folder() / "no_such_folder" / "a.kvxw"}; // the save fails
    EXPECT_FALSE(main().close());
    EXPECT_FALSE(sink.messages.isEmpty()) << "the failure is reported";

    sink.saveAnswers = {SaveAnswer::save};
    chooser.answers = {folder() / "roof"};
    EXPECT_TRUE(main().close());
    const auto saved = persist::read_project_file(folder() / "roof.kvxw");
    ASSERT_TRUE(std::holds_alternative<persist::ProjectLines>(saved));
    EXPECT_EQ(std::get<persist::ProjectLines>(saved)[24], "2700");

    open_windows();
    type_span("2900");
    sink.saveAnswers = {SaveAnswer::discard};
    EXPECT_TRUE(main().close());
    EXPECT_FALSE(main().isVisible());

    open_windows();
    const qsizetype asked = sink.questions.size();
    EXPECT_TRUE(main().close()) << "nothing to lose, nothing to ask";
    EXPECT_EQ(sink.questions.size(), asked);
}

// Each answer on loading: キャンセル keeps the form and opens nothing, いいえ
// replaces it, はい saves it under its own name first.
TEST_F(UnsavedChangesTest, LoadingAsksFirstAndEachAnswerDoesWhatItSays) {
    const fs::path other = saved_design("other.kvxw", "3300");
    const fs::path mine = saved_design("mine.kvxw", "2500");
    windows->open_file(mine);
    type_span("2700");

    sink.saveAnswers = {SaveAnswer::cancel};
    chooser.answers = {other};
    windows->load();
    EXPECT_EQ(chooser.openDialogs, 0) << "cancelled before the open dialog";
    EXPECT_EQ(session->form.span1Edit.text, "2700");

    sink.saveAnswers = {SaveAnswer::save};
    windows->load();
    EXPECT_EQ(chooser.saveDialogs, 0) << "the design has its name";
    EXPECT_EQ(chooser.openDialogs, 1);
    EXPECT_EQ(session->form.span1Edit.text, "3300");
    const auto mine_now = persist::read_project_file(mine);
    EXPECT_EQ(std::get<persist::ProjectLines>(mine_now)[24], "2700");

    type_span("3400");
    sink.saveAnswers = {SaveAnswer::discard};
    chooser.answers = {mine};
    windows->load();
    EXPECT_EQ(session->form.span1Edit.text, "2700");
    EXPECT_EQ(std::get<persist::ProjectLines>(persist::read_project_file(other))[24], "3300");
}

TEST_F(UnsavedChangesTest, ADroppedProjectOpensAfterTheQuestion) {
    const fs::path file = saved_design("dropped.kvxw", "3600");
    type_span("2700");
    const auto drop = [&](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QWidget* target = main().findChild<QWidget*>("spanPanel");
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QApplication::processEvents();
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop(dir.filePath("picture.png"))) << "only project files are taken";

    sink.saveAnswers = {SaveAnswer::cancel};
    EXPECT_TRUE(drop(from_path(file)));
    EXPECT_EQ(sink.questions.size(), 1);
    EXPECT_EQ(session->form.span1Edit.text, "2700");

    sink.saveAnswers = {SaveAnswer::discard};
    drop(from_path(file));
    EXPECT_EQ(session->form.span1Edit.text, "3600");
    EXPECT_EQ(session->paths.currentFilePath, file);
}

TEST_F(UnsavedChangesTest, TheRecoveryCopyFollowsTheEditsAndGoesOnSaveAndExit) {
    ASSERT_TRUE(windows->recovery_keeper().owns_copy());
    type_span("2700");
    EXPECT_FALSE(persist::has_recovery_copy(keep())) << "not at every key";
    QTest::qWait(static_cast<int>(kDelay.count()) * 4);
    ASSERT_TRUE(persist::has_recovery_copy(keep()));
    const auto kept = persist::read_recovery_copy(keep());
    EXPECT_EQ(std::get<persist::RecoveryCopy>(*kept).lines, form::collect_project_lines(*session));

    // Saving removes it; the next edit brings it back.
    chooser.answers = {folder() / "a.kvxw"};
    windows->save_current();
    EXPECT_FALSE(persist::has_recovery_copy(keep()));
    type_span("2800");
    QTest::qWait(static_cast<int>(kDelay.count()) * 4);
    EXPECT_TRUE(persist::has_recovery_copy(keep()));

    // Undoing the edit leaves nothing to keep.
    type_span("2700");
    QTest::qWait(static_cast<int>(kDelay.count()) * 4);
    EXPECT_FALSE(persist::has_recovery_copy(keep()));

    // Ending in order removes it, whatever the answer.
    type_span("2900");
    QTest::qWait(static_cast<int>(kDelay.count()) * 4);
    ASSERT_TRUE(persist::has_recovery_copy(keep()));
    sink.saveAnswers = {SaveAnswer::discard};
    EXPECT_TRUE(main().close());
    EXPECT_FALSE(persist::has_recovery_copy(keep()));
}

TEST_F(UnsavedChangesTest, TheNextStartOffersTheCopyAndDecliningRemovesIt) {
    // A run that ended without closing: its copy is all that is left.
    form::Session crashed = *korvex::testing::started_session();
    crashed.form.span1Edit.text = "3150";
    crashed.paths.currentFilePath = folder() / "warehouse.kvxw";
    windows.reset();
    ASSERT_EQ(form::keep_recovery_copy(crashed, keep()), "");

    sink.answer = true;
    open_windows();
    ASSERT_EQ(sink.questions.size(), 1);
    EXPECT_EQ(sink.questions[0], "前回終了時の編集内容を復元しますか？");
    EXPECT_EQ(session->form.span1Edit.text, "3150");
    EXPECT_EQ(main().findChild<QLineEdit*>("span1Edit")->text(), "3150");
    EXPECT_EQ(main().windowTitle(), "Korvex for wood [" + from_path(folder() / "warehouse.kvxw") +
                                        "]" + form::kUnsavedMark);
    EXPECT_TRUE(persist::has_recovery_copy(keep())) << "kept until saved or closed";

    // A second program started meanwhile neither offers nor touches the copy.
    RecordingSink second_sink;
    RecoveryKeeper second(*session, keep(), second_sink);
    EXPECT_FALSE(second.owns_copy());
    second.discard();
    EXPECT_TRUE(persist::has_recovery_copy(keep()));

    windows.reset(); // killed: the copy stays
    sink.questions.clear();
    sink.answer = false;
    open_windows();
    EXPECT_EQ(sink.questions.size(), 1);
    EXPECT_EQ(session->form.span1Edit.text, "2500");
    EXPECT_FALSE(persist::has_recovery_copy(keep()));
    EXPECT_FALSE(main().windowTitle().endsWith(form::kUnsavedMark));
}

TEST_F(UnsavedChangesTest, RecentDesignsAreTheLastEightOpenedOrSaved) {
    std::vector<fs::path> files;
    for (int i = 0; i < 9; ++i) {
        files.push_back(saved_design(("d" + std::to_string(i) + ".kvxw").c_str(), "2500"));
        windows->open_file(files.back());
    }
    chooser.answers = {folder() / "saved.kvxw"};
    windows->save();
    files.push_back(folder() / "saved.kvxw");
    windows->open_file(files[5]); // opened again: to the front, once

    const QStringList recent = windows->recent_designs().files();
    ASSERT_EQ(recent.size(), kRecentDesignCount);
    EXPECT_EQ(recent[0], from_path(files[5]));
    EXPECT_EQ(recent[1], from_path(files[9]));
    EXPECT_EQ(recent[2], from_path(files[8]));
    EXPECT_EQ(recent.count(from_path(files[5])), 1);
    EXPECT_FALSE(recent.contains(from_path(files[0])));

    // Kept in the settings for the next run; a file gone since is greyed.
    fs::remove(files[8]);
    open_windows();
    QMenu& menu = main().recent_menu();
    emit menu.aboutToShow();
    QList<QAction*> entries;
    for (QAction* action : menu.actions())
        if (action->data().isValid()) entries << action;
    ASSERT_EQ(entries.size(), kRecentDesignCount);
    EXPECT_EQ(entries[0]->data().toString(), from_path(files[5]));
    EXPECT_TRUE(entries[0]->isEnabled());
    EXPECT_FALSE(entries[2]->isEnabled()) << "d8.kvxw is gone";

    // Choosing an entry opens it; the missing one can be taken off the list.
    entries[1]->trigger();
    EXPECT_EQ(session->paths.currentFilePath, files[9]);
    auto* remove = menu.findChild<QAction*>("removeMissingAction");
    ASSERT_NE(remove, nullptr);
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    EXPECT_FALSE(windows->recent_designs().files().contains(from_path(files[8])));
    EXPECT_EQ(windows->recent_designs().files().size(), kRecentDesignCount - 1);
}

} // namespace
} // namespace korvex::app
