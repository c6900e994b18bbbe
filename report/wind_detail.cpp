#include "report/wind_detail.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/number_text.h"
#include "common/rounding.h"
#include "report/detail_pages.h"

namespace korvex::report {

namespace {

using common::format_fixed;
using common::shortest_decimal;

constexpr std::array<const char*, 4> kRoughnessNumerals = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"};
// Negative regions of pitched and arc roofs, in the order of the derivation.
constexpr std::array<const char*, 4> kRoofRegions = {"一般部", "周辺部", "軒隅角部", "軒頂部"};
// The four suction entries of a canopy: each side with the general-part and the
// edge-part gust factor, named as in the canopy's coefficient block.
constexpr std::array<const char*, 4> kCanopyRegions = {"風上側一般部", "風上側周辺部",
                                                       "風下側一般部", "風下側周辺部"};
constexpr double kCanopyGeneralGust = 3.0;
constexpr double kCanopyEdgeGust = 4.0;

struct WindPage {
    ReportCanvas& canvas;
    const ReportData& data;
    const calc::WindResult& w;
    const calc::LoadSet& loads;
    DetailColumns c;

    bool canopy() const { return data.data.roofKind == calc::RoofKind::canopy; }
    bool arc() const { return data.data.roofKind == calc::RoofKind::arc; }
    bool has_cantilever() const {
        return data.data.leftCantileverLength != 0 || data.data.rightCantileverLength != 0;
    }
    const char* numeral() const {
        return kRoughnessNumerals[static_cast<std::size_t>(
            std::clamp(data.data.roughnessIndex, 0, 3))];
    }
    void at(int col, const TextLine& line) { draw_line_at(canvas, col, line); }
    void at(int col, std::string_view text) { draw_line_at(canvas, col, TextLine(text)); }
};

void draw_heading(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const int row = common::to_int(canvas.sectionRow - 2 * canvas.pageLineHeight);
    const int top = draw_title_at(canvas, p.c.c0 + 1, row, "風 荷 重 計 算");
    advance(canvas, 0.5);
    frame_heading(canvas, top, "平成12年建設省告示第1458号による");
    draw_line_at(canvas, p.c.c0, canvas.sectionRow - 1, TextLine("■条　件"));
    advance(canvas);
}

std::string millimetres(double value, const char* unit) {
    return format_fixed(value, 4, 0) + unit;
}

void draw_conditions(WindPage& p) {
    const calc::CalculationData& d = p.data.data;
    const calc::DesignInputs& in = p.data.inputs;
    const int left = p.c.c0 + 10;
    const int right = p.c.r + 10;
    const int right_value = p.c.r + (p.c.v - p.c.c0);

    p.at(left, "建設用地：" + d.prefectureName + " " + d.areaName);
    advance(p.canvas);

    p.at(left, "地表面粗度区分：");
    p.at(p.c.v, p.numeral());
    p.at(right, "張り間方向の長さＤ：");
    p.at(right_value, millimetres(d.spanDirectionLength * 10.0, " mm"));
    advance(p.canvas);

    p.at(left, TextLine("告示で規定された風速　Ｖ").sub("0") << " ：");
    p.at(p.c.v, std::to_string(d.baseWindSpeed) + " m/s");
    if (!p.arc()) {
        // An arc roof has no single pitch; its rise enters through f/d instead.
        p.at(right, "屋根面が水平面となす角度θ：");
        p.at(right_value, format_fixed(p.w.roofAngle, 3, 0) + "  度");
    }
    advance(p.canvas);

    p.at(left, "建物の高さと軒の高さの平均Ｈ：");
    p.at(p.c.v, millimetres(p.w.meanHeight * 1000, " mm"));
    p.at(right, "屋根面の種類: " + in.roofTypeName + ", " +
                    (p.canopy() ? in.canopyShapeName : in.buildingFormName));
    advance(p.canvas);

    p.at(left, "軒の高さＨ1：");
    p.at(p.c.v, millimetres(d.eaveHeight * 10.0, " mm"));
    if (p.has_cantilever()) {
        p.at(right, "帳壁部分の地盤面からの高さＺ：");
        p.at(right_value, millimetres(p.w.wallHeight * 1000, "  mm"));
    }
    advance(p.canvas);

    p.at(left, "建物の高さＨ2：");
    p.at(p.c.v, millimetres(d.buildingHeight * 10.0, " mm"));
    advance(p.canvas);
    advance(p.canvas);
}

// "…Ｚb = 5m、ＺG = 450m、α = 0.20": the roughness parameters of table A.
TextLine roughness_line(const WindPage& p, const std::string& lead, const std::string& zb,
                        const char* alpha_lead) {
    TextLine line;
    line << lead << "Ｚb = " << zb << "m、Ｚ";
    line.sub("G") << " = " << format_fixed(p.w.zg, 4, 0) << alpha_lead
                  << format_fixed(p.w.alpha, 4, 2);
    return line;
}

void draw_canopy_coefficients(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;
    const auto& cf = w.peakExternalNegative; // a canopy keeps its four Cf here
    const int f = p.c.f;

    p.at(p.c.c0 + 7, "A-1)正圧の風力係数 Ｃf正");
    advance(canvas);
    p.at(f, roughness_line(p, std::string("地表面粗度区分") + p.numeral() + "より、",
                           fixed_trimmed(w.zb, 4, 0), "m、 α = "));
    advance(canvas);
    p.at(f, "Ｇpe = " + format_fixed(w.gustFactor, 4, 2) + " (告示第1458号 表２より直線補間）");
    advance(canvas);
    p.at(f, "告示第1454号第3に規定する風力係数");
    advance(canvas);
    p.at(f + 10, "風上側 " + fixed_trimmed(cf[0], 5, 2) + "、  風下側 " +
                     format_fixed(cf[2], 5, 2) + "  " + "(表６より直線補間)");
    advance(canvas);
    advance(canvas, 0.5);

    const auto positive = [&](const char* side, double coefficient, double peak) {
        return std::string("Ｃf正-") + side + " " + format_fixed(coefficient, 5, 2) + " × " +
               fixed_trimmed(w.gustFactor, 5, 2) + " ＝ " + fixed_trimmed(peak, 5, 2);
    };
    p.at(f + 10, positive("風上側", cf[0], w.peakPositive[0]));
    p.at(f + 80, positive("風下側", cf[2], w.peakPositive[1]));
    advance(canvas);
    advance(canvas, 0.5);

    p.at(p.c.c0 + 7, "A-2)負圧のピーク風力係数");
    advance(canvas);
    p.at(f, "告示第1458号表7より　　Ｇpe（一般部）= " + fixed_trimmed(kCanopyGeneralGust, 5, 2) +
                "、Ｇpe（周辺部）= " + fixed_trimmed(kCanopyEdgeGust, 5, 2));
    advance(canvas);
    p.at(f, "告示第1454号第3に規定する風力係数");
    advance(canvas);
    p.at(f + 10, "風上側 " + format_fixed(cf[1], 5, 2) + "、  風下側 " + format_fixed(cf[3], 5, 2) +
                     "  " + "(表６より直線補間)");
    advance(canvas);
    advance(canvas, 0.5);

    for (int i = 0; i < 4; ++i) {
        const bool windward = i < 2;
        const bool general = i % 2 == 0;
        p.at(p.c.c0 + 25, std::string("Ｃf負-") + (windward ? "風上側" : "風下側") + " ＝ " +
                              fixed_trimmed(windward ? cf[1] : cf[3], 5, 2) + " × " +
                              fixed_trimmed(general ? kCanopyGeneralGust : kCanopyEdgeGust, 5, 2) +
                              " ＝ " +
                              fixed_trimmed(w.peakNegative[static_cast<std::size_t>(i)], 5, 2) +
                              " （ " + (general ? "一般部" : "周辺部") + " ）");
        advance(canvas);
    }
}

void draw_roof_coefficients(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;
    const std::string& form = p.data.inputs.buildingFormName;
    const int f = p.c.f;

    p.at(p.c.c0 + 7, "A-1)正圧のピーク風力係数");
    advance(canvas);
    p.at(f, roughness_line(p, std::string("地表面粗度区分") + p.numeral() + "より、",
                           format_fixed(w.zb, 2, 0), "m、α = "));
    advance(canvas);
    if (p.arc())
        p.at(f, "ｆ/ｄ =" + format_fixed(w.riseRatio, 6, 2) +
                    ",   ｈ/ｄ =" + format_fixed(w.heightRatio, 6, 2) + "より");
    else
        p.at(f, std::string(w.meanHeight > w.zb ? "H＞Zb, θ= " : "H≦Zb, θ= ") +
                    format_fixed(w.roofAngle, 3, 0) + " 度より");
    advance(canvas);
    p.at(f, "   Ｃpe = " + format_fixed(w.externalCoefficient, 4, 2) +
                "、 Ｇpe = " + format_fixed(w.gustFactor, 4, 2) +
                (p.arc() ? " (告示第1458号 表4、表2より直線補間）"
                         : " (告示第1458号 表1、表2より直線補間）"));
    advance(canvas);
    p.at(f, "Ｃf外圧 = Ｃpe・Ｇpe = " + format_fixed(w.externalCoefficient, 4, 2) + " × " +
                format_fixed(w.gustFactor, 4, 2) + " = " +
                format_fixed(w.peakExternalPositive, 4, 2) +
                ",  Ｃf内圧 = " + format_fixed(w.internalPositive, 4, 2) + " (" + form + ")");
    advance(canvas, 1.5);
    p.at(f, "　 ピーク風力係数 Ｃf正 ＝ Ｃf外圧[正] - Ｃf内圧[正] ＝ " +
                format_fixed(w.peakExternalPositive, 4, 2) + " － ( " +
                format_fixed(w.internalPositive, 4, 2) + " ) ＝ " +
                format_fixed(w.peakPositive[0], 4, 2));
    advance(canvas);
    advance(canvas, 0.5);

    p.at(p.c.c0 + 7, "A-2)負圧のピーク風力係数");
    advance(canvas);
    p.at(f, "告示第1458号 表3より、");
    advance(canvas);
    const auto external = [&](std::size_t i) {
        return " Ｃf外圧 = " + format_fixed(w.peakExternalNegative[i], 4, 2) + " （" +
               kRoofRegions[i] + "）";
    };
    p.at(f, external(0));
    p.at(f + 55, external(1));
    p.at(f + 110, " Ｃf内圧 = " + format_fixed(w.internalNegative, 4, 2) + " （" + form + "）");
    if (!p.arc()) {
        advance(canvas);
        p.at(f, external(2));
        p.at(f + 55, external(3));
    }
    advance(canvas);
    advance(canvas, 0.5);

    p.at(f, "　 ピーク風力係数  Ｃf負 ＝ Ｃf外圧[負]－Ｃf内圧[負]");
    advance(canvas);
    for (std::size_t i = 0; i < static_cast<std::size_t>(w.negativeCount); ++i) {
        p.at(f + 35, "Ｃf負 ＝ " + format_fixed(w.peakExternalNegative[i], 4, 2) + "－(" +
                         format_fixed(w.internalNegative, 4, 2) + "）= " +
                         format_fixed(w.peakNegative[i], 4, 2) + " （" + kRoofRegions[i] + "）");
        advance(canvas);
    }
}

void draw_wall_coefficients(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;
    const int f = p.c.f;

    p.at(p.c.c0 + 7, "A-3)帳壁の正圧ピーク風力係数");
    advance(canvas);
    p.at(f, "はね出し部の検討において、壁面正圧の影響を考慮する。");
    advance(canvas);
    p.at(f, roughness_line(p, std::string("A-1)と同様、地表面粗度区分") + p.numeral() + "、",
                           format_fixed(w.zb, 2, 0), "m、α = "));
    advance(canvas);
    if (w.meanHeight <= 5.0) {
        p.at(f, "告示第1458号 表8より、Ｈは 5mm以下、Ｃpe(帳壁正) = 1.0");
    } else if (w.wallHeight <= 5.0) {
        p.at(f, "告示第1458号 表8より、Ｈ > 5 mm かつ Ｚ <= 5 mm、Ｃpe(正) = " +
                    shortest_decimal(w.wallHeightFactor));
    } else {
        p.at(f, "告示第1458号 表8より、Ｈ > 5 mm かつ Ｚ > 5 mm、");
        advance(canvas);
        TextLine line("Ｃpe(正) = (Z/H)");
        line.sup("2α") << " = (" << shortest_decimal(w.wallHeight) << "/"
                       << shortest_decimal(w.meanHeight) << ")";
        line.sup("2・" + fixed_trimmed(w.alpha, 4, 2))
            << " = " << format_fixed(w.wallHeightFactor, 4, 2);
        p.at(f + 10, line);
    }
    advance(canvas);
    p.at(f + 10,
         "Ｇpe(正) = " + format_fixed(w.wallGustFactor, 4, 2) + " (告示第1458号 表9より直線補間）");
    advance(canvas);
    advance(canvas, 0.5);
    p.at(f, "Ｃf外圧 = Ｃpe・Ｇpe = " + format_fixed(w.wallHeightFactor, 4, 2) + " × " +
                format_fixed(w.wallGustFactor, 4, 2) + " = " +
                format_fixed(w.wallPeakExternal, 4, 2));
    advance(canvas);
    p.at(f, "Ｃf内圧 = " + format_fixed(w.wallInternal, 4, 2) + " (告示第1458号 表11より)");
    advance(canvas, 1.5);
    p.at(f, "　 ピーク風力係数 Ｃf正[壁] ＝ Ｃf外圧[正]－Ｃf内圧[正] ＝ " +
                format_fixed(w.wallPeakExternal, 4, 2) + "－(" +
                format_fixed(w.wallInternal, 4, 2) + "）= " + format_fixed(w.wallPeak, 4, 2));
    advance(canvas);
    advance(canvas, 0.5);
}

void draw_velocity_pressure(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;

    p.at(p.c.c0 + 7, "B)平均速度圧");
    advance(canvas);
    const int row = canvas.sectionRow;
    if (w.meanHeight <= w.zb) {
        // Below Zb the exposure factor is taken at Zb; its formula is set on three
        // rows of the right half.
        TextLine first("Ｈ≦Ｚb → Ｅr = 1.7×(Ｚb/Ｚ");
        first.sub("G") << ")";
        first.sup("α");
        draw_line_at(canvas, p.c.r, row, first);
        const int second_row = common::to_int(row + canvas.pageLineHeight);
        TextLine second(" = 1.7×( " + fixed_trimmed(w.zb, 4, 1) + " / " +
                        fixed_trimmed(w.zg, 4, 0) + " )");
        second.sup(fixed_trimmed(w.alpha, 3, 2));
        draw_line_at(canvas, p.c.c0 + 95, second_row, second);
        const int third_row = common::to_int(second_row + canvas.pageLineHeight);
        draw_line_at(canvas, p.c.c0 + 95, third_row,
                     TextLine("= " + format_fixed(w.exposureFactor, 6, 5)));
        // The q line is as wide as the page: it goes below the formula instead of
        // across its second row.
        advance(canvas);
        advance(canvas);
    } else {
        TextLine line("Ｈ＞Ｚb → Ｅr = 1.7×(Ｈ/Ｚ");
        line.sub("G") << ")";
        line.sup("α") << "= 1.7×( " << fixed_trimmed(w.meanHeight, 4, 1) << " / "
                      << fixed_trimmed(w.zg, 4, 0) << " )"
                      << " ";
        line.sup(format_fixed(w.alpha, 3, 2)) << "= " << format_fixed(w.exposureFactor, 6, 5);
        draw_line_at(canvas, p.c.f, row, line);
    }
    advance(canvas);

    TextLine q("平均速度圧 ｑ＝ 0.6・Ｅr");
    q.sup("2") << "・Ｖ";
    q.sub("0");
    q.sup("2") << " ＝ 0.6 × " << fixed_trimmed(w.exposureFactor, 7, 5);
    q.sup("2") << " × " << format_fixed(p.data.data.baseWindSpeed, 3, 0);
    q.sup("2") << " ＝ " << format_fixed(w.velocityPressure, 6, 2) << " N/m";
    q.sup("2");
    p.at(p.c.f, q);
    advance(canvas);
    advance(canvas, 0.5);
}

TextLine pressure_formula(const char* lead, double q, const char* times, double coefficient,
                          const char* equals, double pressure, int pressure_width) {
    TextLine line;
    line << lead << fixed_trimmed(q, 6, 2) << times << fixed_trimmed(coefficient, 5, 2) << equals
         << fixed_trimmed(pressure, pressure_width, 2) << " N/m";
    line.sup("2");
    return line;
}

void draw_design_pressures(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;
    const double q = w.velocityPressure;
    const int label = p.c.c0 + 10;
    // A canopy's rows name the side as well as the part; their formulas stand
    // further right to clear those longer labels.
    const int formula = p.c.f + (p.canopy() ? 42 : 30);

    p.at(p.c.c0 + 7, "C)設計用風圧力　Ｗ＝ｑ･Ｃf");
    advance(canvas);
    if (p.canopy()) {
        const char* labels[2] = {" （正圧・風上側）", " （正圧・風下側）"};
        for (std::size_t i = 0; i < 2; ++i) {
            p.at(label, labels[i]);
            p.at(formula, pressure_formula("Ｗ正 ＝ ", q, " ×  ", w.peakPositive[i], " ＝ ",
                                           w.pressurePositive[i], 8));
            advance(canvas);
        }
    } else {
        p.at(label, " （正圧）");
        p.at(formula, pressure_formula("Ｗ正 ＝ ", q, " ×  ", w.peakPositive[0], " ＝   ",
                                       w.pressurePositive[0], 9));
        advance(canvas);
    }
    const auto& regions = p.canopy() ? kCanopyRegions : kRoofRegions;
    for (std::size_t i = 0; i < static_cast<std::size_t>(w.negativeCount); ++i) {
        p.at(label, std::string(" （負圧") + regions[i] + "）");
        p.at(formula, pressure_formula("Ｗ負 ＝ ", q, " × ", w.peakNegative[i], " ＝ ",
                                       w.pressureNegative[i], 9));
        advance(canvas);
    }
    advance(canvas, 0.5);

    TextLine design("本計算用風圧力 → 正圧計算 " + fixed_trimmed(p.loads.windPositive, 10, 2) +
                    " N/m");
    design.sup("2") << "、  負圧計算 " << fixed_trimmed(p.loads.windNegative, 10, 2) << " N/m";
    design.sup("2");
    p.at(p.c.f, design);
    advance(canvas);
}

void draw_wall_pressure(WindPage& p) {
    ReportCanvas& canvas = p.canvas;
    const calc::WindResult& w = p.w;

    advance(canvas, 0.5);
    p.at(p.c.c0 + 7, "D)帳壁の設計用風圧力　Ｗ＝ｑ･Ｃf");
    advance(canvas);
    p.at(p.c.c0 + 10, " （正圧）");
    p.at(p.c.f + 30, pressure_formula("Ｗ正 ＝ ", w.wallVelocityPressure, " × ", w.wallPeak, " ＝ ",
                                      w.wallPressure, 9));
    advance(canvas, 1.5);
    TextLine line("はね出し部計算用風圧力 → 負圧計算 " +
                  fixed_trimmed(p.loads.windNegative, 10, 2) + " - " +
                  fixed_trimmed(w.wallPressure, 9, 2) + " ＝ " +
                  fixed_trimmed(w.cantileverWind, 10, 2) + " N/m");
    line.sup("2");
    p.at(p.c.f, line);
}

} // namespace

void draw_wind_detail(ReportCanvas& canvas, const ReportData& data, const calc::WindResult& wind,
                      const calc::LoadSet& loads) {
    if (on_paper(canvas)) {
        open_detail_sheet(canvas);
    } else {
        canvas.pageLineHeight = 5.0;
        canvas.pageFirstRow = 7;
    }
    WindPage page{canvas, data, wind, loads, detail_columns(canvas)};

    draw_heading(page);
    draw_conditions(page);
    draw_line_at(canvas, page.c.c0, canvas.sectionRow - 1, TextLine("■荷重の計算"));
    advance(canvas);
    if (page.canopy())
        draw_canopy_coefficients(page);
    else
        draw_roof_coefficients(page);
    advance(canvas, 0.5);
    if (data.window.cantileverShown) draw_wall_coefficients(page);
    draw_velocity_pressure(page);
    draw_design_pressures(page);
    if (page.has_cantilever()) draw_wall_pressure(page);
    advance(canvas);
    advance(canvas);
}

} // namespace korvex::report
