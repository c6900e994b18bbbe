#include "tests/limits/report_checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "persist/print_settings_dialog.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "report/report_run.h"

namespace korvex::limits {

namespace {

class FiniteCheck {
public:
    explicit FiniteCheck(Faults& faults) : faults_(faults) {}

    void operator()(const std::string& what, double value) {
        if (!std::isfinite(value)) faults_.push_back(what + " is " + std::to_string(value));
    }
    template <typename Range> void all(const std::string& what, const Range& values) {
        int i = 0;
        for (double v : values) (*this)(what + "[" + std::to_string(i++) + "]", v);
    }

    void results(const std::string& what, const analysis::CaseResults& r) {
        for (std::size_t n = 0; n < r.reactions.size(); ++n)
            all(what + ".reactions" + std::to_string(n), r.reactions[n]);
        for (std::size_t n = 0; n < r.endForces.size(); ++n) {
            all(what + ".end_forces" + std::to_string(n), r.endForces[n]);
            all(what + ".displacements" + std::to_string(n), r.displacements[n]);
            all(what + ".moment_samples" + std::to_string(n), r.momentSamples[n]);
            all(what + ".deflection_samples" + std::to_string(n), r.deflectionSamples[n]);
            all(what + ".total_load" + std::to_string(n), r.totalLoad[n]);
        }
        for (std::size_t n = 0; n < 2; ++n) {
            all(what + ".cantilever_moment_samples" + std::to_string(n),
                r.cantileverMomentSamples[n]);
            all(what + ".cantilever_deflection_samples" + std::to_string(n),
                r.cantileverDeflectionSamples[n]);
        }
        all(what + ".span_moment", r.spanMoment);
        all(what + ".span_moment_x", r.spanMomentX);
        all(what + ".span_deflection", r.spanDeflection);
        all(what + ".cantilever_check_moment", r.cantileverCheckMoment);
        all(what + ".cantilever_check_deflection", r.cantileverCheckDeflection);
        for (auto [name, v] : {std::pair{"max_moment", r.maxMoment},
                               {"max_deflection", r.maxDeflection},
                               {"deflection_ratio", r.deflectionRatio},
                               {"governing_span_length", r.governingSpanLength},
                               {"reaction_v1", r.reactionV1},
                               {"reaction_v2", r.reactionV2}})
            (*this)(what + "." + name, v);
    }

    void page(const std::string& what, const run::CheckPage& p) {
        results(what, p.results);
        const auto& a = p.allowable;
        const auto& c = p.cantilever;
        const auto& t = p.table;
        for (auto [name, v] : {std::pair{"W_total", p.wTotal},
                               {"max_moment", p.maxMoment},
                               {"sigma", p.sigma},
                               {"max_deflection", p.maxDeflection},
                               {"governing_span_length", p.governingSpanLength},
                               {"deflection_allowance", p.deflectionAllowance},
                               {"reaction_v1", p.reactionV1},
                               {"reaction_v2", p.reactionV2},
                               {"f_a", a.fA},
                               {"Z", a.Z},
                               {"C_end", a.cEnd},
                               {"C_mid", a.cMid},
                               {"cantilever.M", c.M},
                               {"cantilever.sigma", c.sigma},
                               {"cantilever.delta", c.delta},
                               {"cantilever.V", c.V},
                               {"table.left_root_moment", t.leftRootMoment},
                               {"table.right_root_moment", t.rightRootMoment},
                               {"table.left_tip_deflection", t.leftTipDeflection},
                               {"table.right_tip_deflection", t.rightTipDeflection},
                               {"table.left_cantilever_force", t.leftCantileverForce}})
            (*this)(what + "." + name, v);
        for (const auto& line : p.lines) {
            (*this)(what + ".line." + run::check_kind_name(line.kind) + ".value", line.value);
            (*this)(what + ".line." + run::check_kind_name(line.kind) + ".limit", line.limit);
        }
    }

private:
    Faults& faults_;
};

bool reads_as_not_a_number(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

void check_surface(const std::string& mode, const report::RecordingSurface& surface,
                   bool grows_downwards, Faults& faults) {
    const report::Size sheet = surface.page_size();
    const auto inside = [&](report::Point p) {
        return p.x >= 0 && p.x <= sheet.width && p.y >= 0 &&
               (grows_downwards || p.y <= sheet.height);
    };
    const auto where = [&](int page, report::Point p) {
        return mode + " page " + std::to_string(page) + " (" + std::to_string(p.x) + ", " +
               std::to_string(p.y) + ")";
    };
    for (const auto& t : surface.texts()) {
        if (reads_as_not_a_number(t.text))
            faults.push_back(where(t.page, t.at) + ": text \"" + t.text + "\"");
        // Only where a text starts is checked: its end depends on the font, which
        // the recording surface can only estimate.
        if (!inside(t.at))
            faults.push_back(where(t.page, t.at) + ": text outside the sheet \"" + t.text + "\"");
    }
    for (const auto& l : surface.lines())
        if (!inside(l.from) || !inside(l.to))
            faults.push_back(where(l.page, l.from) + ": line to (" + std::to_string(l.to.x) + ", " +
                             std::to_string(l.to.y) + ") outside the sheet");
    for (const auto& r : surface.rectangles())
        if (!inside({r.rect.left, r.rect.top}) || !inside({r.rect.right, r.rect.bottom}))
            faults.push_back(where(r.page, {r.rect.left, r.rect.top}) +
                             ": rectangle outside the sheet");
}

} // namespace

Faults result_faults(const form::Session& s) {
    Faults faults;
    FiniteCheck check(faults);
    const auto& w = s.wind;
    for (auto [name, v] : {std::pair{"roofAngle", w.roofAngle},
                           {"meanHeight", w.meanHeight},
                           {"heightDifference", w.heightDifference},
                           {"riseRatio", w.riseRatio},
                           {"heightRatio", w.heightRatio},
                           {"zb", w.zb},
                           {"alpha", w.alpha},
                           {"exposureFactor", w.exposureFactor},
                           {"velocityPressure", w.velocityPressure},
                           {"gustFactor", w.gustFactor},
                           {"externalCoefficient", w.externalCoefficient},
                           {"peakExternalPositive", w.peakExternalPositive},
                           {"internalPositive", w.internalPositive},
                           {"internalNegative", w.internalNegative},
                           {"wallHeight", w.wallHeight},
                           {"wallHeightFactor", w.wallHeightFactor},
                           {"wallGustFactor", w.wallGustFactor},
                           {"wallPeakExternal", w.wallPeakExternal},
                           {"wallInternal", w.wallInternal},
                           {"wallPeak", w.wallPeak},
                           {"wallVelocityPressure", w.wallVelocityPressure},
                           {"wallPressure", w.wallPressure},
                           {"cantileverWind", w.cantileverWind}})
        check(std::string("wind.") + name, v);
    check.all("wind.peakExternalNegative", w.peakExternalNegative);
    check.all("wind.peakPositive", w.peakPositive);
    check.all("wind.peakNegative", w.peakNegative);
    check("increase.factor", s.increase.factor);
    check("increase.rawFactor", s.increase.rawFactor);
    check("increase.drValue", s.increase.drValue);
    check("increase.shapeFactor", s.increase.shapeFactor);
    check("loads.wallPressure", s.loads.wallPressure);
    check.all("loads.ratioGP", s.loads.ratioGP);
    check.all("loads.ratioP", s.loads.ratioP);
    check.all("loads.ratioS", s.loads.ratioS);
    check.all("loads.ratioW", s.loads.ratioW);
    check.all("loads.caseLoad", s.loads.caseLoad);
    for (std::size_t i = 0; i < s.run.checkPages.size(); ++i)
        check.page("check_page" + std::to_string(i), s.run.checkPages[i]);
    for (std::size_t i = 0; i < s.run.diagramBlocks.size(); ++i) {
        const auto& block = s.run.diagramBlocks[i];
        check.results("diagram_block" + std::to_string(i), block.results);
        check("diagram_block" + std::to_string(i) + ".cantilever_load", block.cantileverLoad);
    }
    return faults;
}

Faults drawn_report_faults(const form::Session& s) {
    Faults faults;
    const report::ReportData data = s.report_data();
    const report::ReportDocument document{
        persist::settings_for_printing(s.printDialog, s.printSettings),
        s.paths.currentFilePath.string(), "2024/04/01"};
    {
        // The result window's image grows to hold a long report, so only its width
        // bounds the drawing.
        report::RecordingSurface screen({72, {565, report::screen_image_height(data)}, 96});
        report::ReportCanvas canvas;
        report::begin_report(canvas, report::kScreenOutput, screen, document);
        report::draw_report(canvas, data);
        check_surface("screen", screen, true, faults);
    }
    {
        report::RecordingSurface paper({600, {4961, 7016}, 600});
        report::ReportCanvas canvas;
        report::begin_report(canvas, report::kPrinterOutput, paper, document);
        report::draw_report(canvas, data);
        check_surface("paper", paper, false, faults);
    }
    return faults;
}

} // namespace korvex::limits
