#include <gtest/gtest.h>

#include <fstream>

#include "form/change_tracking.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/recovery.h"
#include "form/spin_edits.h"
#include "persist/recovery_copy.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

namespace fs = std::filesystem;

class RecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        ASSERT_FALSE(start_session(session, folder.path(), "1.0"));
        ASSERT_FALSE(start_session(next, folder.path(), "1.0"));
    }

    fs::path keep() const { return folder.path() / "user" / "korvex"; }

    korvex::testing::DataFolder folder;
    Session session; // the run that crashed
    Session next;    // the run after it
};

TEST_F(RecoveryTest, TheKeptFormComesBackWithItsFileAndStillUnsaved) {
    const fs::path design = folder.path() / "warehouse.kvxw";
    ASSERT_EQ(save_project(session, design), "");
    session.form.span1Edit.text = "3150";
    set_spin_value(session.form, session.form.liveLoadSpin, 600);
    session.printSettings.subject = "倉庫 A棟";
    ASSERT_EQ(keep_recovery_copy(session, keep()), "") << "the folder is made when missing";
    ASSERT_TRUE(persist::has_recovery_copy(keep()));

    const RecoveryOutcome outcome = restore_recovery_copy(next, keep());
    EXPECT_TRUE(outcome.restored);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(collect_project_lines(next), collect_project_lines(session));
    EXPECT_EQ(next.paths.currentFilePath, design);
    EXPECT_EQ(window_caption(next), persist::project_caption(design) + kUnsavedMark);

    persist::remove_recovery_copy(keep());
    EXPECT_FALSE(persist::has_recovery_copy(keep()));
    EXPECT_FALSE(restore_recovery_copy(next, keep()).restored) << "nothing left to offer";
}

TEST_F(RecoveryTest, ADesignNeverSavedComesBackWithoutAFile) {
    session.form.eaveHeightEdit.text = "7200";
    ASSERT_EQ(keep_recovery_copy(session, keep()), "");
    ASSERT_TRUE(restore_recovery_copy(next, keep()).restored);
    EXPECT_EQ(next.form.eaveHeightEdit.text, "7200");
    EXPECT_TRUE(next.paths.currentFilePath.empty());
    EXPECT_EQ(window_caption(next), std::string(kMainCaption) + kUnsavedMark);
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndNotApplied) {
    fs::create_directories(keep());
    std::ofstream(persist::recovery_copy_file(keep()), std::ios::binary) << "\x01\x02garbage";
    const RecoveryOutcome outcome = restore_recovery_copy(next, keep());
    EXPECT_FALSE(outcome.restored);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find("復元できませんでした"), std::string::npos);
    EXPECT_FALSE(has_unsaved_changes(next));
}

TEST_F(RecoveryTest, AFolderThatCannotBeMadeGivesAnError) {
    std::ofstream(folder.path() / "user") << "a file where the folder should be";
    EXPECT_NE(keep_recovery_copy(session, keep()), "");
    EXPECT_FALSE(persist::has_recovery_copy(keep()));
}

} // namespace
} // namespace korvex::form
