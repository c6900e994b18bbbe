#include "report/snow_detail.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/snow.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "report/detail_pages.h"
#include "report/end_page.h"
#include "report/label_layout.h"
#include "report/recording_surface.h"
#include "report/roof_figure.h"
#include "report/sea_map.h"
#include "sea/sea_ratio.h"
#include "sea/source_line.h"

namespace korvex::report {

namespace {

using common::shortest_decimal;

// A term added in the depth formula: a negative coefficient a local authority
// publishes reads "－1.19", not "＋-1.19".
std::string added_term(double value) {
    return (value < 0 ? "－" : "＋") + shortest_decimal(value < 0 ? -value : value);
}

std::string depth_line(const calc::DesignInputs& in) {
    if (in.snowMethod != calc::SnowMethod::formula)
        return "垂直積雪量d＝ " + std::to_string(in.snowDepth) + " ㎝";
    // The coefficients as the line above states them, the formula's metres to
    // three decimals and the whole centimetre taken from them, so that a checker
    // can redo the sum and the rounding from the page (three truncated decimals
    // round to the same centimetre as the full value).
    const double metres = calc::formula_snow_depth_m(in.snowCoefA, in.snowCoefB, in.snowCoefC,
                                                     in.altitude, in.seaRatio);
    return "垂直積雪量d = α×ｌs＋β×ｒs＋γ ＝ " + shortest_decimal(in.snowCoefA) + "×" +
           std::to_string(in.altitude) + added_term(in.snowCoefB) + "×" +
           fixed_trimmed(in.seaRatio * 0.01, 5, 2) + added_term(in.snowCoefC) + " ＝ " +
           fixed_trimmed(metres, 7, 3) + " m → " + std::to_string(in.snowDepth) + " cm";
}

// Millimetres "地域データの出典：" takes in the report's font.
constexpr int kSourcesLabelWidth = 32;

std::string source_word(calc::ValueSource source) {
    switch (source) {
    case calc::ValueSource::table:
        return "標準データ";
    case calc::ValueSource::user:
        return "ユーザーデータ";
    case calc::ValueSource::entered:
        return "入力値";
    default:
        return "データなし";
    }
}

// Where each site value came from, so a reader can tell the shipped tables from
// the user's own and from values typed for this design. Two lines, the second
// under the first one's values: the longest words would not fit the page in one.
std::array<std::string, 2> sources_lines(const calc::SiteSources& sources) {
    return {"地域データの出典：Ｖ0＝" + source_word(sources.baseWindSpeed) + "、積雪区域＝" +
                source_word(sources.snowZone),
            "標高参考値＝" + source_word(sources.tableAltitude) + "、垂直積雪量参考値＝" +
                source_word(sources.tableSnowDepth)};
}

std::string coefficients_line(const calc::DesignInputs& in) {
    return "係数：α＝ " + shortest_decimal(in.snowCoefA) + "、β＝ " +
           shortest_decimal(in.snowCoefB) + "、γ＝ " + shortest_decimal(in.snowCoefC) +
           "、海率計算用半径R＝ " + std::to_string(in.seaRatioRadius) + " km（" +
           source_word(in.siteSources.snowCoefficients) + "）";
}

std::string plain_load_line(const calc::DesignInputs& in) {
    return "積雪荷重Ｗs＝ " + std::to_string(in.snowUnitWeight) + "×" +
           std::to_string(in.snowDepth) + "＝ " + std::to_string(in.snowUnitWeight * in.snowDepth) +
           " N/㎡";
}

// How wide the sea ratio's map stands on the page, mm.
constexpr int kSeaMapWidthMm = 60;
// Between the last line of the part and the map's top, mm.
constexpr double kSeaMapGapMm = 1.5;

// "＝ 41 ％（建設地で測定）" and what 海率 made of it.
std::string sea_ratio_result_line(const calc::DesignInputs& in, const WindowSnapshot& window) {
    const SeaMapFigure& figure = *window.seaMap;
    const int percent = sea::sea_ratio_percent(figure.fraction);
    std::string line = "海率参考値＝ " + std::to_string(percent) + " ％（" +
                       (figure.enteredPoint ? "建設地" : "役所") + "の位置で測定）";
    if (window.seaRatioTaken)
        return line + " → 海率 rs＝ " + fixed_trimmed(in.seaRatio * 0.01, 5, 2) + " として採用";
    return line + "。計算には入力した海率 rs＝ " + fixed_trimmed(in.seaRatio * 0.01, 5, 2) +
           " を用いた";
}

// The sea ratio's reference under the load: where and within what radius it was
// measured, on which map data, what it came to and the map itself, so that a
// checker can retrace the rs of the formula.
void draw_sea_ratio_reference(ReportCanvas& canvas, const ReportData& data) {
    const calc::DesignInputs& in = data.inputs;
    const WindowSnapshot& window = data.window;
    if (in.snowMethod != calc::SnowMethod::formula || !window.seaMap) return;
    const SeaMapFigure& figure = *window.seaMap;
    const DetailColumns c = detail_columns(canvas);
    advance(canvas, 2);
    draw_line_at(canvas, c.c0, TextLine("■海率の参考値"));
    advance(canvas);
    // The source line breaks before its note on the map data: one line would
    // run past the frame.
    const std::string source = sea::sea_ratio_source_line(figure.centre, figure.radiusKm);
    const std::size_t note = source.find("（" + std::string(sea::kMapAttribution));
    draw_line_at(canvas, c.c0 + 10, TextLine(source.substr(0, note)));
    advance(canvas);
    if (note != std::string::npos) {
        draw_line_at(canvas, c.c0 + 10, TextLine("　" + source.substr(note)));
        advance(canvas);
    }
    draw_line_at(canvas, c.c0 + 10, TextLine(sea_ratio_result_line(in, window)));

    const sea::Coastline* coastline = window.coastline ? window.coastline->coastline() : nullptr;
    if (!coastline) return;
    advance(canvas);
    Surface& surface = *canvas.surface;
    const int width = mm_to_px(canvas, kSeaMapWidthMm);
    // A little below the row, so that the line above keeps clear of the map.
    const Point at{mm_to_px(canvas, c.c0 + 10) + canvas.leftMargin,
                   mm_to_px(canvas, canvas.sectionRow + kSeaMapGapMm) + canvas.topOffset};
    if (!draw_sea_map(surface, at, width, *coastline, figure)) return;
    // The rows under the map start below it, on the page's line grid.
    const double height_mm = kSeaMapGapMm + sea_map_height(surface, width) / canvas.scale;
    const int lines = static_cast<int>(std::ceil(height_mm / canvas.pageLineHeight));
    canvas.sectionRow = common::to_int(canvas.sectionRow + lines * canvas.pageLineHeight);
    canvas.lineCount += lines;
}

void draw_increase_check(ReportCanvas& canvas, const ReportData& data, double roof_angle,
                         double figure_dy) {
    const calc::DesignInputs& in = data.inputs;
    const calc::SnowIncrease& inc = data.increase;
    const int col = detail_columns(canvas).c0 + 10;
    const auto at = [&](const std::string& text) { draw_line_at(canvas, col, TextLine(text)); };

    at("平成19年国土交通省告示第594号規定(割り増し係数)の検討");
    advance(canvas);
    at("　　張り間方向の長さＤ＝ " + shortest_decimal(in.spanDirectionLengthCm * 0.01) +
       "m、屋根勾配θ＝ " + fixed_trimmed(roof_angle, 3, 0) + "度より dr＝ " +
       fixed_trimmed(inc.drValue, 6, 2) + "m");
    advance(canvas);
    at("　　屋根形状係数μb ＝ √(cos(1.5×θ)) ＝ " + shortest_decimal(inc.shapeFactor));
    advance(canvas);
    // A computed factor below 1 is shown as computed and then replaced by 1.
    const std::string factor = inc.status == 2 ? shortest_decimal(inc.rawFactor) + " ⇒ α＝ 1.0"
                                               : shortest_decimal(inc.factor);
    at("　　割り増し係数α＝ 0.7 + √(" + shortest_decimal(inc.drValue) + "/(" +
       shortest_decimal(inc.shapeFactor) + "×" + fixed_trimmed(in.snowDepth * 0.01, 3, 2) +
       ")) ＝ " + factor);
    advance(canvas, 2);
    at("積雪荷重Ｗs＝ " + std::to_string(in.snowUnitWeight) + "×" + std::to_string(in.snowDepth) +
       "×" + shortest_decimal(inc.factor) + "＝ " + std::to_string(in.snowLoad) + " N/㎡");
    if (on_paper(canvas)) draw_roof_figure(canvas, in, figure_dy);
}

// The snow part from its title to the load line, with the roof figure `figure_dy`
// mm lower than at the top of a sheet.
void draw_snow_lines(ReportCanvas& canvas, const ReportData& data, double roof_angle,
                     double figure_dy) {
    const calc::DesignInputs& in = data.inputs;
    const DetailColumns c = detail_columns(canvas);
    const int top = draw_title_at(canvas, c.c0 + 1, canvas.sectionRow, "積 雪 荷 重 計 算");
    advance(canvas);
    frame_heading(canvas, top,
                  in.snowMethod == calc::SnowMethod::formula ? "平成12年建設省告示第1455号による"
                                                             : "");
    advance(canvas);

    draw_line_at(canvas, c.c0, TextLine("■条　件"));
    advance(canvas);
    draw_line_at(canvas, c.c0 + 10,
                 TextLine("建設用地：" + data.data.prefectureName + " " + data.data.areaName));
    advance(canvas);
    const auto sources = sources_lines(in.siteSources);
    draw_line_at(canvas, c.c0 + 10, TextLine(sources[0]));
    advance(canvas);
    draw_line_at(canvas, c.c0 + 10 + kSourcesLabelWidth, TextLine(sources[1]));
    advance(canvas);
    if (in.snowMethod == calc::SnowMethod::formula) {
        draw_line_at(canvas, c.c0 + 10, TextLine(coefficients_line(in)));
        advance(canvas);
    }
    advance(canvas, 0.5);
    draw_line_at(canvas, c.c0, TextLine("■荷重の計算"));
    advance(canvas);
    draw_line_at(canvas, c.c0 + 10, TextLine(depth_line(in)));
    advance(canvas, 2);

    if (data.increase.status == 1 || data.increase.status == 2) {
        draw_increase_check(canvas, data, roof_angle, figure_dy);
    } else if (data.window.heavySnowBox) {
        // Heavy-snow sites are never examined, so no notice: the load line goes
        // directly under the depth line.
        canvas.sectionRow = common::to_int(canvas.sectionRow - canvas.pageLineHeight);
        canvas.lineCount -= 1;
        draw_line_at(canvas, c.c0 + 10, TextLine(plain_load_line(in)));
    } else {
        draw_line_at(canvas, c.c0 + 10,
                     TextLine("平成19年国土交通省告示第594号に規定された「割り増し係数の検討」は"
                              "、対象外のため不要。"));
        advance(canvas);
        draw_line_at(canvas, c.c0 + 10, TextLine(plain_load_line(in)));
    }
    draw_sea_ratio_reference(canvas, data);
}

// Where the roof figure stands when the snow part follows the wind part on its
// sheet: beside the snow title, or lower where a long line of the part would run
// into it. Nothing when the part does not fit between the wind part and the
// foot of the sheet's frame. Found by drawing the part on trial sheets that
// measure with the paper's fonts.
std::optional<double> figure_offset_on_wind_sheet(const ReportCanvas& canvas,
                                                  const ReportData& data, double roof_angle) {
    const double frame_bottom =
        canvas.topOffset - mm_to_px(canvas, 5) + mm_to_px(canvas, kDetailFrameHeight);
    const double room = frame_bottom - px_of(canvas, kDetailFrameFootRoom);
    const double slack = px_of(canvas, kHairlineMm);
    const double title_top = mm_of(canvas, canvas.topOffset) + canvas.sectionRow;
    for (double dy = title_top - kRoofFigureTop;; dy += 1.0) {
        RecordingSurface sheet(*canvas.surface, DeviceUse::measure);
        ReportCanvas trial = canvas;
        trial.surface = &sheet;
        draw_snow_lines(trial, data, roof_angle, dy);

        double bottom = 0.0;
        for (const RecordedText& t : sheet.texts()) bottom = std::max(bottom, t.box.bottom);
        for (const RecordedLine& l : sheet.lines())
            bottom = std::max<double>(
                {bottom, static_cast<double>(l.from.y), static_cast<double>(l.to.y)});
        if (bottom > room) return std::nullopt;

        // Every text of the sheet, the wind part's and the snow part's, keeps
        // clear of the roof figure's lines and of each other.
        std::vector<Box> texts = canvas.surface->sheet_marks().texts;
        bool clear = true;
        for (const RecordedText& t : sheet.texts()) {
            for (const Box& b : texts)
                if (boxes_overlap(t.box, b, slack)) clear = false;
            texts.push_back(t.box);
        }
        // No line of the part crosses a text of the wind part, and the roof
        // figure's lines cross none at all.
        const std::size_t wind_texts = canvas.surface->sheet_marks().texts.size();
        bool has_figure = !sheet.arcs().empty();
        for (const RecordedLine& l : sheet.lines()) {
            has_figure = has_figure || l.role == LineRole::figure;
            const std::size_t reach = l.role == LineRole::figure ? texts.size() : wind_texts;
            for (std::size_t i = 0; i < reach; ++i)
                if (segment_crosses({l.from, l.to, l.role}, texts[i], slack)) clear = false;
        }
        if (clear) return dy;
        // Only the roof figure moves down the sheet; without one the part stays
        // where it is and does not fit.
        if (!has_figure) return std::nullopt;
    }
}

} // namespace

void draw_snow_detail(ReportCanvas& canvas, const ReportData& data, double roof_angle) {
    const DetailColumns c = detail_columns(canvas);
    double figure_dy = 0.0;
    if (on_paper(canvas)) {
        // The snow part follows the wind part on its sheet when it fits there; a
        // wind part with a cantilever may leave too little, and the part starts
        // a sheet of its own.
        if (const auto dy = figure_offset_on_wind_sheet(canvas, data, roof_angle)) {
            figure_dy = *dy;
        } else {
            end_page(canvas);
            open_detail_sheet(canvas);
        }
    }
    draw_snow_lines(canvas, data, roof_angle, figure_dy);

    if (!on_paper(canvas)) {
        // On screen the page ends a little below the last line, where the blank
        // leaves the pen.
        canvas.sectionRow = common::to_int(canvas.sectionRow + 3 * canvas.pageLineHeight);
        canvas.lineCount += 3;
        draw_line_at(canvas, c.c0 + 10, TextLine(" "));
    }
    end_page(canvas);
}

} // namespace korvex::report
