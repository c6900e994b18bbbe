#include <gtest/gtest.h>

#include "run/load_case_run.h"

namespace korvex::run {
namespace {

TEST(CombinationLabel, TermsInOrderWithFactorsOtherThanOne) {
    struct Case {
        const char* name;
        int k;
        analysis::CaseFactors f;
        bool leftCantilever;
        LabelForm form;
        bool negative;
        const char* expected;
    };
    const Case cases[] = {
        {"短期 (積雪時)",
         1,
         {1, 1, 1, 0.35},
         false,
         LabelForm::check,
         false,
         "短期 (積雪時)Ｇ＋Ｐ＋Ｓ＋0.35Ｗ"},
        {"短期 (積雪時)",
         1,
         {1, 1, 1, 0.35},
         false,
         LabelForm::diagram,
         false,
         "短期 (積雪時)Ｇ＋Ｐ＋Ｓ＋0.35Ｗ（正圧）"},
        {"短期（暴風時）",
         2,
         {1, 1, 0, 1},
         false,
         LabelForm::diagram,
         true,
         "短期（暴風時）Ｇ＋Ｐ＋Ｗ（負圧）"},
        // The left cantilever's concentrated load shows even with a factor of 1.
        {"長期", 0, {1, 1, 0.7, 0}, true, LabelForm::check, false, "長期Ｇ＋Ｐ＋Ｐ＋0.70Ｓ"},
        {"長期", 0, {0.9, 0.5, 0, 1}, true, LabelForm::diagram, false, "長期0.90(Ｇ＋Ｐ)＋0.50Ｐ"},
        // No wind term, so no pressure suffix either.
        {"短期（暴風時）", 2, {0, 1, 1, 0}, false, LabelForm::diagram, false, "短期（暴風時）＋Ｓ"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(combination_label(c.name, c.k, c.f, c.leftCantilever, c.form, c.negative),
                  c.expected);
    }
}

} // namespace
} // namespace korvex::run
