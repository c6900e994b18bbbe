#pragma once

// Loads drawn on the beam: the uniform bands of the load figure and the load
// diagram with one value per span, both as rows of arrows about 5 mm apart.

#include <array>

#include "analysis/beam_model.h"
#include "report/label_layout.h"
#include "report/report_canvas.h"

namespace korvex::report {

// A line load at the start and the end of every span, N/mm, negative downward.
using SpanLoads = std::array<std::array<double, 2>, analysis::kMaxSpans>;

// ScaleAdj sizes the arrows against a reference load so that the snow of the
// load figure reads in proportion to the wind band; NonScale keeps them fixed.
enum class LoadDiagramMode { scaleAdj, nonScale };

// A band of height h over the whole beam with arrows standing on y; a negative
// value (downward) puts the heads on y, a positive one at the top.
void draw_load_band(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                    double value, double x0, double y, double h);

// Arrows standing on y whose height follows each span's load, a line over their
// tips and the span's value as a label, given to `labels`: N/m2 with factor 1.0,
// otherwise N/mm. `reference_load` is in N/m2.
void draw_load_diagram(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                       const SpanLoads& values, double x0, double y, double factor,
                       double reference_load, LoadDiagramMode mode, LabelLayout& labels);
// The same with its labels drawn at once.
void draw_load_diagram(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                       const SpanLoads& values, double x0, double y, double factor,
                       double reference_load, LoadDiagramMode mode);

} // namespace korvex::report
