#include <gtest/gtest.h>

#include "form/calculate.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "tests/form/form_fixture.h"

namespace korvex::form {
namespace {

class CalculateTest : public SessionTest {};

TEST_F(CalculateTest, DefaultsCalculateThroughToTheVerdict) {
    ASSERT_FALSE(calculate(s));
    EXPECT_EQ(s.inputs.prefectureName, "北海道");
    EXPECT_EQ(s.inputs.areaName, "札幌市");
    EXPECT_EQ(s.inputs.baseWindSpeed, 32);
    EXPECT_EQ(s.inputs.snowDepth, 140);
    EXPECT_TRUE(s.inputs.heavySnowArea);
    EXPECT_EQ(s.run.checkPages.size(), 5u); // heavy snow adds the no-snow case
    EXPECT_FALSE(s.run.verdict.text.empty());
    EXPECT_TRUE(s.run.detailPages);
    EXPECT_FALSE(s.snapshot.cantileverShown);
    EXPECT_EQ(s.snapshot.unitWeightText, "127");
}

TEST_F(CalculateTest, AFailedValidationKeepsTheLastResults) {
    ASSERT_FALSE(calculate(s));
    const double moment = s.run.checkPages.front().maxMoment;
    s.form.span1Edit.text = "12001";
    const auto failure = calculate(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "デッキの最大長さを超えています。");
    EXPECT_EQ(failure->focus, "span1Edit");
    EXPECT_EQ(s.form.activeControl, "span1Edit");
    EXPECT_EQ(s.run.checkPages.front().maxMoment, moment);
    EXPECT_EQ(s.inputs.spanLength[0], 2500);
}

TEST_F(CalculateTest, TheIncreaseResultIsResetEveryTime) {
    s.increase.status = 2;
    s.increase.factor = 3.0;
    ASSERT_FALSE(calculate(s)); // a heavy-snow site: the check does not apply
    EXPECT_EQ(s.increase.status, 0);
    EXPECT_EQ(s.increase.factor, 1.0);
}

} // namespace
} // namespace korvex::form
