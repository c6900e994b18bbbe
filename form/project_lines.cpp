#include "form/project_lines.h"

#include <algorithm>
#include <optional>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/layout.h"
#include "form/roof.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"

namespace korvex::form {

namespace {

using common::shortest_decimal;

int checked_index(std::initializer_list<const RadioButton*> radios, int none) {
    int index = 0;
    for (const RadioButton* radio : radios) {
        if (radio->checked) return index;
        ++index;
    }
    return none;
}

// Reads the lines by number; a line past the end reads as empty.
class LineReader {
public:
    explicit LineReader(const persist::ProjectLines& lines) : lines_(lines) {}

    const std::string& text(int line) const {
        static const std::string kEmpty;
        return line < static_cast<int>(lines_.size()) ? lines_[static_cast<std::size_t>(line)]
                                                      : kEmpty;
    }

    // "int or D"
    int int_or(int line, int fallback) const {
        return common::parse_int(text(line)).value_or(fallback);
    }

    // A code stored with an offset ("code + 7"): the code when it lies in
    // [0, count), else the default. The offset is taken off only after the range
    // check, so no stored number can overflow it.
    int code_or(int line, int offset, int count, int fallback) const {
        const int value = int_or(line, offset + fallback);
        return value >= offset && value - offset < count ? value - offset : fallback;
    }

    // An index into a list of `count` items; anything else takes the default, so a
    // damaged file cannot leave a list with nothing selected.
    int index_or(int line, int count, int fallback) const {
        const int value = int_or(line, fallback);
        return value >= 0 && value < count ? value : fallback;
    }

    // "int": a line that is no integer stops the loading with a message.
    std::optional<int> strict_int(int line, ProjectApplyReport& report) const {
        const auto value = common::parse_int(text(line));
        if (!value) {
            report.messages.push_back(std::to_string(line + 1) + " 行目「" + text(line) +
                                      "」は整数ではないため、読み込みをここで中止しました。");
            report.stopped = true;
        }
        return value;
    }

private:
    const persist::ProjectLines& lines_;
};

void set_radio_group(InputForm& form, int roof_type) {
    form.buildingFormGroup.visible = roof_type < 6;
    form.canopyShapeGroup.visible = roof_type == 6;
}

void apply_ratio_lines(const LineReader& in, int first, calc::RatioRow& row,
                       const calc::RatioRow& defaults, ProjectApplyReport& report) {
    for (int i = 0; i < 11; ++i) {
        const int line = first + i;
        const auto value = common::parse_decimal(in.text(line));
        if (value && calc::is_combo_ratio(*value)) {
            row[static_cast<std::size_t>(i)] = *value;
        } else {
            // A ratio the dialog could not have stored (negative, or far too large)
            // is treated like one that is no number.
            row[static_cast<std::size_t>(i)] = defaults[static_cast<std::size_t>(i)];
            const std::string fault = value ? "」は 0～" + shortest_decimal(calc::kMaxComboRatio) +
                                                  " の範囲にありません。"
                                            : "」は数値ではありません。";
            report.messages.push_back(std::to_string(line + 1) + " 行目の荷重比率「" +
                                      in.text(line) + fault + "\n標準値 " +
                                      shortest_decimal(defaults[i]) + " を使用します。");
        }
    }
}

// Unit weight: a number is written back in its plain form; any other text (the
// field is free with surface "他") is kept as it was saved, so nothing is lost
// and the Calculate command names the fault.
std::string unit_weight_text(const std::string& line) {
    const auto value = common::parse_decimal(line);
    return value ? shortest_decimal(*value) : line;
}

} // namespace

persist::ProjectLines collect_project_lines(const Session& s) {
    const InputForm& f = s.form;
    persist::ProjectLines lines;
    const auto add = [&lines](std::string text) { lines.push_back(std::move(text)); };
    const auto num = [&add](long long value) { add(std::to_string(value)); };

    add(persist::kProjectIdentification);
    num(f.deckTypeBox.itemIndex);
    num(f.fastenerBox.itemIndex);
    num(f.prefectureBox.itemIndex);
    num(f.areaBox.itemIndex);
    add(f.baseWindSpeedLabel.caption);
    num(f.roughnessBox.itemIndex);
    add(f.eaveHeightEdit.text);
    add(f.buildingHeightEdit.text);
    add(f.spanDirectionLengthEdit.text);
    num(3 +
        checked_index(
            {&f.monoPitchRoofRadio, &f.gableRoofRadio, &f.arcRoofRadio, &f.canopyRoofRadio}, 0));
    num(7 +
        checked_index({&f.closedFormRadio, &f.windwardOpenFormRadio, &f.leewardOpenFormRadio}, 0));
    num(f.gableCanopyRadio.checked ? 10 : 11);
    num(f.formulaDepthRadio.checked ? 2 : 1);
    add(f.tableSnowDepthLabel.caption);
    add(f.tableAltitudeLabel.caption);
    num(f.altitudeSpin.value);
    num(f.seaRatioSpin.value);
    add(f.seaRatioRadiusLabel.caption);
    num(f.snowDepthSpin.value);
    num(f.snowUnitWeightSpin.value);
    num(f.liveLoadSpin.value);
    num(f.otherDeadLoadSpin.value);
    const int spans = f.spanCountSpin.value;
    num(spans);
    add(f.span1Edit.text);
    add(spans >= 2 ? f.span2Edit.text : "0");
    add(spans >= 3 ? f.span3Edit.text : "0");
    add(spans >= 4 ? f.span4Edit.text : "0");
    add(s.printSettings.subject);
    num(s.printSettings.pageNumberPosition);
    num(s.printDialog.numberFormatBox);
    num(s.printDialog.startNumberSpin);
    add("1");
    num(s.coefficients.maxDeckLength);
    num(s.coefficients.designStrength);
    for (const calc::RatioRow& row : s.coefficients.comboRatio)
        for (double ratio : row) add(shortest_decimal(ratio));
    num(f.state.layoutMode);
    num(f.directWindPositiveSpin.value);
    num(f.directWindNegativeSpin.value);
    num(f.directSnowLoadSpin.value);
    num(f.surfaceTreatmentBox.itemIndex);
    add(f.deckUnitWeightEdit.text);
    num(f.cantileverBox.itemIndex);
    add(f.cantileverBox.itemIndex == 1 ? f.cantileverLengthEdit.text : "0");
    return lines;
}

ProjectApplyReport apply_project_lines(Session& s, const persist::ProjectLines& lines) {
    ProjectApplyReport report;
    const LineReader in(lines);
    InputForm& f = s.form;

    f.deckTypeBox.itemIndex = in.index_or(1, static_cast<int>(f.deckTypeBox.items.size()), 0);
    f.fastenerBox.itemIndex = in.index_or(2, static_cast<int>(f.fastenerBox.items.size()), 0);
    f.prefectureBox.itemIndex = in.index_or(3, static_cast<int>(f.prefectureBox.items.size()), 0);
    if (auto message = select_prefecture(f, s.siteTables)) report.messages.push_back(message->text);
    f.areaBox.itemIndex = in.index_or(4, static_cast<int>(f.areaBox.items.size()), 0);
    select_area(f, s.siteTables);
    f.baseWindSpeedLabel.caption = in.text(5);
    f.roughnessBox.itemIndex = in.index_or(6, static_cast<int>(f.roughnessBox.items.size()), 0);
    f.eaveHeightEdit.text = in.text(7);
    f.buildingHeightEdit.text = in.text(8);
    f.spanDirectionLengthEdit.text = in.text(9);

    int roof = in.int_or(10, 3);
    if (roof < 3 || roof > 6) roof = 3;
    select_roof_type(f, roof);
    const int building = in.code_or(11, 7, 3, 0);
    set_radio_group(f, 3);
    select_building_form(f, building);
    const int canopy = in.code_or(12, 10, 2, 0);
    set_radio_group(f, 6);
    select_canopy_shape(f, canopy);
    set_radio_group(f, f.state.roofType);

    const int method = in.code_or(13, 1, 2, kDirectDepth);
    f.snowDepthSpin.enabled = f.altitudeSpin.enabled = f.seaRatioSpin.enabled = true;
    f.tableSnowDepthLabel.caption = in.text(14);
    f.tableAltitudeLabel.caption = in.text(15);
    const int spin_lines[4] = {16, 17, 19, 20};
    SpinEdit* const spins[4] = {&f.altitudeSpin, &f.seaRatioSpin, &f.snowDepthSpin,
                                &f.snowUnitWeightSpin};
    for (int i = 0; i < 4; ++i) {
        if (spin_lines[i] == 19) f.seaRatioRadiusLabel.caption = in.text(18);
        const auto value = in.strict_int(spin_lines[i], report);
        if (!value) return report;
        set_spin_value(f, *spins[i], *value);
    }
    // The saved depth and unit weight stay: only the radios and enabled states
    // follow the method. Without the area's coefficients the formula method is not
    // available and the saved depth counts as typed in.
    const int shown =
        method == kFormulaDepth && f.site.zoneRegistered ? kFormulaDepth : kDirectDepth;
    set_snow_method_radios(f, shown);
    f.snowDepthSpin.enabled = shown == kDirectDepth;
    f.altitudeSpin.enabled = f.seaRatioSpin.enabled = shown == kFormulaDepth;

    for (auto [line, spin] :
         {std::pair{21, &f.liveLoadSpin}, std::pair{22, &f.otherDeadLoadSpin}}) {
        const auto value = in.strict_int(line, report);
        if (!value) return report;
        set_spin_value(f, *spin, *value);
    }
    const auto span_count = in.strict_int(23, report);
    if (!span_count) return report;
    const int target = std::clamp(*span_count, f.spanCountSpin.minValue, f.spanCountSpin.maxValue);
    while (f.spanCountSpin.value != target)
        set_spin_value(f, f.spanCountSpin,
                       f.spanCountSpin.value + (target > f.spanCountSpin.value ? 1 : -1));
    for (int span = 1; span <= target; ++span) span_edit(f, span).text = in.text(23 + span);

    report::PrintSettings& print = s.printSettings;
    persist::PrintSettingsDialog& dialog = s.printDialog;
    print.subject = in.text(28);
    dialog.subjectEdit = print.subject;
    int position = in.int_or(29, 0);
    if (std::find(std::begin(persist::kPositionCodes), std::end(persist::kPositionCodes),
                  position) == std::end(persist::kPositionCodes))
        position = 0;
    print.pageNumberPosition = position;
    persist::click_position(dialog, print, position);
    dialog.contentGroupEnabled = true;
    dialog.numberFormatBox = in.index_or(30, 2, 0);
    const auto start = in.strict_int(31, report);
    if (!start) return report;
    dialog.startNumberSpin = std::clamp(*start, persist::kStartNumberMin, persist::kStartNumberMax);
    // Printing uses the file's start number, not one confirmed in an earlier session.
    print.startNumber = std::to_string(dialog.startNumberSpin);
    if (position == 0) dialog.contentGroupEnabled = false;

    calc::CoefficientSettings& settings = s.coefficients;
    persist::CoefficientDialog& coefficients = s.coefficientDialog;
    coefficients.maxDeckLengthSpin =
        std::clamp(in.int_or(33, 12000), persist::kMaxDeckLengthMin, persist::kMaxDeckLengthMax);
    settings.maxDeckLength = coefficients.maxDeckLengthSpin;
    settings.designStrength = in.int_or(34, 205);
    coefficients.strength235Radio = settings.designStrength == 235;
    coefficients.strength205Radio = !coefficients.strength235Radio;
    apply_ratio_lines(in, 35, settings.comboRatio[0], calc::kStandardOrdinaryRatios, report);
    apply_ratio_lines(in, 46, settings.comboRatio[1], calc::kStandardHeavySnowRatios, report);
    const calc::CoefficientSettings shown_settings = settings;
    for (int i = 0; i < persist::kRatioEditCount; ++i)
        coefficients.ratioEdits[static_cast<std::size_t>(i)] =
            shortest_decimal(shown_settings.comboRatio[i / 11][i % 11]);

    const int layout = in.int_or(57, 0) == 1 ? 1 : 0;
    persist::select_method(coefficients, layout);
    set_spin_value(f, f.directWindPositiveSpin, in.int_or(58, 0));
    set_spin_value(f, f.directWindNegativeSpin, in.int_or(59, 0));
    set_spin_value(f, f.directSnowLoadSpin, in.int_or(60, 0));
    if (layout != f.state.layoutMode) apply_layout(f, layout);

    f.surfaceTreatmentBox.itemIndex =
        in.index_or(61, static_cast<int>(f.surfaceTreatmentBox.items.size()), 0);
    f.deckUnitWeightEdit.text = unit_weight_text(in.text(62));
    f.cantileverBox.itemIndex = in.index_or(63, static_cast<int>(f.cantileverBox.items.size()), 0);
    update_spans(f);
    if (f.cantileverBox.itemIndex == 1)
        f.cantileverLengthEdit.text = std::to_string(in.int_or(64, 500));
    return report;
}

} // namespace korvex::form
