#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/case_results.h"
#include "common/number_text.h"
#include "report/deflection_diagram.h"
#include "report/label_layout.h"
#include "report/moment_diagram.h"
#include "report/primitives.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using analysis::kSampleEnd;
using testing::at_mm;
using testing::calculate_design;
using testing::CanvasFixture;
using testing::DesignOptions;
using testing::has_line_to;
using testing::has_text;
using testing::text_named;

constexpr double kAxis = 100.0;
constexpr Color kMagenta = rgb(255, 0, 255);

// One 1000 mm span at 1:80 from x0 = 40: its ordinates every 1.25 mm.
run::DiagramBlock one_span() {
    run::DiagramBlock block;
    block.model.n = 1;
    block.model.L[0] = 1000;
    block.results.momentSamples[0].assign(11, 0.0);
    block.results.momentSamples[0].push_back(kSampleEnd);
    block.results.deflectionSamples[0].assign(10, 0.0);
    block.results.deflectionSamples[0].push_back(kSampleEnd);
    return block;
}

TEST(MomentAndDeflectionDiagrams, ScaleTheCaseMaximumAndTakeOneHundredForZero) {
    struct Case {
        double maximum;
        double ordinate;
        double height; // mm from the axis
    };
    // Moments: 5 mm for the maximum; deflections: 3 mm.
    const Case moments[] = {{0, 100, 5.0}, {400, 100, 1.25}, {400, -400, -5.0}};
    const Case deflections[] = {{0, 100, 3.0}, {4, 2, 1.5}, {4, -4, -3.0}};
    for (const Case& c : moments) {
        CanvasFixture f(kPrinterOutput);
        run::DiagramBlock block = one_span();
        block.results.maxMoment = c.maximum;
        block.results.momentSamples[0][5] = c.ordinate;
        block.results.momentSamples[0][10] = c.ordinate;
        draw_moment_diagram(f.canvas, DiagramFrame{}, block, kAxis);
        EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, 46.25, kAxis - c.height))) << c.maximum;
        // The curve closes on the axis at its last ordinate.
        const Point last = at_mm(f.canvas, 52.5, kAxis - c.height);
        EXPECT_TRUE(std::any_of(f.surface.lines().begin(), f.surface.lines().end(),
                                [&](const RecordedLine& l) {
                                    return l.from == last && l.to == at_mm(f.canvas, 52.5, kAxis);
                                }));
    }
    for (const Case& c : deflections) {
        CanvasFixture f(kPrinterOutput);
        run::DiagramBlock block = one_span();
        block.results.maxDeflection = c.maximum;
        block.results.deflectionSamples[0][4] = c.ordinate; // at 495 mm, drawn at 500
        draw_deflection_diagram(f.canvas, DiagramFrame{}, block, kAxis);
        EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, 46.25, kAxis + c.height), kMagenta))
            << c.maximum;
        EXPECT_EQ(f.surface.pen().color, 0u);
    }
}

TEST(DeflectionDiagram, GivesTheLastOrdinateToTheAxis) {
    CanvasFixture f(kPrinterOutput);
    run::DiagramBlock block = one_span();
    block.results.maxDeflection = 1.0;
    for (int i = 0; i < 10; ++i) block.results.deflectionSamples[0][i] = 1.0;
    draw_deflection_diagram(f.canvas, DiagramFrame{}, block, kAxis);
    std::vector<Point> curve;
    for (const RecordedLine& l : f.surface.lines())
        if (l.pen.color == kMagenta) curve.push_back(l.to);
    // Ordinates 0..8 at 100..900 mm, then the axis at 1000 mm: the support.
    ASSERT_EQ(curve.size(), 10u);
    EXPECT_EQ(curve.front(), at_mm(f.canvas, 41.25, 103));
    EXPECT_EQ(curve[8], at_mm(f.canvas, 51.25, 103));
    EXPECT_EQ(curve.back(), at_mm(f.canvas, 52.5, kAxis));
}

TEST(MomentDiagram, SpanExtremesAreRaisedToTheNextThousandth) {
    struct Case {
        double moment; // N·mm
        std::string text;
        double row;
    };
    // Hogging is drawn above the axis and labelled over it; sagging under the
    // axis is labelled just above the axis; either stands clear over the tip of
    // the extreme's own line.
    const Case cases[] = {
        {1234100, " 1.235", kAxis - 9},  {1234000, " 1.234", kAxis - 9},
        {200, " 0.001", kAxis - 9},      {-2500000, " 2.500", kAxis - 5},
        {-1234100, " 1.235", kAxis - 5},
    };
    for (const Case& c : cases) {
        CanvasFixture f(kScreenOutput);
        run::DiagramBlock block = one_span();
        block.results.spanMoment[0] = c.moment;
        block.results.spanMomentX[0] = 400; // 5 mm from the support
        block.results.maxMoment = std::fabs(c.moment);
        draw_moment_diagram(f.canvas, DiagramFrame{}, block, kAxis);
        const RecordedText* label = text_named(f.surface, c.text);
        ASSERT_NE(label, nullptr) << c.moment;
        const Point stated = at_mm(f.canvas, 45.0 - 0.5 * label_width(c.text), c.row);
        EXPECT_EQ(label->at.x, stated.x) << c.moment;
        EXPECT_LE(label->at.y, stated.y) << c.moment;
        // The extreme's own line from the axis.
        const Point tip = at_mm(f.canvas, 45, kAxis - 5 * c.moment / std::fabs(c.moment));
        EXPECT_TRUE(has_line_to(f.surface, tip));
        EXPECT_LE(label->box.bottom,
                  std::min(tip.y, at_mm(f.canvas, 45, kAxis).y) - kClearanceMm * f.canvas.scale)
            << c.moment;
    }
}

struct EndLabels {
    int mode;
    int spanLength;
};

// No two values of the diagram overlap: a value whose place is taken gives way.
void expect_apart(const RecordingSurface& surface, double scale) {
    const auto& texts = surface.texts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(boxes_overlap(texts[i].box, texts[j].box, kHairlineMm * scale))
                << texts[i].text << " and " << texts[j].text;
}

// A deflection value at x: 8 mm under the axis, or in the row right under the
// moment values 5 mm under it.
bool under_the_values(const CanvasFixture& f, const std::string& text, double x) {
    const int row_below = mm_to_px(f.canvas, kAxis + 5.0 + label_height(f.canvas) + kClearanceMm);
    return has_text(f.surface, text, at_mm(f.canvas, x, kAxis + 8)) ||
           has_text(f.surface, text, {mm_to_px(f.canvas, x), row_below});
}

TEST(MomentDiagram, ShortSpansMoveTheirRightEndValuesClearOfTheNextSpan) {
    const EndLabels cases[] = {{kScreenOutput, 2000},
                               {kPrinterOutput, 2000},
                               {kScreenOutput, 2500},
                               {kPrinterOutput, 2500}};
    for (const EndLabels& c : cases) {
        const auto sample = calculate_design({.spanCount = 3, .spanLength = c.spanLength});
        const run::DiagramBlock& block = sample->run.diagramBlocks[0];
        CanvasFixture f(c.mode);
        DiagramFrame frame;
        frame.scale = sample->run.diagramScale;
        draw_moment_diagram(f.canvas, frame, block, kAxis);
        const auto& r = block.results;
        const bool paper = c.mode == kPrinterOutput;
        const bool short_span = c.spanLength < 2500;
        SCOPED_TRACE(std::to_string(c.mode) + " " + std::to_string(c.spanLength));
        const auto find = [&](const std::string& text, double x) -> const RecordedText* {
            for (const RecordedText& t : f.surface.texts())
                if (t.text == text && std::abs(t.at.x - mm_to_px(f.canvas, x)) <= 1) return &t;
            return nullptr;
        };
        for (int i = 0; i < 3; ++i) {
            const double left = 40.0 + i * c.spanLength / frame.scale;
            const double right = left + c.spanLength / frame.scale;
            // A span's end value stands under the axis, right-aligned on the
            // next support. A short span lifts it toward the axis, where the
            // support and the curve leave it no room: it takes the row of the
            // others when that has room, and otherwise gives way to every other
            // value of the block, still under the supports.
            const double M2 = r.endForces[i][5];
            const std::string moment =
                M2 == 0 ? "0.0" : common::format_fixed(std::fabs(M2) * 1e-6, 6, 3);
            const RecordedText* end = nullptr;
            for (const RecordedText& t : f.surface.texts())
                if (t.text == moment && !end) end = &t;
            if (const RecordedText* at_place = find(moment, right - 1.1 * label_width(moment)))
                end = at_place;
            ASSERT_NE(end, nullptr) << i;
            if (!(short_span && i > 0)) {
                EXPECT_EQ(end->at.y, mm_to_px(f.canvas, kAxis + 5)) << i;
            }
            EXPECT_NE(end->at.y, mm_to_px(f.canvas, kAxis + 1)) << "never on the support";
            EXPECT_GE(end->box.top, mm_to_px(f.canvas, kAxis + kDiagramSupportHeight)) << i;

            // The shears: the start one at the support, the end one right-aligned
            // on the next, further under the axis for a short span.
            const int d = paper ? 3 : 2;
            const std::string V1 =
                "(" + common::format_fixed(r.endForces[i][1] * 0.001, 6, d) + ")";
            const std::string V2 =
                "(" + common::format_fixed(r.endForces[i][4] * 0.001, 6, d) + ")";
            // Where the end shear of the span before reaches over the support, it
            // gives way: past that shear's end on its row, or a row lower.
            const int row = mm_to_px(f.canvas, kAxis + 15);
            const RecordedText* start = nullptr;
            for (const RecordedText& t : f.surface.texts())
                if (t.text == V1 && t.at.x >= mm_to_px(f.canvas, left) && t.at.y >= row &&
                    t.at.y <= row + t.box.height() + kClearanceMm * f.canvas.scale + 1)
                    start = &t;
            ASSERT_NE(start, nullptr) << i;
            // The end one stands at its place, or where it gave way to the start
            // one: a little further along its row, or a row lower.
            const double factor = short_span ? 1.1 : 0.8;
            const int end_x = mm_to_px(f.canvas, right - factor * label_width(V2));
            const int end_y = mm_to_px(f.canvas, short_span ? 119.5 : 115);
            EXPECT_TRUE(std::any_of(f.surface.texts().begin(), f.surface.texts().end(),
                                    [&](const RecordedText& t) {
                                        const double lower =
                                            t.box.height() + kClearanceMm * f.canvas.scale + 1;
                                        return t.text == V2 && t.at.x >= end_x &&
                                               t.at.x <= end_x + mm_to_px(f.canvas, 8.0) &&
                                               t.at.y >= end_y && t.at.y <= end_y + lower;
                                    }))
                << i;
            EXPECT_EQ(start->font.size, f.canvas.baseFontSize - 1);
        }
        expect_apart(f.surface, f.canvas.scale);
        EXPECT_EQ(f.surface.font().size, f.canvas.baseFontSize);
    }
}

TEST(MomentAndDeflectionDiagrams, DrawEveryOrdinateOfALongSpan) {
    // 12000 mm at 1:100: 121 moment ordinates and 120 deflection ordinates.
    const auto sample = calculate_design({.spanCount = 1, .spanLength = 12000});
    const run::DiagramBlock& block = sample->run.diagramBlocks[1];
    const auto& r = block.results;
    ASSERT_EQ(sample->run.diagramScale, 100);
    ASSERT_EQ(r.momentSamples[0].size(), 122u);
    ASSERT_EQ(r.deflectionSamples[0].size(), 121u);

    CanvasFixture f(kPrinterOutput);
    DiagramFrame frame;
    frame.scale = 100;
    draw_moment_diagram(f.canvas, frame, block, kAxis);
    draw_deflection_diagram(f.canvas, frame, block, kAxis);
    const double km = 5.0 / r.maxMoment;
    for (int i = 1; i <= 120; ++i)
        ASSERT_TRUE(
            has_line_to(f.surface, at_mm(f.canvas, 40 + i, kAxis - r.momentSamples[0][i] * km)))
            << i;
    const double kd = 3.0 / r.maxDeflection;
    for (int i = 0; i < 119; ++i)
        ASSERT_TRUE(has_line_to(
            f.surface, at_mm(f.canvas, 41 + i, kAxis + r.deflectionSamples[0][i] * kd), kMagenta))
            << i;
    EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, 160, kAxis), kMagenta));
    // The span's deflection, centred on the span.
    const std::string text = common::format_fixed(r.spanDeflection[0], 4, 2);
    EXPECT_TRUE(has_text(f.surface, text, at_mm(f.canvas, 100 - 0.5 * label_width(text), 108)));
}

TEST(MomentAndDeflectionDiagrams, LabelTheLeftCantilever) {
    for (int mode : {kScreenOutput, kPrinterOutput}) {
        const auto sample =
            calculate_design({.spanCount = 2, .spanLength = 2500, .leftCantilever = 600});
        const run::DiagramBlock& block = sample->run.diagramBlocks[0];
        const auto& r = block.results;
        CanvasFixture f(mode);
        DiagramFrame frame;
        draw_moment_diagram(f.canvas, frame, block, kAxis);
        draw_deflection_diagram(f.canvas, frame, block, kAxis);
        const bool paper = mode == kPrinterOutput;
        const double support = 47.5; // 600 mm at 1:80
        SCOPED_TRACE(mode);

        // The curve runs from the tip and closes at the root, on the support.
        const auto& samples = r.cantileverMomentSamples[0];
        ASSERT_EQ(samples.size(), 8u);
        const double k = 5.0 / r.maxMoment;
        EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, 41.25, kAxis - samples[1] * k)));
        EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, support, kAxis)));

        // The root moment once more over the cantilever.
        const std::string root = common::format_fixed(std::fabs(r.endForces[0][2]) * 1e-6, 6, 3);
        const double x = support + r.spanMomentX[0] / 80 - (paper ? 2.2 : 2.4) * label_width(root);
        EXPECT_TRUE(has_text(f.surface, root, at_mm(f.canvas, x, kAxis + 5)));

        // The root shear per metre of deck, right-aligned at the support.
        const std::string shear =
            "(" + common::trim(common::format_fixed(600 * block.cantileverLoad * 1e-6, 6, 2)) + ")";
        EXPECT_TRUE(
            has_text(f.surface, shear, at_mm(f.canvas, support - label_width(shear), kAxis + 15)));
        EXPECT_GT(block.cantileverLoad, 0.0);

        // The tip deflection under the tip, as a magnitude: 8 mm under the axis,
        // or in the row right under the moment values where they reach down to it.
        const double tip = r.cantileverDeflectionSamples[0][0];
        ASSERT_LT(tip, 0.0);
        EXPECT_TRUE(under_the_values(f, common::format_fixed(-tip, 4, 2), 40));
        expect_apart(f.surface, f.canvas.scale);
    }
}

TEST(MomentAndDeflectionDiagrams, LabelARightCantileverWhenTheModelHasOne) {
    const auto sample =
        calculate_design({.spanCount = 2, .spanLength = 2500, .rightCantilever = 600});
    const run::DiagramBlock& block = sample->run.diagramBlocks[0];
    const auto& r = block.results;
    CanvasFixture f(kScreenOutput);
    DiagramFrame frame;
    draw_moment_diagram(f.canvas, frame, block, kAxis);
    draw_deflection_diagram(f.canvas, frame, block, kAxis);

    // Its curve starts at the last support taken to whole millimetres.
    const auto& moments = r.cantileverMomentSamples[1];
    const double k = 5.0 / r.maxMoment;
    EXPECT_TRUE(has_line_to(f.surface, at_mm(f.canvas, 102 + 1.25, kAxis - moments[1] * k)));
    const std::string root = common::format_fixed(std::fabs(moments[0]) * 1e-6, 6, 3);
    const double x = 40 + 31.25 + r.spanMomentX[1] / 80 + 1.9 * label_width(root);
    EXPECT_TRUE(has_text(f.surface, root, at_mm(f.canvas, x, kAxis + 5)));

    const auto& deflections = r.cantileverDeflectionSamples[1];
    const double tip = deflections[deflections.size() - 2];
    ASSERT_LT(tip, 0.0);
    const std::string text = common::format_fixed(-tip, 4, 2);
    EXPECT_TRUE(under_the_values(f, text, 110 - label_width(text)));
    expect_apart(f.surface, f.canvas.scale);
}

TEST(DeflectionDiagram, WritesUpliftAsAMagnitude) {
    CanvasFixture f(kScreenOutput);
    run::DiagramBlock block = one_span();
    block.results.spanDeflection[0] = -1.234;
    block.results.maxDeflection = 1.234;
    draw_deflection_diagram(f.canvas, DiagramFrame{}, block, kAxis);
    const double x = 46.25 - 0.5 * label_width("1.23");
    EXPECT_TRUE(has_text(f.surface, "1.23", at_mm(f.canvas, x, 108)));
    EXPECT_EQ(block.results.spanDeflection[0], -1.234);
}

} // namespace
} // namespace korvex::report
