#include "report/design_page.h"

#include <string>
#include <string_view>

#include "common/number_text.h"
#include "common/rounding.h"
#include "common/text_encoding.h"
#include "report/page_numbers.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

// Section headings of the first page on screen; paper prints them black.
constexpr Color kHeadingColor = rgb(0, 89, 132);
constexpr int kExponentSize = 6;
constexpr int kSubscriptSize = 7;
constexpr int kOtherTreatment = 2; // "他": no treatment named in the title

int px(const ReportCanvas& c, double mm) {
    return mm_to_px(c, mm);
}

// Draws at a pixel point and returns where the line continues.
Point put(ReportCanvas& c, Point at, std::string_view text) {
    c.surface->text_out(at.x, at.y, text);
    return c.surface->pen_position();
}

// Margin-relative column, absolute pixel row: the lines of the frame hang off
// the y of the line they follow.
Point put_at_col(ReportCanvas& c, int col, int y, std::string_view text) {
    return put(c, {c.leftMargin + px(c, col), y}, text);
}

Point sup(ReportCanvas& c, std::string_view text) {
    return draw_script_run(c, ScriptKind::superscript, text, kExponentSize, c.baseFontSize);
}

Point sub(ReportCanvas& c, std::string_view text) {
    return draw_script_run(c, ScriptKind::subscript, text, kSubscriptSize, c.baseFontSize);
}

std::string plain(double value) {
    return common::shortest_decimal(value);
}

std::string per_square_metre(long long value) {
    return common::format_count(value, 6) + " N/m";
}

struct Frame {
    int right = 0;
    int bottom = 0;
};

std::string title_text(const ReportData& d) {
    std::string title =
        "Korvex構造計算(木造梁)－風荷重､積雪荷重の検討－ ［ デッキプレート：" + d.inputs.deckName;
    if (d.window.surfaceIndex == kOtherTreatment)
        title += " ］";
    else
        title += "(" + d.window.surfaceName + ") ］";
    return title;
}

bool has_cantilever(const ReportData& d) {
    return d.data.leftCantileverLength != 0 || d.data.rightCantileverLength != 0;
}

// The spans line, broken after a span where it would run past page 1's frame:
// the spans that follow go on the next row, under the first span.
struct SpansLines {
    std::vector<std::string> lines;
    int indent = 0; // px from the line's start to the first span
};

SpansLines spans_lines(const ReportCanvas& c, const calc::DesignInputs& in, int room) {
    const int n = in.spanCount;
    std::string head = "□";
    if (n != 1) head += std::to_string(n);
    head += in.beamTypeName + " [ ";
    std::vector<std::string> spans;
    for (int i = 1; i <= n && i <= static_cast<int>(in.spanLength.size()); ++i)
        spans.push_back("スパン" + std::to_string(i) + " = " +
                        common::format_count(in.spanLength[static_cast<std::size_t>(i - 1)], 5) +
                        "mm");
    const Font font{.name = kProportionalFont, .size = c.baseFontSize};
    const auto width = [&](const std::string& text) {
        return c.surface->text_metrics(font, text).advance;
    };

    SpansLines result;
    result.indent = static_cast<int>(std::lround(width(head)));
    std::string line = head;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const bool last = i + 1 == spans.size();
        const std::string piece = spans[i] + (last ? " ]" : "");
        if (i == 0) {
            line += piece;
            continue;
        }
        const std::string joined = line + ",  " + piece;
        const int start = result.lines.empty() ? 0 : result.indent;
        if (start + width(joined) <= room) {
            line = joined;
        } else {
            result.lines.push_back(line + ",");
            line = piece;
        }
    }
    result.lines.push_back(line);
    return result;
}

// The room the spans line has on its row before page 1's frame, px.
int spans_room(const ReportCanvas& c, int frame_right) {
    const int line_left = on_paper(c) ? c.leftMargin + px(c, 5) : px(c, 5) + px(c, 5);
    return frame_right - px(c, 1) - line_left;
}

Frame draw_title_and_frame(ReportCanvas& c, const ReportData& d) {
    Surface& s = *c.surface;
    const bool cantilever = has_cantilever(d);
    // Every further row of a broken spans line makes the frame one line taller.
    const int frame_right = (on_paper(c) ? px(c, 180) : px(c, 190)) + c.leftMargin;
    const int extra_rows =
        static_cast<int>(spans_lines(c, d.inputs, spans_room(c, frame_right)).lines.size()) - 1;
    c.frameGrowth = extra_rows * (on_paper(c) ? 4 : 5);
    Frame f;
    if (on_paper(c)) {
        const double height = (cantilever ? 55 : 51) + c.frameGrowth;
        s.set_font_size(12);
        s.text_out(c.leftMargin, c.topOffset - px(c, 5), title_text(d));
        s.set_pen_width(common::to_int(c.dpi / 600.0 * 6));
        f = {px(c, 180) + c.leftMargin, c.topOffset + px(c, height)};
        s.rectangle({c.leftMargin, c.topOffset, f.right, f.bottom});
        c.linePitch = 4;
    } else {
        const double height = (cantilever ? 71 : 66) + c.frameGrowth;
        s.text_out(c.leftMargin, px(c, 4), title_text(d));
        s.set_brush_clear();
        s.set_pen_width(common::to_int(c.dpi / 600.0));
        s.set_pen_color(c.textColor);
        f = {px(c, 190) + c.leftMargin, c.topOffset + px(c, height)};
        s.rectangle({c.leftMargin, c.topOffset, f.right, f.bottom});
        c.linePitch = 5;
        s.set_font_color(kHeadingColor);
        c.leftMargin = px(c, 5);
    }
    return f;
}

std::string cantilever_text(const ReportData& d) {
    const double left = d.data.leftCantileverLength;
    const double right = d.data.rightCantileverLength;
    std::string text = "□はね出し部 ";
    if (left != 0 && right == 0) return text + "[" + plain(left) + "mm]";
    if (left != 0) return text + "[左側 " + plain(left) + "mm、 右側 " + plain(right) + "mm]";
    return text + "[右側 " + plain(right) + "mm]";
}

// Strength, section, fastening, site, spans and cantilevers. Returns the y of
// the separator under them.
int draw_specification(ReportCanvas& c, const ReportData& d) {
    Surface& s = *c.surface;
    const calc::DesignInputs& in = d.inputs;
    const int P = c.linePitch;
    const int T = c.topOffset;

    c.col = 0;
    c.row = 2;
    s.set_font_size(c.baseFontSize);
    put(c, {c.leftMargin + px(c, 1), T + px(c, c.row)}, "《設計仕様》");
    s.set_font_color(c.textColor);

    c.row += P;
    c.col += 5;
    put_at_col(c, c.col, T + px(c, c.row),
               "□デッキプレート基準強度 Ｆ=" + std::to_string(in.designStrength) + "N/mm");
    put(c, sup(c, "2"), "、単位重量 " + d.window.unitWeightText + "N/㎡");

    c.row += P;
    const int y_heading = put_at_col(c, c.col, T + px(c, c.row), "□断面性能").y;

    // Z and I per metre in cm units; the unit after an exponent keeps 1.5 mm of
    // air so the exponent does not run into it.
    c.row += P;
    c.col += 5;
    const int y_section = T + px(c, c.row);
    put_at_col(c, c.col, y_section,
               "Z:" + common::trim(common::format_fixed(in.sectionModulus * 0.001, 6, 1)) + "×10");
    Point p = sup(c, "3");
    put(c, {common::to_int(p.x + 1.5 * c.scale), y_section}, "mm");
    put(c, sup(c, "3"), "/m");
    put(c, s.pen_position(),
        "、 I:" + common::trim(common::format_fixed(in.momentOfInertia * 0.0001, 6, 1)) + "×10");
    p = sup(c, "4");
    put(c, {common::to_int(p.x + 1.5 * c.scale), y_section}, "mm");
    put(c, sup(c, "4"), "/m");

    const int x0 = c.rightColumnX;
    put(c, {x0, y_heading}, "□接合方法： " + in.fastenerName);
    c.row = P;
    c.col = 5;
    put(c, {x0 + px(c, 5), y_heading + px(c, P)},
        "耐力：" + common::trim(common::format_count(in.jointCapacityEnd, 6)) +
            "N (端部、中間部共)");

    std::string site = "□建設用地： " + in.prefectureName + in.areaName;
    int reference_y = y_section;
    if (!in.directLoadInput) {
        c.row = on_paper(c) ? P : common::to_int(1.5 * P);
        reference_y = put_at_col(c, c.col, y_section + px(c, c.row), site + " [平均風速V").y;
        put(c, sub(c, "0"),
            " = " + std::to_string(in.baseWindSpeed) + " m/sec" +
                (in.heavySnowArea ? "、多雪地域]" : "]"));
    } else {
        if (in.heavySnowArea) site += "[多雪地域]";
        c.row = P;
        put_at_col(c, c.col, y_section + px(c, c.row), site);
        c.row += P;
    }

    const SpansLines spans = spans_lines(c, in, spans_room(c, c.frameRight));
    for (std::size_t i = 0; i < spans.lines.size(); ++i) {
        if (i > 0) c.row += P;
        put(c,
            {c.leftMargin + px(c, c.col) + (i > 0 ? spans.indent : 0), reference_y + px(c, c.row)},
            spans.lines[i]);
    }
    if (d.window.cantileverShown) {
        c.row += P;
        put_at_col(c, c.col, reference_y + px(c, c.row), cantilever_text(d));
    }

    c.row = common::to_int(c.row + 1.3 * P);
    const int y = reference_y + px(c, c.row);
    const LineRoleScope rule(s, LineRole::frame);
    s.move_to(c.leftMargin + px(c, 4), y);
    s.line_to(c.leftMargin + px(c, on_paper(c) ? 180 : 186), y);
    return y;
}

std::string alpha_text(const calc::SnowIncrease& increase) {
    if (increase.factor == 1.0) return " (α：1.0)";
    return " (α：" + plain(increase.factor) + ")";
}

// Dead and live loads on the left, wind and snow on the right, both from the
// first load line down.
void draw_loads(ReportCanvas& c, const ReportData& d) {
    Surface& s = *c.surface;
    const calc::DesignInputs& in = d.inputs;
    const int P = c.linePitch;
    const int T = c.topOffset;

    if (!on_paper(c)) s.set_font_color(kHeadingColor);
    c.col = 0;
    c.row = common::to_int(c.row + 0.5 * P);
    put(c, {c.leftMargin + px(c, 1), T + px(c, c.row)}, "《荷重条件》（下向き荷重を正とする）");
    s.set_font_color(c.textColor);

    const auto value_at = [&](int col, int y, long long value) {
        put_at_col(c, col, y, per_square_metre(value));
        sup(c, "2");
    };

    c.row = common::to_int(c.row + 1.3 * P);
    c.col = 5;
    const int y_loads = T + px(c, c.row);
    put_at_col(c, c.col, y_loads, "□固定荷重W");
    sub(c, "G");
    value_at(45, y_loads, common::to_int(in.otherDeadLoad + in.deckUnitWeight));

    c.row += P;
    c.col = 10;
    int y = T + px(c, c.row);
    put_at_col(c, c.col, y, "├── その他荷重");
    value_at(45, y, in.otherDeadLoad);

    c.row += P;
    y = T + px(c, c.row);
    put_at_col(c, c.col, y, "└── デッキ自重");
    value_at(45, y, common::to_int(in.deckUnitWeight));

    c.row += P;
    c.col = 5;
    y = T + px(c, c.row);
    put_at_col(c, c.col, y, "□積載荷重W");
    sub(c, "P");
    value_at(44, y, in.liveLoad);

    const int x0 = c.rightColumnX;
    const auto right_line = [&](int row, std::string_view label, std::string_view subscript,
                                long long value) {
        const int line_y = y_loads + px(c, row);
        put(c, {x0, line_y}, label);
        sub(c, subscript);
        put(c, {x0 + px(c, 40), line_y}, per_square_metre(value));
        return sup(c, "2");
    };
    c.col = 0;
    c.row = 0;
    right_line(c.row, "□風荷重(正)W", "W＋", d.loads.windPositive);
    c.row += P;
    right_line(c.row, "□風荷重(負)W", "W－", d.loads.windNegative);
    c.row += P;
    const Point after_snow = right_line(c.row, "□積雪荷重W", "S", in.snowLoad);
    if (d.increase.status > 0) put(c, after_snow, alpha_text(d.increase));

    if (!in.directLoadInput && d.window.cantileverShown) {
        c.row += P;
        const int line_y = y_loads + px(c, c.row);
        put(c, {x0, line_y}, "□はね出し部用 風荷重(負)W");
        const Point p = sub(c, "W－");
        // The value keeps 5 mm from its symbol, less where a long one would run
        // past the frame.
        const std::string value = common::trim(plain(d.wind.cantileverWind)) + " N/m";
        Font exponent = s.font();
        exponent.size = kExponentSize;
        const double width =
            s.measure(value).advance + px(c, 1.0) + s.text_metrics(exponent, "2").advance;
        const int fitted = c.frameRight - px(c, 1) - static_cast<int>(std::ceil(width));
        put(c, {std::max(p.x + px(c, 1), std::min(p.x + px(c, 5), fitted)), line_y}, value);
        sup(c, "2");
    }
}

} // namespace

bool subject_entered(const PrintSettings& settings) {
    return !settings.subject.empty() && settings.subject != kSubjectPlaceholder;
}

void draw_paper_header(ReportCanvas& c) {
    Surface& s = *c.surface;
    const int y6 = px(c, 6);
    if (is_top_page_number(c.printSettings.pageNumberPosition)) draw_page_number(c);
    c.pageNumberY = y6;
    c.topOffset = px(c, 17) + y6;
    c.leftMargin = px(c, 13);
    if (subject_entered(c.printSettings)) {
        s.set_pen_width(common::to_int(c.dpi / 600.0 * 6));
        s.rectangle({c.leftMargin, px(c, 5) + y6, px(c, 180) + c.leftMargin, px(c, 11) + y6});
        s.text_out(px(c, 15), px(c, 6.3) + y6, "物件名： " + c.printSettings.subject);
    } else {
        s.set_pen_width(common::to_int(c.dpi / 600.0 * 3));
        c.topOffset -= px(c, 5);
    }
}

void draw_design_data_page(ReportCanvas& canvas, const ReportData& data) {
    ReportCanvas& c = canvas;
    Surface& s = *c.surface;
    s.set_font(Font{.name = kProportionalFont, .size = 10, .color = c.textColor});

    if (on_paper(c)) draw_paper_header(c);
    const Frame frame = draw_title_and_frame(c, data);
    c.frameRight = frame.right;
    c.frameBottom = frame.bottom;

    c.topOffset = draw_specification(c, data);
    c.col = 0;
    c.row = 0;
    draw_loads(c, data);

    if (on_paper(c) && !data.inputs.directLoadInput) {
        const std::string note = "※風荷重・積雪荷重値算出については、後ページの詳細を参照。";
        const double n = static_cast<double>(common::cp932_byte_length(note));
        s.set_font_size(8);
        s.text_out(common::to_int(frame.right - n * c.scale - 20 * c.scale),
                   frame.bottom - px(c, 23), note);
    }

    // Right-aligned on 87 mm by its byte length, just under the frame.
    s.set_font_size(c.baseFontSize);
    const std::string heading = "《 計 算 結 果 》";
    const double n = static_cast<double>(common::cp932_byte_length(heading));
    s.text_out(common::to_int(px(c, 87) + c.leftMargin - n * c.scale),
               common::to_int((c.linePitch - 2) * c.scale) + frame.bottom, heading);
}

} // namespace korvex::report
