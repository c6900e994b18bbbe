#include "form/project_lines.h"

#include <algorithm>
#include <array>
#include <optional>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/layout.h"
#include "form/roof.h"
#include "form/sea_ratio_reference.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "sea/coordinate_text.h"

namespace korvex::form {

using common::shortest_decimal;

// Reads the line being applied, with the default its table entry gives, and
// carries what a later line needs from an earlier one.
class LineLoader {
public:
    LineLoader(Session& session, const persist::ProjectLines& lines, ProjectApplyReport& report)
        : session(session), form(session.form), lines_(lines), report_(report) {}

    Session& session;
    InputForm& form;

    // Carried from one line to a later one.
    calc::SnowMethod snowMethod = calc::SnowMethod::typedDepth; // line 13, applied after 20
    report::PageNumberPosition position = report::PageNumberPosition::none; // line 29, after 31
    calc::LayoutMode layout = calc::LayoutMode::derivedLoads;               // line 57, after 60
    bool typedCoefficients = false;                                         // line 65, 66-69
    bool enteredPoint = false;                                              // line 70, 71-72

    void begin(const ProjectLine& line) { line_ = &line; }
    int number() const { return line_->number; }

    // A line past the end reads as empty.
    const std::string& text() const { return lines_text(number()); }
    const std::string& lines_text(int line_number) const {
        static const std::string kEmpty;
        const auto n = static_cast<std::size_t>(line_number);
        return n < lines_.size() ? lines_[n] : kEmpty;
    }

    int default_int() const { return common::parse_int(line_->defaultText).value_or(0); }

    int int_or_default() const { return common::parse_int(text()).value_or(default_int()); }

    // An index into a list of `count` items; anything else takes the default, so
    // a damaged file cannot leave a list with nothing selected.
    int index_of(std::size_t count) const {
        const int value = int_or_default();
        return value >= 0 && static_cast<std::size_t>(value) < count ? value : default_int();
    }

    template <class E> E choice() const {
        return calc::from_file_code<E>(int_or_default())
            .value_or(*calc::from_file_code<E>(default_int()));
    }

    // A line that must be an integer: anything else stops the loading.
    std::optional<int> strict_int() {
        const auto value = common::parse_int(text());
        if (!value) {
            report_.messages.push_back(std::to_string(number() + 1) + " 行目「" + text() +
                                       "」は整数ではないため、読み込みをここで中止しました。");
            report_.stopped = true;
        }
        return value;
    }

    // A combination ratio: a number the dialog could have stored, else the
    // standard value with a message.
    double ratio(double standard) {
        const auto value = common::parse_decimal(text());
        if (value && calc::is_combo_ratio(*value)) return *value;
        const std::string fault =
            value ? "」は 0～" + shortest_decimal(calc::kMaxComboRatio) + " の範囲にありません。"
                  : "」は数値ではありません。";
        report_.messages.push_back(std::to_string(number() + 1) + " 行目の荷重比率「" + text() +
                                   fault + "\n標準値 " + shortest_decimal(standard) +
                                   " を使用します。");
        return standard;
    }

    void message(std::string text) { report_.messages.push_back(std::move(text)); }

private:
    const persist::ProjectLines& lines_;
    ProjectApplyReport& report_;
    const ProjectLine* line_ = nullptr;
};

namespace {

int checked_index(std::initializer_list<const RadioButton*> radios) {
    int index = 0;
    for (const RadioButton* radio : radios) {
        if (radio->checked) return index;
        ++index;
    }
    return 0;
}

void show_roof_groups(InputForm& form, bool canopy) {
    form.buildingFormGroup.visible = !canopy;
    form.canopyShapeGroup.visible = canopy;
}

std::string number_text(long long value) {
    return std::to_string(value);
}

// The building blocks of the table.
ProjectLine list_line(int number, const char* meaning, const char* field,
                      ComboBox InputForm::*box) {
    return {number,
            meaning,
            LineKind::listIndex,
            "0",
            field,
            [box](const Session& s) { return number_text((s.form.*box).itemIndex); },
            [box](LineLoader& in) {
                (in.form.*box).itemIndex = in.index_of((in.form.*box).items.size());
                return true;
            }};
}

template <class Control>
ProjectLine text_line(int number, const char* meaning, const char* field,
                      Control InputForm::*control, std::string Control::*member) {
    return {number,
            meaning,
            LineKind::text,
            "",
            field,
            [control, member](const Session& s) { return s.form.*control.*member; },
            [control, member](LineLoader& in) {
                in.form.*control.*member = in.text();
                return true;
            }};
}

// A spin edit whose line must be an integer; setting it runs its change behaviour.
ProjectLine spin_line(int number, const char* meaning, const char* field,
                      SpinEdit InputForm::*spin) {
    return {number,
            meaning,
            LineKind::strictInteger,
            "",
            field,
            [spin](const Session& s) { return number_text((s.form.*spin).value); },
            [spin](LineLoader& in) {
                const auto value = in.strict_int();
                if (!value) return false;
                set_spin_value(in.form, in.form.*spin, *value);
                return true;
            }};
}

// A spin edit of the direct loads: "int or 0".
ProjectLine direct_load_line(int number, const char* meaning, const char* field,
                             SpinEdit InputForm::*spin) {
    return {number,
            meaning,
            LineKind::integer,
            "0",
            field,
            [spin](const Session& s) { return number_text((s.form.*spin).value); },
            [spin](LineLoader& in) {
                set_spin_value(in.form, in.form.*spin, in.int_or_default());
                return true;
            }};
}

ProjectLine ratio_line(int number, int area, int index) {
    static const calc::RatioRow* const kStandard[2] = {&calc::kStandardOrdinaryRatios,
                                                       &calc::kStandardHeavySnowRatios};
    const auto i = static_cast<std::size_t>(index);
    const auto a = static_cast<std::size_t>(area);
    return {number,
            area == 0 ? "荷重比率（一般地域）" : "荷重比率（多雪地域）",
            LineKind::ratio,
            "standard",
            "coefficients.comboRatio",
            [a, i](const Session& s) { return shortest_decimal(s.coefficients.comboRatio[a][i]); },
            [a, i](LineLoader& in) {
                in.session.coefficients.comboRatio[a][i] = in.ratio((*kStandard[a])[i]);
                return true;
            }};
}

// Unit weight: a number is written back in its plain form; any other text (the
// field is free with surface "他") is kept as it was saved, so nothing is lost
// and the Calculate command names the fault.
std::string unit_weight_text(const std::string& line) {
    const auto value = common::parse_decimal(line);
    return value ? shortest_decimal(*value) : line;
}

bool has_typed_coefficients(const Session& s) {
    return s.form.site.coefficientsEntered;
}

// Lines 65-69: the snow coefficients as typed, after a line "1". A design that
// takes them from the site tables writes none of these lines, so its file stays
// byte for byte what it was; a file without them loads as it always did. When
// a later line is written these are too, with "0" in line 65.
void add_coefficient_lines(std::vector<ProjectLine>& t) {
    t.push_back(
        {65, "積雪係数の入力（1 入力あり）", LineKind::flag, "0", "snowCoefficients",
         [](const Session& s) { return std::string(has_typed_coefficients(s) ? "1" : "0"); },
         [](LineLoader& in) {
             in.typedCoefficients = common::trim(in.text()) == "1";
             return true;
         },
         has_typed_coefficients});
    struct CoefficientLine {
        const char* meaning;
        const char* name;
        Edit InputForm::*field;
    };
    static const std::array<CoefficientLine, 4> kFields = {{
        {"積雪係数 α", "snowCoefAlphaEdit", &InputForm::snowCoefAlphaEdit},
        {"積雪係数 β", "snowCoefBetaEdit", &InputForm::snowCoefBetaEdit},
        {"積雪係数 γ", "snowCoefGammaEdit", &InputForm::snowCoefGammaEdit},
        {"海率計算用半径 R (km)", "snowCoefRadiusEdit", &InputForm::snowCoefRadiusEdit},
    }};
    int number = 66;
    for (const CoefficientLine& line : kFields) {
        Edit InputForm::*field = line.field;
        t.push_back({number++, line.meaning, LineKind::text, "", line.name,
                     [field](const Session& s) { return (s.form.*field).text; },
                     [field](LineLoader& in) {
                         if (in.typedCoefficients) (in.form.*field).text = in.text();
                         return true;
                     },
                     has_typed_coefficients});
    }
    // Once all four are back they count as typed. The saved depth and unit weight
    // stay: a method the area's tables could not serve (line 20 fell back to the
    // typed-in depth) is the formula again, now that its coefficients are here.
    ProjectLine& last = t.back();
    last.load = [load = last.load](LineLoader& in) {
        load(in);
        if (!in.typedCoefficients) return true;
        InputForm& f = in.form;
        f.site.coefficientsEntered = true;
        f.site.sources.snowCoefficients = calc::ValueSource::entered;
        if (const auto typed = read_snow_coefficients(f)) {
            f.site.snowCoefA = typed->alpha;
            f.site.snowCoefB = typed->beta;
            f.site.snowCoefC = typed->gamma;
            f.site.seaRatioRadius = typed->radius;
        }
        if (in.snowMethod == calc::SnowMethod::formula) {
            set_snow_method_radios(f, calc::SnowMethod::formula);
            f.snowDepthSpin.enabled = false;
            enable_formula_fields(f, true);
        }
        return true;
    };
}

bool has_entered_point(const Session& s) {
    return s.form.site.enteredPoint.has_value();
}

bool has_point_or_taken_ratio(const Session& s) {
    return has_entered_point(s) || s.form.site.seaRatioFromReference;
}

// Lines 70-73: the site's own point, after a line "1", and whether the sea
// ratio was taken from its reference. Written only when there is either; a
// file without them has no point entered and its sea ratio as typed.
void add_site_point_lines(std::vector<ProjectLine>& t) {
    t.push_back({70, "建設地の緯度・経度の入力（1 入力あり）", LineKind::flag, "0",
                 "siteCoordinatesEdit",
                 [](const Session& s) { return std::string(has_entered_point(s) ? "1" : "0"); },
                 [](LineLoader& in) {
                     in.enteredPoint = common::trim(in.text()) == "1";
                     return true;
                 },
                 has_point_or_taken_ratio});
    t.push_back({71, "建設地の緯度（度）", LineKind::text, "", "siteCoordinatesEdit",
                 [](const Session& s) {
                     const auto& point = s.form.site.enteredPoint;
                     return point ? sea::coordinate_number(point->latitude) : std::string();
                 },
                 [](LineLoader&) { return true; }, // read with line 72
                 has_point_or_taken_ratio});
    t.push_back({72, "建設地の経度（度）", LineKind::text, "", "siteCoordinatesEdit",
                 [](const Session& s) {
                     const auto& point = s.form.site.enteredPoint;
                     return point ? sea::coordinate_number(point->longitude) : std::string();
                 },
                 [](LineLoader& in) {
                     // A point that does not read is kept as text, so Calculate names it.
                     std::string text;
                     if (in.enteredPoint)
                         text = common::trim(in.lines_text(71)) + ", " + common::trim(in.text());
                     enter_site_coordinates(in.form, in.session.siteTables, text);
                     return true;
                 },
                 has_point_or_taken_ratio});
    t.push_back({73, "海率を参考値から採用（1 採用）", LineKind::flag, "0", "takeSeaRatioButton",
                 [](const Session& s) {
                     return std::string(s.form.site.seaRatioFromReference ? "1" : "0");
                 },
                 [](LineLoader& in) {
                     // The reference is measured afresh (the data may be newer than
                     // the file); the sea ratio counts as taken from it only while
                     // the figures still agree.
                     InputForm& f = in.form;
                     refresh_sea_ratio_reference(f, in.session.siteTables);
                     const auto& reference = f.site.seaRatioReference;
                     f.site.seaRatioFromReference = common::trim(in.text()) == "1" && reference &&
                                                    reference->percent == f.seaRatioSpin.value;
                     return true;
                 },
                 has_point_or_taken_ratio});
}

std::vector<ProjectLine> build_table() {
    using F = InputForm;
    std::vector<ProjectLine> t;
    t.push_back({0, "識別", LineKind::identification, persist::kProjectIdentification, "—",
                 [](const Session&) { return std::string(persist::kProjectIdentification); },
                 [](LineLoader&) { return true; }});
    t.push_back(list_line(1, "デッキ種類", "deckTypeBox", &F::deckTypeBox));
    t.push_back(list_line(2, "梁(母屋)との接合", "fastenerBox", &F::fastenerBox));
    t.push_back({3, "都道府県", LineKind::listIndex, "0", "prefectureBox",
                 [](const Session& s) { return number_text(s.form.prefectureBox.itemIndex); },
                 [](LineLoader& in) {
                     in.form.prefectureBox.itemIndex =
                         in.index_of(in.form.prefectureBox.items.size());
                     if (auto message = select_prefecture(in.form, in.session.siteTables))
                         in.message(message->text);
                     return true;
                 }});
    t.push_back({4, "地域", LineKind::listIndex, "0", "areaBox",
                 [](const Session& s) { return number_text(s.form.areaBox.itemIndex); },
                 [](LineLoader& in) {
                     in.form.areaBox.itemIndex = in.index_of(in.form.areaBox.items.size());
                     select_area(in.form, in.session.siteTables);
                     return true;
                 }});
    t.push_back(text_line(5, "基準風速 V0（表示）", "baseWindSpeedLabel", &F::baseWindSpeedLabel,
                          &Label::caption));
    t.push_back(list_line(6, "粗度区分", "roughnessBox", &F::roughnessBox));
    t.push_back(
        text_line(7, "軒の高さ H1 (mm)", "eaveHeightEdit", &F::eaveHeightEdit, &Edit::text));
    t.push_back(text_line(8, "建物の高さ H2 (mm)", "buildingHeightEdit", &F::buildingHeightEdit,
                          &Edit::text));
    t.push_back(text_line(9, "張り間方向の長さ D (mm)", "spanDirectionLengthEdit",
                          &F::spanDirectionLengthEdit, &Edit::text));
    t.push_back({10, "屋根の種類 3–6", LineKind::choice, "3", "roofTypeGroup",
                 [](const Session& s) {
                     const F& f = s.form;
                     return number_text(3 + checked_index({&f.monoPitchRoofRadio, &f.gableRoofRadio,
                                                           &f.arcRoofRadio, &f.canopyRoofRadio}));
                 },
                 [](LineLoader& in) {
                     select_roof_type(in.form, in.choice<calc::RoofType>());
                     return true;
                 }});
    t.push_back({11, "建物の形状 + 7", LineKind::choice, "7", "buildingFormGroup",
                 [](const Session& s) {
                     const F& f = s.form;
                     return number_text(7 +
                                        checked_index({&f.closedFormRadio, &f.windwardOpenFormRadio,
                                                       &f.leewardOpenFormRadio}));
                 },
                 [](LineLoader& in) {
                     show_roof_groups(in.form, false);
                     select_building_form(in.form, in.choice<calc::BuildingForm>());
                     return true;
                 }});
    t.push_back(
        {12, "独立上屋の屋根の形状 + 10", LineKind::choice, "10", "canopyShapeGroup",
         [](const Session& s) { return number_text(s.form.gableCanopyRadio.checked ? 10 : 11); },
         [](LineLoader& in) {
             show_roof_groups(in.form, true);
             select_canopy_shape(in.form, in.choice<calc::CanopyShape>());
             show_roof_groups(in.form, in.form.state.roofType == calc::RoofType::canopy);
             return true;
         }});
    t.push_back({13, "垂直積雪量の算定法 + 1", LineKind::choice, "1", "snowMethodGroup",
                 [](const Session& s) { return number_text(calc::file_code(snow_method(s.form))); },
                 [](LineLoader& in) {
                     in.snowMethod = in.choice<calc::SnowMethod>();
                     // The spin edits take their lines first; the method follows line 20.
                     in.form.snowDepthSpin.enabled = in.form.altitudeSpin.enabled =
                         in.form.seaRatioSpin.enabled = true;
                     return true;
                 }});
    t.push_back(text_line(14, "垂直積雪量の参考値（表示）", "tableSnowDepthLabel",
                          &F::tableSnowDepthLabel, &Label::caption));
    t.push_back(text_line(15, "標高の参考値（表示）", "tableAltitudeLabel", &F::tableAltitudeLabel,
                          &Label::caption));
    t.push_back(spin_line(16, "標高 (m)", "altitudeSpin", &F::altitudeSpin));
    t.push_back(spin_line(17, "海率 (%)", "seaRatioSpin", &F::seaRatioSpin));
    t.push_back(text_line(18, "海率計算用半径 R（表示）", "seaRatioRadiusLabel",
                          &F::seaRatioRadiusLabel, &Label::caption));
    t.push_back(spin_line(19, "垂直積雪量 (cm)", "snowDepthSpin", &F::snowDepthSpin));
    ProjectLine unit_weight =
        spin_line(20, "積雪の単位荷重", "snowUnitWeightSpin", &F::snowUnitWeightSpin);
    unit_weight.load = [load = unit_weight.load](LineLoader& in) {
        if (!load(in)) return false;
        // The saved depth and unit weight stay: only the radios and enabled states
        // follow the method. Without the area's coefficients the saved depth
        // counts as typed in, as it always has; typed coefficients (lines 65-69)
        // bring the formula method back.
        InputForm& f = in.form;
        const calc::SnowMethod shown =
            in.snowMethod == calc::SnowMethod::formula && f.site.zoneRegistered
                ? calc::SnowMethod::formula
                : calc::SnowMethod::typedDepth;
        set_snow_method_radios(f, shown);
        f.snowDepthSpin.enabled = shown == calc::SnowMethod::typedDepth;
        enable_formula_fields(f, shown == calc::SnowMethod::formula);
        return true;
    };
    t.push_back(std::move(unit_weight));
    t.push_back(spin_line(21, "積載荷重 (N/㎡)", "liveLoadSpin", &F::liveLoadSpin));
    t.push_back(
        spin_line(22, "仕上げ・その他の荷重 (N/㎡)", "otherDeadLoadSpin", &F::otherDeadLoadSpin));
    t.push_back({23, "スパン数", LineKind::strictInteger, "", "spanCountSpin",
                 [](const Session& s) { return number_text(s.form.spanCountSpin.value); },
                 [](LineLoader& in) {
                     const auto count = in.strict_int();
                     if (!count) return false;
                     // Stepped one at a time, as the spin buttons would.
                     SpinEdit& spin = in.form.spanCountSpin;
                     const int target = std::clamp(*count, spin.minValue, spin.maxValue);
                     while (spin.value != target)
                         set_spin_value(in.form, spin, spin.value + (target > spin.value ? 1 : -1));
                     return true;
                 }});
    for (int span = 1; span <= 4; ++span) {
        static const char* const kFields[4] = {"span1Edit", "span2Edit", "span3Edit", "span4Edit"};
        // A span beyond the span count is saved as "0" and not read back.
        t.push_back({23 + span, "スパン長 (mm)", LineKind::text, "0", kFields[span - 1],
                     [span](const Session& s) {
                         return s.form.spanCountSpin.value >= span ? span_edit(s.form, span).text
                                                                   : std::string("0");
                     },
                     [span](LineLoader& in) {
                         if (span <= in.form.spanCountSpin.value)
                             span_edit(in.form, span).text = in.text();
                         return true;
                     }});
    }
    t.push_back({28, "件名", LineKind::text, report::kSubjectPlaceholder, "printSettings.subject",
                 [](const Session& s) { return s.printSettings.subject; },
                 [](LineLoader& in) {
                     in.session.printSettings.subject = in.text();
                     in.session.printDialog.subjectEdit = in.text();
                     return true;
                 }});
    t.push_back({29, "ページ番号の位置", LineKind::choice, "0", "printSettings.pageNumberPosition",
                 [](const Session& s) {
                     return number_text(report::code(s.printSettings.pageNumberPosition));
                 },
                 [](LineLoader& in) {
                     in.position = report::page_number_position_from_code(in.int_or_default())
                                       .value_or(report::PageNumberPosition::none);
                     in.session.printSettings.pageNumberPosition = in.position;
                     persist::click_position(in.session.printDialog, in.session.printSettings,
                                             in.position);
                     in.session.printDialog.contentGroupEnabled = true;
                     return true;
                 }});
    t.push_back({30, "ページ番号の書式", LineKind::listIndex, "0", "numberFormatBox",
                 [](const Session& s) { return number_text(s.printDialog.numberFormatBox); },
                 [](LineLoader& in) {
                     in.session.printDialog.numberFormatBox = in.index_of(2);
                     return true;
                 }});
    t.push_back({31, "開始番号", LineKind::strictInteger, "1", "startNumberSpin",
                 [](const Session& s) { return number_text(s.printDialog.startNumberSpin); },
                 [](LineLoader& in) {
                     const auto start = in.strict_int();
                     if (!start) return false;
                     persist::PrintSettingsDialog& dialog = in.session.printDialog;
                     dialog.startNumberSpin =
                         std::clamp(*start, persist::kStartNumberMin, persist::kStartNumberMax);
                     // Printing uses the file's start number, not one confirmed in an
                     // earlier session.
                     in.session.printSettings.startNumber = std::to_string(dialog.startNumberSpin);
                     if (in.position == report::PageNumberPosition::none)
                         dialog.contentGroupEnabled = false;
                     return true;
                 }});
    t.push_back({32, "（予備）", LineKind::ignored, "1", "—",
                 [](const Session&) { return std::string("1"); },
                 [](LineLoader&) { return true; }});
    t.push_back({33, "デッキの最大長さ (mm)", LineKind::integer, "12000", "maxDeckLengthSpin",
                 [](const Session& s) { return number_text(s.coefficients.maxDeckLength); },
                 [](LineLoader& in) {
                     persist::CoefficientDialog& dialog = in.session.coefficientDialog;
                     dialog.maxDeckLengthSpin =
                         std::clamp(in.int_or_default(), persist::kMaxDeckLengthMin,
                                    persist::kMaxDeckLengthMax);
                     in.session.coefficients.maxDeckLength = dialog.maxDeckLengthSpin;
                     return true;
                 }});
    t.push_back({34, "デッキの基準強度 F (N/m㎡)", LineKind::integer, "205", "strength205Radio",
                 [](const Session& s) { return number_text(s.coefficients.designStrength); },
                 [](LineLoader& in) {
                     calc::CoefficientSettings& settings = in.session.coefficients;
                     persist::CoefficientDialog& dialog = in.session.coefficientDialog;
                     settings.designStrength = in.int_or_default();
                     dialog.strength235Radio = settings.designStrength == 235;
                     dialog.strength205Radio = !dialog.strength235Radio;
                     return true;
                 }});
    for (int area = 0; area < 2; ++area)
        for (int i = 0; i < 11; ++i) t.push_back(ratio_line(35 + 11 * area + i, area, i));
    // The dialog shows the ratios as they were stored, once all 22 are read.
    ProjectLine& last_ratio = t.back();
    last_ratio.load = [load = last_ratio.load](LineLoader& in) {
        load(in);
        const calc::CoefficientSettings& settings = in.session.coefficients;
        for (int i = 0; i < persist::kRatioEditCount; ++i)
            in.session.coefficientDialog.ratioEdits[static_cast<std::size_t>(i)] =
                shortest_decimal(settings.comboRatio[static_cast<std::size_t>(i / 11)]
                                                    [static_cast<std::size_t>(i % 11)]);
        return true;
    };
    t.push_back(
        {57, "計算方法（0 告示による算出、1 直接入力）", LineKind::choice, "0", "derivedLoadsRadio",
         [](const Session& s) { return number_text(calc::file_code(s.form.state.layoutMode)); },
         [](LineLoader& in) {
             in.layout = in.choice<calc::LayoutMode>();
             persist::select_method(in.session.coefficientDialog, in.layout);
             return true;
         }});
    t.push_back(direct_load_line(58, "風荷重・正 (N/㎡)", "directWindPositiveSpin",
                                 &F::directWindPositiveSpin));
    t.push_back(direct_load_line(59, "風荷重・負の絶対値 (N/㎡)", "directWindNegativeSpin",
                                 &F::directWindNegativeSpin));
    ProjectLine snow =
        direct_load_line(60, "積雪荷重 (N/㎡)", "directSnowLoadSpin", &F::directSnowLoadSpin);
    snow.load = [load = snow.load](LineLoader& in) {
        load(in);
        if (in.layout != in.form.state.layoutMode) apply_layout(in.form, in.layout);
        return true;
    };
    t.push_back(std::move(snow));
    t.push_back(list_line(61, "表面処理", "surfaceTreatmentBox", &F::surfaceTreatmentBox));
    t.push_back({62, "デッキの単位重量 (N/㎡)", LineKind::unitWeight, "", "deckUnitWeightEdit",
                 [](const Session& s) { return s.form.deckUnitWeightEdit.text; },
                 [](LineLoader& in) {
                     in.form.deckUnitWeightEdit.text = unit_weight_text(in.text());
                     return true;
                 }});
    ProjectLine cantilever = list_line(63, "はね出し", "cantileverBox", &F::cantileverBox);
    cantilever.load = [load = cantilever.load](LineLoader& in) {
        load(in);
        update_spans(in.form);
        return true;
    };
    t.push_back(std::move(cantilever));
    t.push_back({64, "はね出し長さ (mm)", LineKind::integer, "500", "cantileverLengthEdit",
                 [](const Session& s) {
                     return s.form.cantileverBox.itemIndex == 1 ? s.form.cantileverLengthEdit.text
                                                                : std::string("0");
                 },
                 [](LineLoader& in) {
                     if (in.form.cantileverBox.itemIndex == 1)
                         in.form.cantileverLengthEdit.text = std::to_string(in.int_or_default());
                     return true;
                 }});
    add_coefficient_lines(t);
    add_site_point_lines(t);
    return t;
}

} // namespace

const std::vector<ProjectLine>& project_line_table() {
    static const std::vector<ProjectLine> kTable = build_table();
    return kTable;
}

persist::ProjectLines collect_project_lines(const Session& s) {
    // Every line up to the last one that is to be written, so that each keeps
    // its number.
    const auto& table = project_line_table();
    std::size_t count = 0;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (!table[i].written || table[i].written(s)) count = i + 1;
    persist::ProjectLines lines;
    for (std::size_t i = 0; i < count; ++i) lines.push_back(table[i].save(s));
    return lines;
}

ProjectApplyReport apply_project_lines(Session& s, const persist::ProjectLines& lines) {
    ProjectApplyReport report;
    LineLoader in(s, lines, report);
    for (const ProjectLine& line : project_line_table()) {
        if (line.kind == LineKind::identification) continue;
        in.begin(line);
        if (!line.load(in)) break;
    }
    if (!report.stopped)
        if (auto changed = recompute_loaded_formula_depth(s.form))
            report.messages.push_back(std::move(*changed));
    return report;
}

} // namespace korvex::form
