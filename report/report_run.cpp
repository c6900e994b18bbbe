#include "report/report_run.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "common/rounding.h"
#include "report/check_page.h"
#include "report/design_page.h"
#include "report/detail_pages.h"
#include "report/diagram_frame.h"
#include "report/diagrams.h"
#include "report/end_page.h"
#include "report/label_layout.h"
#include "report/load_figure.h"
#include "report/primitives.h"
#include "report/recording_surface.h"
#include "report/verdict_box.h"

namespace korvex::report {

namespace {

using common::to_int;

// The height of the frame of a sheet of the diagrams on paper, mm.
constexpr double kDiagramFrameHeight = 265.0;
// The axis row of a block that starts a sheet of the diagrams, mm: its heading
// just under the frame's top.
constexpr double kContinuedAxisRow = 45.0;

void advance_lines(ReportCanvas& c, int lines) {
    advance_section(c, lines * c.pageLineHeight, lines);
}

// True when the check page drawn from the canvas's section row keeps clear of
// what the sheet already holds. It is drawn on a trial sheet that measures with
// the device's fonts.
bool check_page_clear(const ReportCanvas& c, const ReportData& data, const run::CheckPage& page) {
    RecordingSurface sheet(*c.surface, DeviceUse::measure);
    ReportCanvas probe = c;
    probe.surface = &sheet;
    draw_check_page(probe, data, page);
    const SheetMarks& before = c.surface->sheet_marks();
    const double slack = kHairlineMm * c.scale;
    return std::none_of(sheet.texts().begin(), sheet.texts().end(), [&](const RecordedText& t) {
        return std::any_of(before.texts.begin(), before.texts.end(),
                           [&](const Box& b) { return boxes_overlap(t.box, b, slack); });
    });
}

// The check pages start below page 1's results heading, lower where a tall
// font would make their first lines run into it.
void start_check_pages(ReportCanvas& c, const ReportData& data) {
    read_pen(c);
    c.pageFirstRow = to_int(c.penY / c.scale) - 45;
    c.sectionRow = c.pageFirstRow;
    c.sectionRowMark = c.pageFirstRow;
    c.lineCount = 1;
    const auto first =
        std::find_if(data.run.order.begin(), data.run.order.end(),
                     [](const auto& item) { return item.kind == run::RunItemKind::checkPage; });
    if (first == data.run.order.end()) return;
    const run::CheckPage& page = data.run.checkPages[static_cast<std::size_t>(first->index)];
    constexpr int kMostRows = 20;
    for (int shift = 0; shift < kMostRows && !check_page_clear(c, data, page); ++shift) {
        ++c.pageFirstRow;
        c.sectionRow = c.pageFirstRow;
        c.sectionRowMark = c.pageFirstRow;
    }
}

// The suction case starts a printed sheet of its own, near its top.
void start_suction_page(ReportCanvas& c) {
    if (!on_paper(c)) return;
    c.sectionRow = 2;
    c.topOffset = mm_to_px(c, 12);
}

// The first sheet holds page 1 and the three positive-pressure check pages. A
// page with the uplift and cantilever checks can be too long for what is left of
// it; such a page starts a sheet of its own rather than run off the paper. Its
// length is found by drawing it once on a recording sheet that measures with the
// paper's fonts and holds what the sheet holds, so that it lays out alike.
bool check_page_fits(const ReportCanvas& c, const ReportData& data, const run::CheckPage& page) {
    RecordingSurface sheet(*c.surface, DeviceUse::measure);
    ReportCanvas probe = c;
    probe.surface = &sheet;
    draw_check_page(probe, data, page);
    int bottom = 0;
    for (const auto& text : sheet.texts()) bottom = std::max(bottom, text.at.y);
    for (const auto& line : sheet.lines()) bottom = std::max({bottom, line.from.y, line.to.y});
    // Clear of the page number and footer at the foot of the sheet.
    return bottom <= c.pageHeight - mm_to_px(c, 15);
}

void start_sheet_for_check_page(ReportCanvas& c) {
    end_page(c);
    c.sectionRow = 2;
    c.topOffset = mm_to_px(c, 12);
}

void after_verdict(ReportCanvas& c) {
    advance_lines(c, 3);
    if (on_paper(c)) {
        end_page(c);
        c.pageLineHeight = 4.0;
    } else {
        advance_lines(c, 5);
    }
}

// Without detail pages the screen report places the load figure below the verdict.
void skip_detail_pages(ReportCanvas& c) {
    if (on_paper(c)) return;
    read_pen(c);
    c.pageBottom = to_int(c.penY / c.scale) + 30;
    c.sectionRow = c.pageBottom - c.topOffset;
    c.sectionRowMark = c.sectionRow + 20;
    advance_lines(c, 3);
}

// The frame of a sheet of the diagrams on paper, with the box of the load
// figure's heading on the sheet that holds it.
void draw_diagram_sheet_frame(ReportCanvas& c, bool heading_box) {
    Surface& s = *c.surface;
    const int left = c.leftMargin;
    const int top = mm_to_px(c, 15) - mm_to_px(c, 5);
    const int right = left + mm_to_px(c, 180);
    s.set_brush_clear();
    s.rectangle({left, top, right, top + mm_to_px(c, kDiagramFrameHeight)});
    if (heading_box) s.rectangle({right - mm_to_px(c, 40), top, right, top + mm_to_px(c, 6)});
}

// The lowest point a paper sheet's diagrams may reach: clear inside its frame.
double diagram_sheet_foot(const ReportCanvas& c) {
    return mm_of(c, mm_to_px(c, 15) - mm_to_px(c, 5) + mm_to_px(c, kDiagramFrameHeight)) -
           kClearanceMm;
}

// A block of the diagrams laid out on a trial sheet that holds what the sheet
// holds, to be drawn on it once it has found its place.
struct BlockTrial {
    std::unique_ptr<RecordingSurface> sheet;
    DrawnBlock drawn;
    double bottom = 0.0; // the lowest point it reaches, mm
};

BlockTrial lay_out_block(const ReportCanvas& c, const ReportData& data, const DiagramFrame& frame,
                         const run::DiagramBlock& block, double axis_row) {
    BlockTrial trial{std::make_unique<RecordingSurface>(*c.surface, DeviceUse::measure), {}, 0.0};
    ReportCanvas probe = c;
    probe.surface = trial.sheet.get();
    trial.drawn = draw_diagram_block(probe, data, frame, block, axis_row);
    double bottom = 0.0;
    for (const RecordedText& t : trial.sheet->texts()) bottom = std::max(bottom, t.box.bottom);
    for (const RecordedLine& l : trial.sheet->lines())
        bottom = std::max({bottom, static_cast<double>(l.from.y), static_cast<double>(l.to.y)});
    trial.bottom = mm_of(c, bottom);
    return trial;
}

// Draws a block of the diagrams, laid out first on a trial sheet. A block one
// row of whose moment values leaves some far from their points, where no leader
// can reach them, or among the values of its other rows, gets a second row for
// them, and a third, its deflection and shear rows lower. On paper a block that
// would run past the sheet's frame starts a sheet of its own, at the row a
// sheet's first block has.
DrawnBlock draw_block(ReportCanvas& c, const ReportData& data, const DiagramFrame& frame,
                      const run::DiagramBlock& block, double axis_row, bool& continued) {
    constexpr int kMostValueRows = 3;
    for (;;) {
        BlockTrial trial = lay_out_block(c, data, frame, block, axis_row);
        for (int rows = 2; rows <= kMostValueRows && trial.drawn.astray > 0; ++rows) {
            DiagramFrame roomier_frame = frame;
            roomier_frame.valueRows = rows;
            BlockTrial roomier = lay_out_block(c, data, roomier_frame, block, axis_row);
            if (roomier.drawn.astray < trial.drawn.astray) trial = std::move(roomier);
        }
        const double first_row = kContinuedAxisRow + (block.negativePressureBlock ? 0.0 : 4.0);
        if (!on_paper(c) || trial.bottom <= diagram_sheet_foot(c) || axis_row <= first_row) {
            trial.sheet->replay(*c.surface);
            return trial.drawn;
        }
        draw_diagram_sheet_frame(c, !continued);
        end_page(c);
        continued = true;
        axis_row = first_row;
    }
}

void end_report(ReportCanvas& c, bool diagrams_continued) {
    Surface& s = *c.surface;
    if (!on_paper(c)) {
        read_pen(c);
        // 25 mm under the last value, and clear of any value that gave way
        // further down.
        int y = c.penY + mm_to_px(c, 25);
        for (const Box& text : s.sheet_marks().texts)
            y = std::max(y, static_cast<int>(std::ceil(text.bottom)) + mm_to_px(c, 3));
        const LineRoleScope rule(s, LineRole::frame);
        s.move_to(c.leftMargin, y);
        s.line_to(c.frameRight, y);
        s.text_out(mm_to_px(c, 178), y + mm_to_px(c, 5), "－END－");
        return;
    }
    draw_diagram_sheet_frame(c, !diagrams_continued);
    c.lastPageFlag = kLastPage;
    end_page(c);
}

} // namespace

void draw_report(ReportCanvas& c, const ReportData& data) {
    draw_design_data_page(c, data);
    start_check_pages(c, data);

    const run::CalculationRun& run = data.run;
    DiagramFrame frame;
    DrawnBlock last;
    double grown = 0.0;     // by every block so far
    bool continued = false; // the diagrams have gone on to a sheet of their own
    int blocks = 0;
    for (const run::RunItem& item : run.order) {
        switch (item.kind) {
        case run::RunItemKind::checkPage: {
            const run::CheckPage& page = run.checkPages[static_cast<std::size_t>(item.index)];
            if (item.index == 3) start_suction_page(c);
            if (on_paper(c) && item.index > 0 && item.index < 3 && !check_page_fits(c, data, page))
                start_sheet_for_check_page(c);
            draw_check_page(c, data, page);
            if (item.index == 2 && on_paper(c)) end_page(c);
            break;
        }
        case run::RunItemKind::verdict:
            draw_verdict(c, run.verdict);
            after_verdict(c);
            if (!run.detailPages) skip_detail_pages(c);
            break;
        case run::RunItemKind::detailPages:
            draw_detail_pages(c, data);
            break;
        case run::RunItemKind::loadFigure:
            frame = draw_load_figure(c, data);
            break;
        case run::RunItemKind::diagramBlock: {
            const run::DiagramBlock& block =
                run.diagramBlocks[static_cast<std::size_t>(item.index)];
            const double axis_row =
                block.negativePressureBlock || continued
                    ? last.axisRow + (continued && !block.negativePressureBlock ? 54 : 50) +
                          last.grown
                    : frame.layout.y[static_cast<std::size_t>(6 + blocks)] + grown;
            last = draw_block(c, data, frame, block, axis_row, continued);
            grown += last.grown;
            ++blocks;
            break;
        }
        }
    }
    end_report(c, continued);
}

int screen_image_height(const ReportData& data) {
    const bool longest =
        !data.inputs.directLoadInput && data.window.cantileverShown && data.window.heavySnowBox;
    return longest ? 3550 : 3350;
}

} // namespace korvex::report
