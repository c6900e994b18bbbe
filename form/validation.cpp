#include "form/validation.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/sea_ratio_reference.h"
#include "form/snow.h"
#include "form/spans.h"

namespace korvex::form {

namespace {

std::optional<FormMessage> fail(InputForm& form, std::string text, const Edit& edit) {
    focus(form, edit.name);
    return FormMessage{std::move(text), edit.name};
}

// A text that is no integer is named with its field; the focus goes there.
std::optional<FormMessage> not_an_integer(InputForm& form, const std::string& field,
                                          const std::string& unit, const Edit& edit) {
    if (common::trim(edit.text).empty()) return fail(form, field + "を入力して下さい。", edit);
    return fail(form, field + "が整数ではありません。" + unit + "単位の整数で入力して下さい。",
                edit);
}

std::string cantilever_field(const InputForm& form, const Edit& edit) {
    return &edit == &form.rightCantileverLengthEdit ? "右側のはね出し部分の長さ"
                                                    : "はね出し部分の長さ";
}

std::optional<int> read_cantilever(InputForm& form, const Edit& edit,
                                   std::optional<FormMessage>& message) {
    const auto value = common::parse_int(edit.text);
    if (value) return value;
    message = common::trim(edit.text).empty()
                  ? fail(form, kCantileverMissing, edit)
                  : not_an_integer(form, cantilever_field(form, edit), "mm", edit);
    return std::nullopt;
}

// Both cantilever edits take the same bounds: a length outside them is no
// overhang this calculation covers, whichever end it is at.
std::optional<FormMessage> check_cantilever(InputForm& form, const Edit& edit) {
    std::optional<FormMessage> message;
    const auto value = read_cantilever(form, edit, message);
    if (!value) return message;
    if (*value == 0) return fail(form, kCantileverMissing, edit);
    if (*value < 200) return fail(form, kCantileverTooShort, edit);
    if (*value > 1000) return fail(form, kCantileverTooLong, edit);
    return std::nullopt;
}

// The heights are read as integers by the gathering; an empty one would fail
// there, after the checks, so it is caught here with the others.
std::optional<FormMessage> check_heights(InputForm& form) {
    const std::array<std::pair<const Edit*, const char*>, 3> fields = {
        std::pair{&form.eaveHeightEdit, "軒の高さＨ１"},
        std::pair{&form.buildingHeightEdit, "建物の高さＨ２"},
        std::pair{&form.spanDirectionLengthEdit, "張り間方向の長さＤ"}};
    for (const auto& [edit, field] : fields)
        if (!common::parse_int(edit->text)) return not_an_integer(form, field, "mm", *edit);
    return std::nullopt;
}

struct CoefficientRule {
    const Edit* field;
    const char* name; // as the message names it
    double lowest;
    double highest;
    bool whole; // R is a whole number of km
    const char* bounds;
};

// The formula's coefficients, typed or filled from a table, must be numbers
// within what any zone of the notification or any local rule uses; a slip of
// the decimal point would otherwise become a snow depth.
std::optional<FormMessage> check_snow_coefficients(InputForm& form) {
    const CoefficientRule rules[] = {
        {&form.snowCoefAlphaEdit, "係数α", 0.0, 0.01, false, "0～0.01 (m/m)"},
        {&form.snowCoefBetaEdit, "係数β", -5.0, 5.0, false, "-5～5"},
        {&form.snowCoefGammaEdit, "係数γ", -5.0, 5.0, false, "-5～5 (m)"},
        {&form.snowCoefRadiusEdit, "海率計算用半径R", 0.0, 100.0, true, "0～100 (km)"},
    };
    for (const CoefficientRule& rule : rules) {
        const std::string name = rule.name;
        const std::string kind = rule.whole ? "整数" : "数値";
        const std::string wanted = std::string(rule.bounds) + " の" + kind;
        if (common::trim(rule.field->text).empty())
            return fail(form,
                        "垂直積雪量を計算する" + name + "を入力して下さい。（" + wanted + "）",
                        *rule.field);
        std::optional<double> value;
        if (!rule.whole)
            value = common::parse_decimal(rule.field->text);
        else if (const auto whole = common::parse_int(rule.field->text))
            value = *whole;
        if (!value)
            return fail(form,
                        name + "「" + rule.field->text + "」が" + kind + "ではありません。" +
                            wanted + "で入力して下さい。",
                        *rule.field);
        if (*value < rule.lowest || *value > rule.highest)
            return fail(form, name + "は " + rule.bounds + " の範囲で入力して下さい。",
                        *rule.field);
    }
    return std::nullopt;
}

} // namespace

std::optional<FormMessage> validate_inputs(InputForm& form, calc::DesignInputs& inputs,
                                           const calc::CoefficientSettings& settings) {
    // Spans and cantilevers are summed first; a text that is no integer ends here.
    const int n = std::clamp(form.spanCountSpin.value, 1, 4);
    std::array<int, 4> spans = inputs.spanLength;
    long long total = 0; // four huge lengths must not overflow before the length check
    for (int span = 1; span <= n; ++span) {
        const Edit& edit = span_edit(form, span);
        const auto value = common::parse_int(edit.text);
        if (!value)
            return not_an_integer(form, "スパン" + std::to_string(span) + "の長さ", "mm", edit);
        spans[static_cast<std::size_t>(span - 1)] = *value;
        total += *value;
    }
    const calc::CantileverMode mode =
        calc::from_code<calc::CantileverMode>(form.cantileverBox.itemIndex)
            .value_or(calc::CantileverMode::none);
    int left = inputs.leftCantileverLength;
    int right = inputs.rightCantileverLength;
    std::optional<FormMessage> message;
    if (calc::has_left_cantilever(mode)) {
        const auto value = read_cantilever(form, form.cantileverLengthEdit, message);
        if (!value) return message;
        left = *value;
        total += left;
    }
    if (calc::has_right_cantilever(mode)) {
        const auto value = read_cantilever(form, form.rightCantileverLengthEdit, message);
        if (!value) return message;
        right = *value;
        total += right;
    }
    inputs.spanCount = n;
    inputs.spanLength = spans;
    inputs.cantileverMode = mode;
    inputs.leftCantileverLength = left;
    inputs.rightCantileverLength = right;
    inputs.totalDeckLength = static_cast<int>(std::clamp<long long>(
        total, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    inputs.beamTypeName = n == 1 ? "単純梁" : "連続梁";

    // A typed unit weight ("他") may carry decimals (the calculation reads it as a
    // real). Whatever the surface, a deck cannot weigh nothing, nor less, nor more
    // than the heaviest load the window takes: a project file edited by hand may
    // hold any text here.
    const auto weight = common::parse_decimal(form.deckUnitWeightEdit.text);
    if (form.surfaceTreatmentBox.itemIndex == 2 &&
        !common::trim(form.deckUnitWeightEdit.text).empty() && !weight)
        return fail(form, "デッキの単位重量が数値ではありません。N/㎡単位の数値で入力して下さい。",
                    form.deckUnitWeightEdit);
    if (!weight || *weight <= 0 || *weight > kMaxUnitWeight)
        return fail(form, kUnitWeightMessage, form.deckUnitWeightEdit);
    if (form.cantileverLengthEdit.visible)
        if (auto failed = check_cantilever(form, form.cantileverLengthEdit)) return failed;
    if (form.rightCantileverLengthEdit.visible)
        if (auto failed = check_cantilever(form, form.rightCantileverLengthEdit)) return failed;
    // A span of no length would give the beam model an element of zero length.
    for (int span = 1; span <= n; ++span)
        if (spans[static_cast<std::size_t>(span - 1)] <= 0)
            return fail(form, kSpanLengthMessage, span_edit(form, span));
    if (total > settings.maxDeckLength) return fail(form, kDeckTooLong, form.span1Edit);
    if (auto failed = check_heights(form)) return failed;
    if (form.state.layoutMode != calc::LayoutMode::derivedLoads) return std::nullopt;
    if (snow_method(form) == calc::SnowMethod::formula)
        if (auto failed = check_snow_coefficients(form)) return failed;
    // The report shows the site's point: a text that does not read is no point.
    if (auto failed = check_site_coordinates(form)) {
        focus(form, failed->focus);
        return failed;
    }
    return std::nullopt;
}

} // namespace korvex::form
