#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "form/change_tracking.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/roof.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "persist/project_file.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

namespace fs = std::filesystem;

class ChangeTrackingTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        ASSERT_FALSE(start_session(session, folder.path(), "1.0"));
    }

    fs::path file(const std::string& name) const { return folder.path() / name; }

    korvex::testing::DataFolder folder;
    Session session;
};

TEST_F(ChangeTrackingTest, EveryKindOfEditCountsAndUndoingItDoesNot) {
    EXPECT_FALSE(has_unsaved_changes(session)) << "the design started with";
    EXPECT_EQ(window_caption(session), kMainCaption);

    struct Edit {
        const char* what;
        std::function<void(Session&)> make;
    };
    const Edit edits[] = {
        {"typed span", [](Session& s) { s.form.span1Edit.text = "2600"; }},
        {"spin edit", [](Session& s) { set_spin_value(s.form, s.form.liveLoadSpin, 600); }},
        {"list", [](Session& s) { s.form.roughnessBox.itemIndex = 2; }},
        {"radio", [](Session& s) { select_roof_type(s.form, calc::RoofType::gable); }},
        {"coefficient", [](Session& s) { s.coefficients.designStrength = 235; }},
        {"print subject", [](Session& s) { s.printSettings.subject = "倉庫"; }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.what);
        Session edited = session;
        edit.make(edited);
        EXPECT_TRUE(has_unsaved_changes(edited));
        EXPECT_EQ(window_caption(edited), std::string(kMainCaption) + kUnsavedMark);
    }

    // Back to what it was: nothing is lost by leaving it.
    session.form.span1Edit.text = "2600";
    session.form.span1Edit.text = "2500";
    EXPECT_FALSE(has_unsaved_changes(session));
}

TEST_F(ChangeTrackingTest, SavingAndLoadingClearTheMarkAFailedLoadDoesNot) {
    session.form.eaveHeightEdit.text = "8000";
    ASSERT_EQ(save_project(session, file("a.kvxw")), "");
    EXPECT_FALSE(has_unsaved_changes(session));
    EXPECT_EQ(window_caption(session), persist::project_caption(file("a.kvxw")));

    // A failed save keeps the mark.
    session.form.eaveHeightEdit.text = "9000";
    EXPECT_NE(save_project(session, folder.path() / "missing" / "b.kvxw"), "");
    EXPECT_TRUE(has_unsaved_changes(session));

    // A file that is no project changes nothing, the mark included.
    std::ofstream(file("note.kvxw")) << "hello\r\n";
    EXPECT_TRUE(load_project(session, file("note.kvxw")).failed);
    EXPECT_TRUE(has_unsaved_changes(session));
    EXPECT_EQ(session.form.eaveHeightEdit.text, "9000");

    EXPECT_FALSE(load_project(session, file("a.kvxw")).failed);
    EXPECT_EQ(session.form.eaveHeightEdit.text, "8000");
    EXPECT_FALSE(has_unsaved_changes(session));

    // Stopped part-way: the form holds lines of two designs and matches neither.
    persist::ProjectLines lines = collect_project_lines(session);
    lines[7] = "7000";
    lines[21] = "many"; // the live load must be an integer
    ASSERT_EQ(persist::write_project_file(file("broken.kvxw"), lines), "");
    EXPECT_TRUE(load_project(session, file("broken.kvxw")).failed);
    EXPECT_EQ(session.form.eaveHeightEdit.text, "7000");
    EXPECT_TRUE(has_unsaved_changes(session));
}

// The browser writes the bytes itself, and the user may type on meanwhile: the
// save counts for what was written, not for the edits made while it ran.
TEST_F(ChangeTrackingTest, ASaveWrittenElsewhereCountsForWhatWasWritten) {
    session.form.eaveHeightEdit.text = "8000";
    persist::ProjectLines written = collect_project_lines(session);
    session.form.eaveHeightEdit.text = "8500"; // typed while the file was being written
    note_project_saved(session, "倉庫.kvxw", written);
    EXPECT_EQ(window_caption(session), "Korvex for wood [倉庫.kvxw]" + std::string(kUnsavedMark));
    EXPECT_EQ(session.paths.currentFilePath, "倉庫.kvxw");
    session.form.eaveHeightEdit.text = "8000";
    EXPECT_FALSE(has_unsaved_changes(session));
}

} // namespace
} // namespace korvex::form
