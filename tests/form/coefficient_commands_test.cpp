#include <gtest/gtest.h>

#include "form/coefficient_commands.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

class CoefficientCommands : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        ASSERT_FALSE(start_session(s, folder.path(), "1.0"));
    }
    korvex::testing::DataFolder folder;
    Session s;
};

TEST_F(CoefficientCommands, SetAppliesTheLayoutEveryTime) {
    persist::select_method(s.coefficientDialog, calc::LayoutMode::directLoads);
    coefficient_cancel(s); // the method stays chosen in the dialog
    EXPECT_EQ(s.form.state.layoutMode, calc::LayoutMode::derivedLoads);
    EXPECT_FALSE(coefficient_set(s));
    EXPECT_EQ(s.form.state.layoutMode, calc::LayoutMode::directLoads);
    EXPECT_EQ(s.form.height, 375);
    EXPECT_TRUE(s.form.directLoadPanel.visible);

    persist::select_method(s.coefficientDialog, calc::LayoutMode::derivedLoads);
    EXPECT_FALSE(coefficient_set(s));
    EXPECT_EQ(s.form.height, 575);
}

TEST_F(CoefficientCommands, ANonNumericRatioKeepsTheDialogOpen) {
    s.coefficientDialog.visible = true;
    s.coefficientDialog.ratioEdits[3] = "";
    persist::select_method(s.coefficientDialog, calc::LayoutMode::directLoads);
    const auto failure = coefficient_set(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->editIndex, 3);
    EXPECT_TRUE(s.coefficientDialog.visible);
    EXPECT_EQ(s.form.state.layoutMode, calc::LayoutMode::derivedLoads);
}

} // namespace
} // namespace korvex::form
