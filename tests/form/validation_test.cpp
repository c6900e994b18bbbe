#include <gtest/gtest.h>

#include <functional>

#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/validation.h"

namespace korvex::form {
namespace {

void spans(InputForm& form, std::vector<std::string> texts) {
    set_spin_value(form, form.spanCountSpin, static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i)
        span_edit(form, static_cast<int>(i) + 1).text = texts[i];
}

void left_cantilever(InputForm& form, const std::string& text) {
    form.cantileverBox.itemIndex = 1;
    update_spans(form);
    form.cantileverLengthEdit.text = text;
}

void surface(InputForm& form, int index, const std::string& weight) {
    form.surfaceTreatmentBox.itemIndex = index;
    form.deckUnitWeightEdit.text = weight;
}

TEST(Validation, ChecksInOrderWithTheirMessagesAndFocus) {
    struct Case {
        const char* what;
        std::function<void(InputForm&)> set;
        const char* message; // nullptr: passes
        const char* focus;
    };
    const Case cases[] = {
        {"12000 mm", [](InputForm& f) { spans(f, {"12000"}); }, nullptr, ""},
        {"12001 mm", [](InputForm& f) { spans(f, {"12001"}); }, kDeckTooLong, "span1Edit"},
        {"6000 + 6000",
         [](InputForm& f) {
             spans(f, {"6000", "6000"});
         },
         nullptr, ""},
        {"cantilever 199", [](InputForm& f) { left_cantilever(f, "199"); }, kCantileverTooShort,
         "cantileverLengthEdit"},
        {"cantilever 200", [](InputForm& f) { left_cantilever(f, "200"); }, nullptr, ""},
        {"cantilever 1000", [](InputForm& f) { left_cantilever(f, "1000"); }, nullptr, ""},
        {"cantilever 1001", [](InputForm& f) { left_cantilever(f, "1001"); }, kCantileverTooLong,
         "cantileverLengthEdit"},
        {"cantilever 0", [](InputForm& f) { left_cantilever(f, "0"); }, kCantileverMissing,
         "cantileverLengthEdit"},
        {"cantilever empty", [](InputForm& f) { left_cantilever(f, ""); }, kCantileverMissing,
         "cantileverLengthEdit"},
        {"cantilever abc", [](InputForm& f) { left_cantilever(f, "abc"); },
         "はね出し部分の長さが整数ではありません。mm単位の整数で入力して下さい。",
         "cantileverLengthEdit"},
        {"cantilever before deck length",
         [](InputForm& f) {
             spans(f, {"5000", "5000"});
             left_cantilever(f, "2500");
         },
         kCantileverTooLong, "cantileverLengthEdit"},
        {"他 with 0", [](InputForm& f) { surface(f, 2, "0"); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        {"他 empty", [](InputForm& f) { surface(f, 2, ""); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        {"他 negative", [](InputForm& f) { surface(f, 2, "-5"); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        {"他 abc", [](InputForm& f) { surface(f, 2, "abc"); },
         "デッキの単位重量が数値ではありません。N/㎡単位の数値で入力して下さい。",
         "deckUnitWeightEdit"},
        {"他 150", [](InputForm& f) { surface(f, 2, "150"); }, nullptr, ""},
        {"他 127.6", [](InputForm& f) { surface(f, 2, "127.6"); }, nullptr, ""},
        {"他 0.0", [](InputForm& f) { surface(f, 2, "0.0"); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        // Z12 and Z27 take their weight from the product table, but a project file
        // edited by hand may bring any text along; nonsense is refused all the same.
        {"Z12 with 0", [](InputForm& f) { surface(f, 0, "0"); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        {"Z27 with -21474836480", [](InputForm& f) { surface(f, 1, "-21474836480"); },
         kUnitWeightMessage, "deckUnitWeightEdit"},
        {"Z12 with 127", [](InputForm& f) { surface(f, 0, "127"); }, nullptr, ""},
        {"他 9000", [](InputForm& f) { surface(f, 2, "9000"); }, nullptr, ""},
        {"他 9000.5", [](InputForm& f) { surface(f, 2, "9000.5"); }, kUnitWeightMessage,
         "deckUnitWeightEdit"},
        {"unit weight before cantilever",
         [](InputForm& f) {
             surface(f, 2, "0");
             left_cantilever(f, "100");
         },
         kUnitWeightMessage, "deckUnitWeightEdit"},
        {"span 0", [](InputForm& f) { spans(f, {"0"}); }, kSpanLengthMessage, "span1Edit"},
        {"second span negative",
         [](InputForm& f) {
             spans(f, {"2500", "-100"});
         },
         kSpanLengthMessage, "span2Edit"},
        {"cantilever before span 0",
         [](InputForm& f) {
             spans(f, {"0"});
             left_cantilever(f, "150");
         },
         kCantileverTooShort, "cantileverLengthEdit"},
        {"span 0 before deck length",
         [](InputForm& f) {
             spans(f, {"13000", "0"});
         },
         kSpanLengthMessage, "span2Edit"},
        {"span text abc",
         [](InputForm& f) {
             spans(f, {"2500", "abc"});
         },
         "スパン2の長さが整数ではありません。mm単位の整数で入力して下さい。", "span2Edit"},
        {"span empty", [](InputForm& f) { spans(f, {""}); }, "スパン1の長さを入力して下さい。",
         "span1Edit"},
        {"hidden span not read",
         [](InputForm& f) {
             spans(f, {"2500", "abc"});
             set_spin_value(f, f.spanCountSpin, 1);
         },
         nullptr, ""},
        {"height empty", [](InputForm& f) { f.eaveHeightEdit.text = ""; },
         "軒の高さＨ１を入力して下さい。", "eaveHeightEdit"},
    };
    for (const auto& c : cases) {
        InputForm form;
        c.set(form);
        form.activeControl = "calculateButton";
        calc::DesignInputs inputs;
        const auto message = validate_inputs(form, inputs, calc::CoefficientSettings{});
        if (c.message) {
            ASSERT_TRUE(message) << c.what;
            EXPECT_EQ(message->text, c.message) << c.what;
            EXPECT_EQ(message->focus, c.focus) << c.what;
            EXPECT_EQ(form.activeControl, c.focus) << c.what;
        } else {
            EXPECT_FALSE(message) << c.what << ": " << message->text;
            EXPECT_EQ(form.activeControl, "calculateButton") << c.what;
        }
    }
}

TEST(Validation, FillsSpansTotalAndBeamType) {
    InputForm form;
    spans(form, {"2500", "3000"});
    left_cantilever(form, "500");
    calc::DesignInputs inputs;
    ASSERT_FALSE(validate_inputs(form, inputs, calc::CoefficientSettings{}));
    EXPECT_EQ(inputs.spanCount, 2);
    EXPECT_EQ(inputs.spanLength[0], 2500);
    EXPECT_EQ(inputs.spanLength[1], 3000);
    EXPECT_EQ(inputs.cantileverMode, calc::CantileverMode::left);
    EXPECT_EQ(inputs.leftCantileverLength, 500);
    EXPECT_EQ(inputs.totalDeckLength, 6000);
    EXPECT_EQ(inputs.beamTypeName, "連続梁");

    // One span: the other edits are not read, whatever they hold.
    set_spin_value(form, form.spanCountSpin, 1);
    form.span2Edit.text = "99999";
    form.cantileverBox.itemIndex = 0;
    update_spans(form);
    ASSERT_FALSE(validate_inputs(form, inputs, calc::CoefficientSettings{}));
    EXPECT_EQ(inputs.totalDeckLength, 2500);
    EXPECT_EQ(inputs.beamTypeName, "単純梁");
    EXPECT_EQ(inputs.spanLength[1], 3000); // kept from before

    calc::CoefficientSettings shorter;
    shorter.maxDeckLength = 2499;
    const auto message = validate_inputs(form, inputs, shorter);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, kDeckTooLong);
}

} // namespace
} // namespace korvex::form
