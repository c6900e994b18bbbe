#include <gtest/gtest.h>

#include <functional>

#include "form/calculate.h"
#include "form/control_events.h"
#include "form/layout.h"
#include "form/live_verdict.h"
#include "form/project_lines.h"
#include "report/check_page.h"
#include "run/utilization.h"
#include "tests/form/form_fixture.h"

namespace korvex::form {
namespace {

// The user's change, through the window's own path.
void set(Session& s, std::string_view control, std::string_view value) {
    change_control(s, control, value);
}

void direct_loads(Session& s) {
    apply_layout(s.form, calc::LayoutMode::directLoads);
}

class LiveVerdictTest : public SessionTest {};

// Sapporo of the fixture: 140 cm of snow, one span of 2500 mm at the start.
TEST_F(LiveVerdictTest, VerdictAndLargestRatioAreThoseOfCalculate) {
    struct Case {
        const char* what;
        std::function<void(Session&)> change;
        LiveState state;
        run::CheckKind kind;
        const char* text;
    };
    const Case cases[] = {
        {"passes", [](Session& t) { set(t, "span1Edit", "1500"); }, LiveState::ok,
         run::CheckKind::deflection, "判定 ＯＫ　最大検定比 0.25（短期 (積雪時)・たわみ）"},
        {"fails by deflection", [](Session& t) { set(t, "span1Edit", "3000"); }, LiveState::ng,
         run::CheckKind::deflection, "判定 ＮＧ　最大検定比 2.06（短期 (積雪時)・たわみ）"},
        {"fails by stress",
         [](Session& t) {
             direct_loads(t);
             set(t, "directSnowLoadSpin", "60000");
             set(t, "span1Edit", "900");
         },
         LiveState::ng, run::CheckKind::stress, "判定 ＮＧ　最大検定比 1.19（長期・応力）"},
        {"fails by the joint force",
         [](Session& t) {
             direct_loads(t);
             set(t, "directWindNegativeSpin", "12000");
             set(t, "spanCountSpin", "2");
             set(t, "span1Edit", "1000");
             set(t, "span2Edit", "1000");
         },
         LiveState::ng, run::CheckKind::jointMid,
         "判定 ＮＧ　最大検定比 1.22（短期（暴風時-積雪無し）・接合部）"},
        {"the overhang governs",
         [](Session& t) {
             set(t, "cantileverBox", "1");
             set(t, "cantileverLengthEdit", "1000");
         },
         LiveState::ng, run::CheckKind::cantileverDeflection,
         "判定 ＮＧ　最大検定比 1.04（短期（暴風時-積雪無し）・はね出し部のたわみ）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session session = s;
        c.change(session);
        const LiveVerdict live = live_verdict(session);
        EXPECT_EQ(live.text, c.text);
        EXPECT_EQ(live.state, c.state);
        EXPECT_EQ(live.kind, c.kind);
        EXPECT_EQ(live.colour, c.state == LiveState::ng ? report::kNgColor : 0u);

        // The same figures as the report of Calculate pressed on the form.
        ASSERT_FALSE(calculate(session));
        const auto largest = run::utilization(session.run);
        ASSERT_TRUE(largest);
        EXPECT_EQ(live.maxRatio, largest->maxRatio);
        const run::CheckPage& page = session.run.checkPages[largest->page];
        EXPECT_EQ(live.caseLabel, page.label);
        EXPECT_EQ(live.caseName, page.caseRun.caseName);
        EXPECT_EQ(live.state == LiveState::ok,
                  session.run.verdict.text == run::verdict_text(run::CheckCounters{}));
        EXPECT_EQ(live.maxRatio >= 1.0, live.state == LiveState::ng);
    }
}

TEST_F(LiveVerdictTest, AnIncompleteDesignGivesCalculatesMessageOnOneLine) {
    struct Case {
        const char* what;
        std::function<void(Session&)> change;
        const char* control;
    };
    const Case cases[] = {
        {"an empty span", [](Session& t) { set(t, "span1Edit", ""); }, "span1Edit"},
        {"a span of 0", [](Session& t) { set(t, "span1Edit", "0"); }, "span1Edit"},
        {"a span of -", [](Session& t) { set(t, "span1Edit", "-"); }, "span1Edit"},
        {"a height of 1.", [](Session& t) { set(t, "eaveHeightEdit", "1."); }, "eaveHeightEdit"},
        {"an overhang of 150",
         [](Session& t) {
             set(t, "cantileverBox", "1");
             set(t, "cantileverLengthEdit", "150");
         },
         "cantileverLengthEdit"},
        {"a unit weight of -",
         [](Session& t) {
             set(t, "surfaceTreatmentBox", "2");
             set(t, "deckUnitWeightEdit", "-");
         },
         "deckUnitWeightEdit"},
        {"a typed snow coefficient out of range",
         [](Session& t) {
             set(t, "formulaDepthRadio", "1");
             set(t, "snowCoefAlphaEdit", "0.5");
         },
         "snowCoefAlphaEdit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session session = s;
        c.change(session);
        const LiveVerdict live = live_verdict(session);
        const auto failure = calculate(session);
        ASSERT_TRUE(failure);
        EXPECT_EQ(live.state, LiveState::message);
        EXPECT_EQ(live.message, failure->text);
        EXPECT_EQ(live.control, c.control);
        EXPECT_EQ(live.control, failure->focus);
        EXPECT_EQ(live.text.find('\n'), std::string::npos);
        EXPECT_EQ(live.colour, report::rgb(153, 153, 153));
    }
}

// Typing 1500 into the overhang: Calculate would take the focus, and the exit
// check would answer and set the field to 1000. The line gives that message
// while the field, the focus and every record stay as the user left them.
TEST_F(LiveVerdictTest, TheSessionIsLeftAsItWas) {
    ASSERT_FALSE(calculate(s));
    s.unchangedLines = collect_project_lines(s);
    const persist::ProjectLines unchanged = s.unchangedLines;
    const double moment = s.run.checkPages.front().maxMoment;
    set(s, "cantileverBox", "1");
    set(s, "cantileverLengthEdit", "1500");
    focus(s.form, "cantileverLengthEdit");
    const auto lines = collect_project_lines(s);

    const LiveVerdict live = live_verdict(s);
    EXPECT_EQ(live.state, LiveState::message);
    EXPECT_EQ(live.text, "計算可能な『はね出し』部の最大値は、1000 mmです");
    EXPECT_EQ(live.control, "cantileverLengthEdit");

    EXPECT_EQ(s.form.cantileverLengthEdit.text, "1500");
    EXPECT_EQ(s.form.activeControl, "cantileverLengthEdit");
    EXPECT_EQ(collect_project_lines(s), lines);
    EXPECT_EQ(s.unchangedLines, unchanged);
    EXPECT_EQ(s.run.checkPages.front().maxMoment, moment);
    EXPECT_EQ(s.inputs.cantileverMode, calc::CantileverMode::none);
}

TEST_F(LiveVerdictTest, JsonFormForThePage) {
    set(s, "span1Edit", "1500");
    const std::string judged = common::to_json_text(live_verdict_json(live_verdict(s)));
    EXPECT_NE(judged.find("\"state\": \"ok\""), std::string::npos) << judged;
    EXPECT_NE(judged.find("\"kind\": \"deflection\""), std::string::npos) << judged;
    EXPECT_NE(judged.find("\"case\": \"短期 (積雪時)Ｇ＋Ｐ＋Ｓ\""), std::string::npos) << judged;
    EXPECT_NE(judged.find("\"colour\": \"#000000\""), std::string::npos) << judged;

    set(s, "span1Edit", "");
    const std::string refused = common::to_json_text(live_verdict_json(live_verdict(s)));
    EXPECT_NE(refused.find("\"state\": \"message\""), std::string::npos) << refused;
    EXPECT_NE(refused.find("\"maxRatio\": null"), std::string::npos) << refused;
    EXPECT_NE(refused.find("\"control\": \"span1Edit\""), std::string::npos) << refused;
    EXPECT_NE(refused.find("\"colour\": \"#999999\""), std::string::npos) << refused;
}

} // namespace
} // namespace korvex::form
