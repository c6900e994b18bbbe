#include <gtest/gtest.h>

#include "form/spans.h"
#include "form/spin_edits.h"

namespace korvex::form {
namespace {

TEST(Spans, CountUpCopiesAfreshAndCountDownKeepsTheHiddenText) {
    InputForm form;
    struct Step {
        int count;
        const char* typeIntoLast; // typed into the last shown edit after the step
        std::vector<bool> visible;
        std::vector<std::string> texts;
        const char* focus;
    };
    const Step steps[] = {
        {2, "3000", {true, true, false, false}, {"2500", "2500", "2500", "2500"}, "span2Edit"},
        {3, "3500", {true, true, true, false}, {"2500", "3000", "3000", "2500"}, "span3Edit"},
        {4, nullptr, {true, true, true, true}, {"2500", "3000", "3500", "3500"}, "span4Edit"},
        {3, "4000", {true, true, true, false}, {"2500", "3000", "3500", "3500"}, "span3Edit"},
        {4, nullptr, {true, true, true, true}, {"2500", "3000", "4000", "4000"}, "span4Edit"},
        {3, nullptr, {true, true, true, false}, {"2500", "3000", "4000", "4000"}, "span3Edit"},
        {2, nullptr, {true, true, false, false}, {"2500", "3000", "4000", "4000"}, "span2Edit"},
        {1, nullptr, {true, false, false, false}, {"2500", "3000", "4000", "4000"}, "span1Edit"},
    };
    for (const auto& step : steps) {
        set_spin_value(form, form.spanCountSpin, step.count);
        for (int span = 1; span <= 4; ++span) {
            const Edit& edit = span_edit(form, span);
            EXPECT_EQ(edit.visible, step.visible[span - 1]) << step.count << " " << edit.name;
            EXPECT_EQ(edit.text, step.texts[span - 1]) << step.count << " " << edit.name;
        }
        EXPECT_EQ(form.activeControl, step.focus) << step.count;
        EXPECT_EQ(form.state.spanCount, step.count);
        EXPECT_EQ(form.state.previousSpanCount, step.count);
        if (step.typeIntoLast) span_edit(form, step.count).text = step.typeIntoLast;
    }
}

TEST(Spans, JumpingCountShowsAndHidesEveryEditBetween) {
    InputForm form;
    set_spin_value(form, form.spanCountSpin, 4);
    EXPECT_TRUE(form.span2Edit.visible && form.span3Edit.visible && form.span4Edit.visible);
    set_spin_value(form, form.spanCountSpin, 1);
    EXPECT_FALSE(form.span2Edit.visible || form.span3Edit.visible || form.span4Edit.visible);
}

TEST(Spans, PictureByCountAndCantilever) {
    using M = calc::CantileverMode;
    struct Case {
        int count;
        M cantilever;
        const char* picture;
    };
    for (const auto& c :
         {Case{1, M::none, "spanPicture1"}, Case{4, M::none, "spanPicture4"},
          Case{2, M::left, "spanPicture2Left"}, Case{1, M::right, "spanPicture1Right"},
          Case{3, M::right, "spanPicture3Right"}, Case{4, M::both, "spanPicture4Both"},
          Case{1, M::both, "spanPicture1Both"}, Case{0, M::none, "spanPicture1"}})
        EXPECT_EQ(span_picture_name(c.count, c.cantilever), c.picture);

    InputForm form;
    set_spin_value(form, form.spanCountSpin, 2);
    form.cantileverBox.itemIndex = 1; // "有り"
    update_spans(form);
    EXPECT_EQ(form.state.spanPicture, "spanPicture2Left");
    EXPECT_EQ(form.state.cantileverMode, calc::CantileverMode::left);
    EXPECT_TRUE(form.cantileverLengthEdit.visible);
    EXPECT_FALSE(form.rightCantileverLengthEdit.visible);
    EXPECT_EQ(form.activeControl, "span2Edit"); // the cantilever change refocuses the last span
    form.cantileverBox.itemIndex = 0;
    update_spans(form);
    EXPECT_EQ(form.state.spanPicture, "spanPicture2");
    EXPECT_FALSE(form.cantileverLengthEdit.visible);
}

TEST(Spans, CantileverExitCheck) {
    struct Case {
        const char* typed;
        const char* message; // nullptr: nothing happens
        const char* after;
    };
    const Case cases[] = {
        {"abc", "『はね出し』部の値を入力して下さい。 \n計算可能な範囲(Min-Max) 200～1000", "200"},
        {"", "『はね出し』部の値を入力して下さい。 \n計算可能な範囲(Min-Max) 200～1000", "200"},
        {"1200", "計算可能な『はね出し』部の最大値は、1000 mmです", "1000"},
        {"1001", "計算可能な『はね出し』部の最大値は、1000 mmです", "1000"},
        {"1000", nullptr, "1000"},
        {"150", nullptr, "150"},
    };
    for (const auto& c : cases) {
        InputForm form;
        form.activeControl = "calculateButton";
        form.cantileverLengthEdit.text = c.typed;
        const auto message = check_cantilever_exit(form);
        EXPECT_EQ(form.cantileverLengthEdit.text, c.after) << c.typed;
        if (c.message) {
            ASSERT_TRUE(message) << c.typed;
            EXPECT_EQ(message->text, c.message);
            EXPECT_EQ(message->focus, "cantileverLengthEdit");
            EXPECT_EQ(form.activeControl, "cantileverLengthEdit");
        } else {
            EXPECT_FALSE(message) << c.typed;
            EXPECT_EQ(form.activeControl, "calculateButton");
        }
    }
}

} // namespace
} // namespace korvex::form
