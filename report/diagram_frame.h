#pragma once

// Where the beam figures of the report sit: the rows of the load figure and of
// the stress blocks below it, the beam's left end, its drawing scale and the
// paper positions of its supports. All lengths on the page are absolute
// millimetres from the surface's top-left corner.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "analysis/beam_model.h"
#include "report/label_layout.h"
#include "report/report_canvas.h"

namespace korvex::report {

// The beam's left end (the left cantilever's tip, or the first support).
inline constexpr double kBeamOriginX = 40.0;
// Labels are never measured: each byte is taken as half of this unit wide.
inline constexpr double kCharacterWidthUnit = 3.175;
// The label column of the figures on the two surfaces.
inline constexpr double kScreenLabelX = 8.8;
inline constexpr double kPaperLabelX = 15.0;
// The width of the rules over the figures on paper, from the left margin.
inline constexpr double kPaperFigureWidth = 180.0;

// Estimated width in mm of a diagram label.
double label_width(std::string_view text);

// The rows of the load figure: running sums of fixed steps from the figure's
// origin. Rows 6, 7 and 8 are the axes of the first three stress blocks.
struct DiagramLayout {
    static constexpr std::array<double, 9> kRowSteps{0, 0, 25, 15, 15, 0, 45, 50, 50};
    std::array<double, 9> y{};
};

DiagramLayout diagram_layout(double origin_y);

// What the stress blocks take over from the load figure.
struct DiagramFrame {
    DiagramLayout layout;
    double x0 = kBeamOriginX;
    double scale = 80.0; // real mm per paper mm along the beam
    double labelX = kScreenLabelX;
    // The rows of moment values under the axis: more than one when one row
    // holds too few, each right under the one before, with the deflection and
    // shear rows moved down under them.
    int valueRows = 1;
};

// Supports 0..n in paper mm from the beam's left end, and the beam's whole
// paper length with both cantilevers.
struct NodePositions {
    std::vector<double> node;
    double total = 0.0;
};

NodePositions beam_node_positions(const analysis::BeamModel& model, double scale);

// The support triangles of every beam drawing of the diagram part, in mm.
inline constexpr double kDiagramSupportHeight = 2.0;

// The axis of a moment or deflection diagram over the whole beam at row `t`, with a
// support at every node.
void draw_beam_axis(ReportCanvas& canvas, double x0, const NodePositions& nodes, double t);

// The right edge of the figures, mm: the end of the rules over the diagrams on
// paper, page 1's frame on screen.
double figure_right(const ReportCanvas& canvas);

// The height of a value label of the diagrams on this device, mm.
double label_height(const ReportCanvas& canvas);

// The labels of the stress block whose axis is row t: they may use the band
// from the label column to the figures' right edge, between the block's
// heading and the next block, which moves down where the band has to grow.
LabelLayout block_labels(ReportCanvas& canvas, const DiagramFrame& frame, double t);
// The bottom of that band, mm.
double block_band_bottom(const ReportCanvas& canvas, const DiagramFrame& frame, double t);

// The row of the moment values under the axis t: the first 5 mm under it, each
// further one a row lower, mm.
double value_row(const ReportCanvas& canvas, double t, int row);
// How far the deflection and shear rows of a block stand lower than usual, to
// keep under the block's moment values, mm.
double lower_rows_drop(const ReportCanvas& canvas, const DiagramFrame& frame);

// How many ordinates of a diagram list come before its end marker.
std::size_t ordinate_count(const std::vector<double>& samples);

} // namespace korvex::report
