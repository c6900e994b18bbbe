#include "report/check_page.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "analysis/beam_model.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "common/text_encoding.h"
#include "report/design_page.h"
#include "report/diagram_marks.h"
#include "report/label_layout.h"
#include "report/page_numbers.h"
#include "report/primitives.h"
#include "report/report_text.h"

namespace korvex::report {

namespace {

using run::AllowableValues;
using run::CheckKind;
using run::CheckLine;
using run::CheckPage;

// Base column of the section; titles sit 5 mm left of it, checks 10 mm right.
constexpr int kC0 = kPageBaseColumn;
constexpr Color kSchematicGrey = rgb(102, 102, 102);
constexpr int kExponentSize = 6;
constexpr int kSubscriptSize = 7;

// The schematic is not to scale: every span is 25 mm and a cantilever 10 mm,
// starting 45 mm from the surface's left edge.
constexpr double kSchematicX = 45.0;
constexpr double kSchematicSpan = 25.0;
constexpr double kSchematicCantilever = 10.0;
constexpr int kTableLabelCol = 20;

std::string fmt(double value, int width, int decimals) {
    return common::format_fixed(value, width, decimals);
}

std::string str(double value) {
    return common::shortest_decimal(value);
}

std::string comparison(bool ok) {
    return ok ? " < " : " > ";
}

void next_line(ReportCanvas& c) {
    advance_section(c, c.pageLineHeight);
}

// Draws at `col` on the section row and returns where the line continues.
Point at_col(ReportCanvas& c, int col, std::string_view text) {
    text_at_row_col(c, col, c.sectionRow, text);
    return c.surface->pen_position();
}

Point put(ReportCanvas& c, Point at, std::string_view text) {
    c.surface->text_out(at.x, at.y, text);
    return c.surface->pen_position();
}

Point script(ReportCanvas& c, ScriptKind kind, std::string_view text) {
    const int size = kind == ScriptKind::superscript ? kExponentSize : kSubscriptSize;
    return draw_script_run(c, kind, text, size, c.baseFontSize);
}

// The mark stands in its column, or past the end of a line that reaches it.
void draw_mark(ReportCanvas& c, bool ok) {
    Surface& s = *c.surface;
    const std::string_view dashes = "---------- ";
    const int y = mm_to_px(c, c.sectionRow) + c.topOffset;
    const int column = c.leftMargin + mm_to_px(c, kC0 + (on_paper(c) ? 145 : 155));
    const int x =
        x_past_line(c, column, y, std::string(dashes) + (ok ? "OK" : "NG"), s.page_size().width);
    const Point p = put(c, {x, y}, dashes);
    const bool highlight = !ok && !on_paper(c);
    if (highlight) {
        Font font = s.font();
        font.color = kNgColor;
        font.bold = true;
        s.set_font(font);
    }
    put(c, p, ok ? "OK" : "NG");
    if (highlight) {
        Font font = s.font();
        font.color = c.textColor;
        font.bold = false;
        s.set_font(font);
    }
}

const CheckLine* find_line(const CheckPage& page, CheckKind kind) {
    for (const CheckLine& line : page.lines)
        if (line.kind == kind) return &line;
    return nullptr;
}

// "F/1.5 = 136N/㎜²" on the long-term page, "F = 205N/㎜²" on the others.
void put_allowable_stress(ReportCanvas& c, Point at, const CheckPage& page) {
    const std::string f = page.longTermAllowable ? "F/1.5 = " : "F = ";
    put(c, at, f + str(page.allowable.fA) + std::string(UnitLabels::kNPerMm));
    script(c, ScriptKind::superscript, "2");
}

std::string joint_capacity_text(int per_screw, double stress_factor, double capacity) {
    return "1000/ﾃﾞｯｷ幅600×3ヶ所×" + str(per_screw) + "×" + fmt(stress_factor, 3, 1) + " = " +
           fmt(capacity, 3, 1) + "N/m";
}

// --- stress-distribution table -------------------------------------------

struct Schematic {
    int spans = 0;
    bool left = false;
    bool right = false;

    double node_x(int j) const {
        return kSchematicX + (left ? kSchematicCantilever : 0.0) + kSchematicSpan * j;
    }
    double mid_x(int span) const { return node_x(span) + kSchematicSpan / 2; }
    double right_end() const { return node_x(spans) + (right ? kSchematicCantilever : 0.0); }
};

// Where the beam line of the schematic runs, in absolute millimetres. The table
// rows are counted from the top offset that page 1 left, which is lower when page
// 1 has a cantilever line and, on paper, a subject box; the beam follows them so
// that it stays between the moment rows.
double beam_y(const ReportCanvas& c, const ReportData& d, int R) {
    const bool cantilever = d.window.cantileverShown;
    if (!on_paper(c)) {
        double y = R + (cantilever ? 58.0 : 53.0) + c.frameGrowth;
        if (d.inputs.directLoadInput) y -= 3.0;
        return y;
    }
    if (c.sheetIndex >= 2) return R + 16.0;
    double y = R + (cantilever ? 53.0 : 50.0) + c.frameGrowth;
    if (subject_entered(c.printSettings))
        y += is_top_page_number(c.printSettings.pageNumberPosition) ? 5.5 : 5.0;
    return y;
}

// The schematic's beam is a broad grey line.
int schematic_beam_width(const ReportCanvas& c) {
    return common::to_int(c.dpi / 600.0 * (on_paper(c) ? 12 : 30));
}

void draw_schematic(ReportCanvas& c, const Schematic& g, double y) {
    Surface& s = *c.surface;
    s.set_pen_color(kSchematicGrey);
    s.set_pen_width(schematic_beam_width(c));
    move_to_mm(c, kSchematicX, y);
    line_to_mm(c, g.right_end(), y);
    s.set_pen_color(c.textColor);
    s.set_pen_width(common::to_int(c.dpi / 600.0 * (on_paper(c) ? 4 : 6)));
    for (int j = 0; j <= g.spans; ++j) draw_support(c, g.node_x(j), y, 2.0);
}

// Half an em per byte, the em as the device sizes the font: paper at its own
// resolution, the screen image with the desktop's 96 dpi over its 72-dpi grid.
double byte_width_mm(const ReportCanvas& c, int size) {
    const double em = size / 72.0 * 25.4 * (on_paper(c) ? 1.0 : 96.0 / 72.0);
    return em / 2;
}

// The screen's desktop-sized font would make two joined support moments wider
// than the 25 mm between supports; a point less keeps neighbours apart.
int value_size(const ReportCanvas& c) {
    return on_paper(c) ? c.baseFontSize : c.baseFontSize - 1;
}

std::string kn_m(double moment) {
    return fixed_trimmed(std::fabs(moment) * 1e-6, 6, 3);
}

std::string kn(double force) {
    return fixed_trimmed(force * 0.001, 6, 2);
}

// A value of the table, centred on an absolute x.
struct TableValue {
    double x = 0.0; // mm
    std::string text;
};

// The lowest points a row of the table reaches, px: its values, and the row
// with its label.
struct RowBottom {
    double values = 0.0;
    int all = 0;
};

// One row of the table: its label at column 20, with a lowered run, and its
// values centred on their spans and supports, on `row` (mm from the top
// offset). A row that a tall font above it or the schematic reaches into moves
// down just clear of it; a value that runs into the one before it in the row
// goes under it.
RowBottom draw_table_row(ReportCanvas& c, int row, std::string_view label,
                         std::string_view subscript, const std::vector<TableValue>& values) {
    Surface& surface = *c.surface;
    Font label_font = surface.font();
    label_font.size = c.baseFontSize;
    Font value_font = label_font;
    value_font.size = value_size(c);
    Font run_font = label_font;
    run_font.size = kSubscriptSize;

    const int label_x = c.leftMargin + mm_to_px(c, kTableLabelCol);
    const int stated_top = mm_to_px(c, row) + c.topOffset;
    std::vector<Box> boxes{surface.text_box(label_font, label_x, stated_top, label)};
    if (!subscript.empty()) {
        // Where draw_script_run puts a lowered run after the label.
        const int run_x =
            label_x +
            static_cast<int>(std::lround(surface.text_metrics(label_font, label).advance));
        boxes.push_back(
            surface.text_box(run_font, run_x, stated_top + mm_to_px(c, 1.0), subscript));
    }
    std::vector<int> value_x;
    for (const TableValue& v : values) {
        const double half = static_cast<double>(common::cp932_byte_length(v.text)) *
                            byte_width_mm(c, value_font.size) / 2;
        value_x.push_back(mm_to_px(c, v.x - half));
        boxes.push_back(surface.text_box(value_font, value_x.back(), stated_top, v.text));
    }
    const int top = stated_top + static_cast<int>(std::ceil(shift_down_clear(
                                     surface, boxes, px_of(c, kHairlineMm), px_of(c, kClearanceMm),
                                     px_of(c, 10.0), figure_air(c))));

    surface.set_font(label_font);
    surface.text_out(label_x, top, label);
    double bottom = surface.text_box(label_x, top, label).bottom;
    if (!subscript.empty()) {
        script(c, ScriptKind::subscript, subscript);
        bottom = std::max(bottom, surface.sheet_marks().texts.back().bottom);
    }

    surface.set_font(value_font);
    LabelLayout layout(c, 0.0, mm_of(c, top), mm_of(c, surface.page_size().width),
                       mm_of(c, top) + 20.0);
    const double top_mm = (top + 0.5) / c.scale; // the row's own pixel after truncation
    for (std::size_t i = 0; i < values.size(); ++i)
        layout.add({values[i].text, (value_x[i] + 0.5) / c.scale, top_mm, values[i].x, top_mm,
                    value_font.size, 1});
    layout.draw();
    return {layout.bottom(), static_cast<int>(std::ceil(std::max(bottom, layout.bottom())))};
}

// Moments of both sides of every support: the span ends and the cantilever roots.
std::vector<TableValue> support_moments(const CheckPage& page, const Schematic& g) {
    const auto& f = page.results.endForces;
    std::vector<TableValue> values;
    for (int j = 0; j <= g.spans; ++j) {
        std::string text;
        if (j == 0) {
            text = kn_m(f[0][2]);
            if (g.left) text = kn_m(page.table.leftRootMoment) + "/" + text;
        } else if (j == g.spans) {
            text = kn_m(f[static_cast<std::size_t>(j - 1)][5]);
            if (g.right) text += "/" + kn_m(page.table.rightRootMoment);
        } else {
            text = kn_m(f[static_cast<std::size_t>(j - 1)][5]) + "/" +
                   kn_m(f[static_cast<std::size_t>(j)][2]);
        }
        values.push_back({g.node_x(j), text});
    }
    return values;
}

std::vector<TableValue> shears(const CheckPage& page, const Schematic& g) {
    const auto& f = page.results.endForces;
    std::vector<TableValue> values;
    for (int j = 0; j <= g.spans; ++j) {
        std::string text;
        if (j == 0) {
            text = kn(f[0][1]);
            if (g.left) text = kn(page.table.leftCantileverForce) + "/" + text;
        } else if (j == g.spans) {
            text = kn(f[static_cast<std::size_t>(j - 1)][4]);
        } else {
            text = kn(f[static_cast<std::size_t>(j - 1)][4]) + "/" +
                   kn(f[static_cast<std::size_t>(j)][1]);
        }
        values.push_back({g.node_x(j), text});
    }
    return values;
}

void draw_stress_table(ReportCanvas& c, const ReportData& d, const CheckPage& page) {
    const double s = on_paper(c) ? 3.5 : 4.0;
    next_line(c);
    const int R = c.sectionRow;

    const analysis::BeamModel& m = page.model;
    Schematic g;
    g.spans = std::clamp(m.n, 0, analysis::kMaxSpans);
    g.left = m.cantileverLeft != 0.0;
    g.right = m.cantileverRight != 0.0;

    const analysis::CaseResults& r = page.results;
    std::vector<TableValue> span_moments;
    for (int i = 0; i < g.spans; ++i)
        span_moments.push_back({g.mid_x(i), kn_m(r.spanMoment[static_cast<std::size_t>(i)])});
    const RowBottom over_beam = draw_table_row(c, R, "Ｍ", "1", span_moments);
    int bottom = over_beam.all;
    // The beam runs under the span moments, clear of them however tall the
    // device's font; the rows under it keep clear of its supports.
    if (g.spans > 0)
        draw_schematic(
            c, g,
            std::max(beam_y(c, d, R),
                     mm_of(c, over_beam.values + figure_line_air(c, schematic_beam_width(c)))));

    const int support_row = common::to_int(R + 2 * s);
    bottom = std::max(
        bottom, draw_table_row(c, support_row, "Ｍ", "0",
                               g.spans > 0 ? support_moments(page, g) : std::vector<TableValue>{})
                    .all);

    c.sectionRow = support_row;
    const int deflection_row = common::to_int(c.sectionRow + (on_paper(c) ? 1.5 * s : s));
    std::vector<TableValue> deflections;
    if (g.left)
        deflections.push_back({kSchematicX, fixed_trimmed(page.table.leftTipDeflection, 4, 2)});
    for (int i = 0; i < g.spans; ++i)
        deflections.push_back(
            {g.mid_x(i),
             fixed_trimmed(std::fabs(r.spanDeflection[static_cast<std::size_t>(i)]), 4, 2)});
    if (g.right)
        deflections.push_back({g.right_end(), fixed_trimmed(page.table.rightTipDeflection, 4, 2)});
    bottom = std::max(bottom, draw_table_row(c, deflection_row, "δ", "", deflections).all);

    if (page.windPass == calc::WindPass::negative) {
        c.sectionRow = common::to_int(c.sectionRow + (on_paper(c) ? 3 * s : 2 * s));
        bottom = std::max(bottom,
                          draw_table_row(c, c.sectionRow, "Ｑ", "",
                                         g.spans > 0 ? shears(page, g) : std::vector<TableValue>{})
                              .all);
    }
    c.surface->set_font_size(c.baseFontSize);
    advance_section(c, 2 * s, 4);
    // The line after the table stands half a line lower; a table that rows have
    // moved down in pushes it down as far as it must go, whole pixels counted.
    const double needed = mm_of(c, bottom - c.topOffset + 1) - kHairlineMm;
    const int next = common::to_int(c.sectionRow + 0.5 * c.pageLineHeight);
    if (next < needed) c.sectionRow += static_cast<int>(std::ceil(needed - next));
}

// --- check lines -----------------------------------------------------------

void draw_span_checks(ReportCanvas& c, const CheckPage& page) {
    const AllowableValues& a = page.allowable;
    at_col(c, kC0 + 10,
           "最大曲げモーメントMmax = " +
               fixed_trimmed(page.maxMoment, static_cast<int>(str(page.maxMoment).size()), 0) +
               std::string(UnitLabels::kNMm));
    next_line(c);

    if (const CheckLine* line = find_line(page, CheckKind::stress)) {
        const Point p = at_col(c, kC0 + 10,
                               "σ= Mmax/Z = " + fixed_trimmed(page.maxMoment, 12, 0) + "/" +
                                   fixed_trimmed(a.Z, static_cast<int>(str(a.Z).size()), 0) +
                                   " = " + fixed_trimmed(page.sigma, 5, 1) + comparison(line->ok));
        put_allowable_stress(c, p, page);
        draw_mark(c, line->ok);
        next_line(c);
    }

    if (const CheckLine* line = find_line(page, CheckKind::deflection)) {
        at_col(c, kC0 + 10,
               "最大たわみδmax = " + fmt(page.maxDeflection, 4, 2) + comparison(line->ok) + "L/" +
                   fmt(a.deflectionLimit, 4, 0) + " = " +
                   fmt(page.governingSpanLength / a.deflectionLimit, 4, 1) +
                   std::string(UnitLabels::kMmWide));
        draw_mark(c, line->ok);
        next_line(c);
    }
}

void draw_joint_checks(ReportCanvas& c, const CheckPage& page) {
    const CheckLine* end = find_line(page, CheckKind::jointEnd);
    const CheckLine* mid = find_line(page, CheckKind::jointMid);
    if (end == nullptr && mid == nullptr) return;
    const AllowableValues& a = page.allowable;
    at_col(c, kC0 + 5, "接合部（引張反力のみチェック）");
    next_line(c);

    const auto joint = [&](const CheckLine& line, std::string_view place, std::string_view name,
                           double reaction, int per_screw, double capacity) {
        at_col(c, kC0 + 10, place);
        at_col(c, kC0 + 25,
               std::string(name) + fixed_trimmed(std::fabs(reaction), 10, 0) + comparison(line.ok) +
                   joint_capacity_text(per_screw, a.stressFactor, capacity));
        draw_mark(c, line.ok);
        next_line(c);
    };
    if (end != nullptr)
        joint(*end, "端　部：", "V1 = ", page.reactionV1, a.jointCapacityEnd, a.cEnd);
    if (mid != nullptr)
        joint(*mid, "中間部：", "V2 = ", page.reactionV2, a.jointCapacityMid, a.cMid);
}

void draw_cantilever_checks(ReportCanvas& c, const CheckPage& page) {
    const run::CantileverCheck& k = page.cantilever;
    if (!k.present) return;
    const AllowableValues& a = page.allowable;

    advance_section(c, 0.5 * c.pageLineHeight, 0);
    at_col(c, kC0,
           std::string("はね出し部-耐力検討") + (k.wallPressure ? " [壁面正圧を考慮]" : ""));
    next_line(c);
    if (!k.sideMessage.empty()) {
        at_col(c, kC0, k.sideMessage);
        next_line(c);
    }

    at_col(c, kC0 + 10,
           "曲げモーメントM = " + common::format_grouped(k.M, 0, true) +
               std::string(UnitLabels::kNMm));
    next_line(c);

    if (const CheckLine* line = find_line(page, CheckKind::cantileverStress)) {
        const Point p =
            at_col(c, kC0 + 10,
                   "σ= M/Z = " + common::format_grouped(std::fabs(k.M), 0, true) + "/" +
                       common::format_grouped(a.Z, 0, true) + " = " +
                       common::format_grouped(k.sigma, 2, false) + comparison(line->ok));
        put_allowable_stress(c, p, page);
        draw_mark(c, line->ok);
        next_line(c);
    }

    if (const CheckLine* line = find_line(page, CheckKind::cantileverDeflection)) {
        at_col(c, kC0 + 10,
               "たわみδ = " + common::format_grouped(k.delta, 2, true) + comparison(line->ok) +
                   " L/" + fmt(a.deflectionLimit, 4, 0) + " = " +
                   fmt(k.a / a.deflectionLimit, 4, 1) + std::string(UnitLabels::kMmWide));
        draw_mark(c, line->ok);
        next_line(c);
    }

    if (const CheckLine* line = find_line(page, CheckKind::cantileverJoint)) {
        at_col(c, kC0 + 10,
               "接合部V = " + fixed_trimmed(std::fabs(k.V), 10, 0) + comparison(line->ok) +
                   joint_capacity_text(a.jointCapacityEnd, a.stressFactor, a.cEnd));
        draw_mark(c, line->ok);
        next_line(c);
    }
}

} // namespace

void draw_check_page(ReportCanvas& canvas, const ReportData& data, const CheckPage& page) {
    ReportCanvas& c = canvas;
    Surface& s = *c.surface;
    s.set_font_size(c.baseFontSize);

    at_col(c, kC0 - 5, "■" + page.label + "の検討");
    next_line(c);

    at_col(c, kC0 + 10, "等分布荷重合計Ｗ");
    const Point p = script(c, ScriptKind::subscript, page.caseText);
    put(c, p, " = " + str(page.wTotal) + " N/㎡");
    next_line(c);

    const bool suction = page.windPass == calc::WindPass::negative;
    at_col(c, kC0,
           "応力分布[M：" + std::string(UnitLabels::kNM) + (suction ? "/δ：mm/Q：kN]" : "/δ：mm]"));

    if (on_paper(c)) c.pageLineHeight = 4.0;
    draw_stress_table(c, data, page);
    if (on_paper(c)) c.pageLineHeight = 4.0;

    advance_section(c, 0.5 * c.pageLineHeight);
    at_col(c, kC0, page.cantilever.present ? page.beamTypeName + "-耐力検討" : "耐力検討");
    next_line(c);

    draw_span_checks(c, page);
    draw_joint_checks(c, page);
    draw_cantilever_checks(c, page);
    advance_section(c, 0.5 * c.pageLineHeight);
}

} // namespace korvex::report
