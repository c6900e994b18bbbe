#include "form/span_table.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "calc/product_tables.h"
#include "common/number_text.h"
#include "form/calculate.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"
#include "form/validation.h"

namespace korvex::form {

namespace {

using run::GoverningCheck;
using run::GoverningKind;
using run::kShortestTableSpan;
using run::kTableSpanStep;

constexpr int kOtherSurface = 2; // "他": the weight is typed, not looked up

// What one trial span gives: nothing when every check passes, else the first
// check that fails.
using TrialResult = std::optional<GoverningCheck>;

// The form of one cell (deck type and span count) on a session of its own: each
// trial writes the span into the span edits and presses Calculate there. A span
// tried once is not calculated again.
class CellTrials {
public:
    CellTrials(const Session& session, int deck_index, int span_count)
        : scratch_(calculation_copy(session)) {
        InputForm& form = scratch_.form;
        form.deckTypeBox.itemIndex = deck_index;
        form.deckUnitWeightEdit.text = span_table_unit_weight(session.form, deck_index);
        // Stepped as the spin buttons would, so the span edits show as they do
        // for the user.
        SpinEdit& spin = form.spanCountSpin;
        while (spin.value != span_count)
            set_spin_value(form, spin, spin.value + (span_count > spin.value ? 1 : -1));
        spanCount_ = span_count;
    }

    // The validation of Calculate on the shortest span: the design's own fault,
    // or the length of deck the overhangs take (the deck too long even at 600 mm
    // is no fault of the design: the cell has no span to try).
    std::variant<int, FormMessage> overhang_length() {
        write_spans(kShortestTableSpan);
        calc::DesignInputs probe = scratch_.inputs;
        if (auto failure = validate_inputs(scratch_.form, probe, scratch_.coefficients)) {
            if (failure->text != kDeckTooLong) return *failure;
            return scratch_.coefficients.maxDeckLength; // longer than any deck
        }
        return probe.totalDeckLength - spanCount_ * kShortestTableSpan;
    }

    std::variant<TrialResult, FormMessage> try_span(int span) {
        if (const auto known = tried_.find(span); known != tried_.end()) return known->second;
        write_spans(span);
        // Only whether it passes, and what fails first, is wanted of a trial.
        if (auto failure = calculate(scratch_, run::RunScope::untilFailure)) return *failure;
        TrialResult result = run::first_failed_check(scratch_.run);
        tried_.emplace(span, result);
        return result;
    }

private:
    void write_spans(int span) {
        for (int i = 1; i <= spanCount_; ++i)
            span_edit(scratch_.form, i).text = std::to_string(span);
    }

    Session scratch_;
    int spanCount_ = 1;
    std::map<int, TrialResult> tried_;
};

// The longest span on the grid from 600 mm whose deck, overhangs included, stays
// within the maximum deck length.
int longest_admissible_span(int max_deck_length, int overhangs, int span_count) {
    const int room = (max_deck_length - overhangs) / span_count;
    return room / kTableSpanStep * kTableSpanStep;
}

// Scans down from the longest admissible span: in strides to the first stride
// point that passes, then in 10 mm steps through the stride above it. The first
// passing span from the top is the answer; the span 10 mm above it has been
// calculated and fails, and gives the governing check. Nothing assumes that a
// span fails because a shorter one does.
std::optional<FormMessage> search_cell(CellTrials& trials, run::SpanTableCell& cell) {
    std::optional<FormMessage> refused;
    auto passes = [&](int span) -> std::optional<bool> {
        auto outcome = trials.try_span(span);
        if (auto* failure = std::get_if<FormMessage>(&outcome)) {
            refused = *failure;
            return std::nullopt;
        }
        return !std::get<TrialResult>(outcome).has_value();
    };

    const int top = cell.longestAdmissible;
    if (top < kShortestTableSpan) {
        cell.governing = {GoverningKind::deckLength, {}};
        return std::nullopt;
    }
    const auto top_passes = passes(top);
    if (!top_passes) return refused;
    if (*top_passes) {
        cell.maxSpan = top;
        cell.governing = {GoverningKind::deckLength, {}};
        return std::nullopt;
    }

    // Stride points below the top, the last one 600 mm: down to the first that
    // passes, or to 600 mm failing too.
    int upper = top; // the lowest stride point known to fail
    int lower = kShortestTableSpan;
    bool stride_passes = false;
    for (;;) {
        const int span = std::max(upper - kSpanTableStride, kShortestTableSpan);
        const auto ok = passes(span);
        if (!ok) return refused;
        if (*ok || span == kShortestTableSpan) {
            lower = span;
            stride_passes = *ok;
            break;
        }
        upper = span;
    }

    // The steps between the two: the first span from the top that passes.
    for (int span = upper - kTableSpanStep; span > lower; span -= kTableSpanStep) {
        const auto ok = passes(span);
        if (!ok) return refused;
        if (*ok) {
            cell.maxSpan = span;
            break;
        }
    }
    if (!cell.maxSpan && stride_passes) cell.maxSpan = lower;

    // What fails just above the answer (calculated on the way down), or at
    // 600 mm when nothing passes.
    const int above = cell.maxSpan ? *cell.maxSpan + kTableSpanStep : kShortestTableSpan;
    const auto outcome = trials.try_span(above);
    if (const auto* failure = std::get_if<FormMessage>(&outcome)) return *failure;
    if (const TrialResult& failed = std::get<TrialResult>(outcome)) cell.governing = *failed;
    return std::nullopt;
}

std::string join_nonempty(std::initializer_list<std::string> parts, const char* separator) {
    std::string joined;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!joined.empty()) joined += separator;
        joined += part;
    }
    return joined;
}

std::string loads_value(const Session& s) {
    const InputForm& f = s.form;
    const std::string fixed = "仕上げ・その他 " + std::to_string(f.otherDeadLoadSpin.value) +
                              " N/㎡、積載 " + std::to_string(f.liveLoadSpin.value) + " N/㎡";
    if (f.state.layoutMode == calc::LayoutMode::directLoads)
        return fixed + "、風荷重 正 " + std::to_string(f.directWindPositiveSpin.value) +
               " / 負 －" + std::to_string(f.directWindNegativeSpin.value) + " N/㎡、積雪荷重 " +
               std::to_string(f.directSnowLoadSpin.value) + " N/㎡（直接入力）";
    return fixed + "、垂直積雪量 " + std::to_string(f.snowDepthSpin.value) + " cm（ρ＝" +
           std::to_string(f.snowUnitWeightSpin.value) + "）";
}

std::string site_value(const InputForm& f) {
    std::string site = join_nonempty({item_text(f.prefectureBox), item_text(f.areaBox)}, " ");
    if (f.heavySnowCheck.checked) site += "（多雪地域）";
    if (f.state.layoutMode == calc::LayoutMode::directLoads) return site;
    return site + "、Ｖ0＝" + f.baseWindSpeedLabel.caption + " m/sec、粗度区分 " +
           item_text(f.roughnessBox);
}

std::string roof_value(const InputForm& f) {
    const RadioButton* const roofs[] = {&f.monoPitchRoofRadio, &f.gableRoofRadio, &f.arcRoofRadio,
                                        &f.canopyRoofRadio};
    const RadioButton* const forms[] = {&f.closedFormRadio, &f.windwardOpenFormRadio,
                                        &f.leewardOpenFormRadio, &f.gableCanopyRadio,
                                        &f.wingCanopyRadio};
    std::string roof;
    for (const RadioButton* radio : roofs)
        if (radio->checked) roof = radio->caption;
    const bool canopy = f.canopyRoofRadio.checked;
    for (const RadioButton* radio : forms) {
        const bool canopy_shape = radio == &f.gableCanopyRadio || radio == &f.wingCanopyRadio;
        if (radio->checked && canopy_shape == canopy) roof += "・" + radio->caption;
    }
    return roof + "、Ｈ１＝" + f.eaveHeightEdit.text + " mm、Ｈ２＝" + f.buildingHeightEdit.text +
           " mm、Ｄ＝" + f.spanDirectionLengthEdit.text + " mm";
}

std::string deck_value(const Session& s) {
    const InputForm& f = s.form;
    std::string value = "表面処理 " + item_text(f.surfaceTreatmentBox) + "（単位重量 ";
    for (int deck = 0; deck < calc::kDeckTypeCount; ++deck)
        value += (deck == 0 ? "" : " / ") + span_table_unit_weight(f, deck);
    value += " N/㎡）、" + item_text(f.fastenerBox) + "、基準強度 Ｆ＝" +
             std::to_string(s.coefficients.designStrength) + " N/m㎡";
    return value;
}

std::string overhang_value(const InputForm& f) {
    std::string value = "無し";
    const bool left = f.cantileverLengthEdit.visible;
    const bool right = f.rightCantileverLengthEdit.visible;
    if (left && right)
        value = "左 " + f.cantileverLengthEdit.text + " mm、右 " +
                f.rightCantileverLengthEdit.text + " mm";
    else if (left)
        value = "左 " + f.cantileverLengthEdit.text + " mm";
    else if (right)
        value = "右 " + f.rightCantileverLengthEdit.text + " mm";
    return value;
}

std::vector<run::SpanTableCondition> table_conditions(const Session& s) {
    const InputForm& f = s.form;
    std::vector<run::SpanTableCondition> conditions = {
        {"所在地", site_value(f)},
        {"荷重", loads_value(s)},
        {"デッキ", deck_value(s)},
        {"はね出し", overhang_value(f)},
        {"デッキ最大長さ",
         common::group_thousands(std::to_string(s.coefficients.maxDeckLength)) + " mm"},
    };
    if (f.state.layoutMode == calc::LayoutMode::derivedLoads)
        conditions.insert(conditions.begin() + 1, {"屋根", roof_value(f)});
    return conditions;
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string span_table_unit_weight(const InputForm& form, int deck_index) {
    if (form.surfaceTreatmentBox.itemIndex == kOtherSurface) return form.deckUnitWeightEdit.text;
    InputForm chosen;
    chosen.surfaceTreatmentBox = form.surfaceTreatmentBox;
    chosen.deckTypeBox.itemIndex = deck_index;
    update_unit_weight(chosen);
    return chosen.deckUnitWeightEdit.text;
}

std::variant<run::SpanTable, FormMessage> build_span_table(const Session& session) {
    run::SpanTable table;
    table.conditions = table_conditions(session);
    for (int deck = 0; deck < calc::kDeckTypeCount; ++deck) {
        for (int span_count = 1; span_count <= 4; ++span_count) {
            run::SpanTableCell cell;
            cell.deckIndex = deck;
            cell.deckName = calc::deck_name(deck);
            cell.spanCount = span_count;
            CellTrials trials(session, deck, span_count);
            const auto overhangs = trials.overhang_length();
            if (const auto* failure = std::get_if<FormMessage>(&overhangs)) return *failure;
            cell.longestAdmissible = longest_admissible_span(session.coefficients.maxDeckLength,
                                                             std::get<int>(overhangs), span_count);
            if (auto failure = search_cell(trials, cell)) return *failure;
            table.cells.push_back(std::move(cell));
        }
    }
    return table;
}

common::JsonObject span_table_json(const run::SpanTable& table) {
    common::JsonArray rows;
    for (const run::SpanTableCell& cell : table.cells) {
        const GoverningCheck& g = cell.governing;
        rows.emplace_back(common::JsonObject{
            {"deckIndex", cell.deckIndex},
            {"deckName", cell.deckName},
            {"spanCount", cell.spanCount},
            {"maxSpan", cell.maxSpan ? common::JsonValue(*cell.maxSpan) : common::JsonValue()},
            {"governing", common::JsonObject{{"kind", run::governing_kind_name(g.kind)},
                                             {"case", g.kind == GoverningKind::deckLength
                                                          ? common::JsonValue()
                                                          : common::JsonValue(g.caseName)}}},
        });
    }
    return common::JsonObject{{"rows", rows}};
}

std::vector<std::string> span_table_cell_lines(const run::SpanTableCell& cell) {
    std::vector<std::string> lines = {run::max_span_text(cell),
                                      run::governing_kind_text(cell.governing.kind)};
    if (!cell.governing.caseName.empty()) lines.push_back(cell.governing.caseName);
    return lines;
}

std::filesystem::path span_table_proposal(const persist::ProjectPaths& paths,
                                          const std::filesystem::path& fallback_folder,
                                          const char* extension) {
    if (paths.currentFilePath.empty())
        return fallback_folder / (std::string("許容スパン表") + extension);
    const std::filesystem::path& project = paths.currentFilePath;
    return project.parent_path() / (project.stem().string() + "_許容スパン表" + extension);
}

std::string span_table_csv(const run::SpanTable& table) {
    // The byte-order mark tells a spreadsheet the text is UTF-8.
    std::string csv = "\xEF\xBB\xBF";
    csv += "デッキ種類,スパン数,許容スパン(mm),決定要因,荷重ケース\r\n";
    for (const run::SpanTableCell& cell : table.cells) {
        const GoverningCheck& g = cell.governing;
        csv += csv_field(cell.deckName) + "," + std::to_string(cell.spanCount) + "," +
               (cell.maxSpan ? std::to_string(*cell.maxSpan) : std::string("なし")) + "," +
               csv_field(run::governing_kind_text(g.kind)) + "," + csv_field(g.caseName) + "\r\n";
    }
    return csv;
}

} // namespace korvex::form
