#include <gtest/gtest.h>

#include "form/spans.h"
#include "form/spin_edits.h"

namespace korvex::form {
namespace {

TEST(Spans, CountUpCopiesAfreshAndCountDownKeepsTheHiddenText) {
    InputForm form;
    struct Step {
        int count;
        const char* type_into_last; // typed into the last shown edit after the step
        std::vector<bool> visible;
        std::vector<std::string> texts;
        const char* focus;
    };
    const Step steps[] = {
        {2, "3000", {true, true, false, false}, {"2500", "2500", "2500", "2500"}, "Edit5"},
        {3, "3500", {true, true, true, false}, {"2500", "3000", "3000", "2500"}, "Edit6"},
        {4, nullptr, {true, true, true, true}, {"2500", "3000", "3500", "3500"}, "Edit7"},
        {3, "4000", {true, true, true, false}, {"2500", "3000", "3500", "3500"}, "Edit6"},
        {4, nullptr, {true, true, true, true}, {"2500", "3000", "4000", "4000"}, "Edit7"},
        {3, nullptr, {true, true, true, false}, {"2500", "3000", "4000", "4000"}, "Edit6"},
        {2, nullptr, {true, true, false, false}, {"2500", "3000", "4000", "4000"}, "Edit5"},
        {1, nullptr, {true, false, false, false}, {"2500", "3000", "4000", "4000"}, "Edit4"},
    };
    for (const auto& step : steps) {
        set_spin_value(form, form.CSpinEdit6, step.count);
        for (int span = 1; span <= 4; ++span) {
            const Edit& edit = span_edit(form, span);
            EXPECT_EQ(edit.visible, step.visible[span - 1]) << step.count << " " << edit.name;
            EXPECT_EQ(edit.text, step.texts[span - 1]) << step.count << " " << edit.name;
        }
        EXPECT_EQ(form.active_control, step.focus) << step.count;
        EXPECT_EQ(form.state.spanCount, step.count);
        EXPECT_EQ(form.state.previousSpanCount, step.count);
        if (step.type_into_last) span_edit(form, step.count).text = step.type_into_last;
    }
}

TEST(Spans, JumpingCountShowsAndHidesEveryEditBetween) {
    InputForm form;
    set_spin_value(form, form.CSpinEdit6, 4);
    EXPECT_TRUE(form.Edit5.visible && form.Edit6.visible && form.Edit7.visible);
    set_spin_value(form, form.CSpinEdit6, 1);
    EXPECT_FALSE(form.Edit5.visible || form.Edit6.visible || form.Edit7.visible);
}

TEST(Spans, PictureByCountAndCantilever) {
    struct Case {
        int count;
        int cantilever;
        const char* picture;
    };
    for (const auto& c :
         {Case{1, 0, "Image1_S1_C0"}, Case{4, 0, "Image4_S4_C0"}, Case{2, 1, "Image6_S2_CL"},
          Case{1, 2, "Image9_S1_CR"}, Case{3, 2, "Image11_S3_CR"}, Case{4, 3, "Image16_S4_CLR"},
          Case{1, 3, "Image13_S1_CLR"}, Case{3, -1, "Image3_S3_C0"}})
        EXPECT_EQ(span_picture_name(c.count, c.cantilever), c.picture);

    InputForm form;
    set_spin_value(form, form.CSpinEdit6, 2);
    form.ComboBox6.item_index = 1; // "有り"
    update_spans(form);
    EXPECT_EQ(form.state.spanPicture, "Image6_S2_CL");
    EXPECT_EQ(form.state.cantileverMode, 1);
    EXPECT_TRUE(form.Edit77.visible);
    EXPECT_FALSE(form.Edit88.visible);
    EXPECT_EQ(form.active_control, "Edit5"); // the cantilever change refocuses the last span
    form.ComboBox6.item_index = 0;
    update_spans(form);
    EXPECT_EQ(form.state.spanPicture, "Image2_S2_C0");
    EXPECT_FALSE(form.Edit77.visible);
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
        form.active_control = "BitBtn1";
        form.Edit77.text = c.typed;
        const auto message = check_cantilever_exit(form);
        EXPECT_EQ(form.Edit77.text, c.after) << c.typed;
        if (c.message) {
            ASSERT_TRUE(message) << c.typed;
            EXPECT_EQ(message->text, c.message);
            EXPECT_EQ(message->focus, "Edit77");
            EXPECT_EQ(form.active_control, "Edit77");
        } else {
            EXPECT_FALSE(message) << c.typed;
            EXPECT_EQ(form.active_control, "BitBtn1");
        }
    }
}

} // namespace
} // namespace korvex::form
