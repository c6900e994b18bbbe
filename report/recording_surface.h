#pragma once

// A surface that remembers every call, so page layout can be checked as
// positions and texts. On its own it draws nothing and estimates text widths
// from the code page 932 byte length (half the font's pixel height per byte),
// which keeps the pen after a text where a half-width font would leave it.
// Over a device it measures texts as that device draws them, and can pass every
// call on to it: a rendering on the real device, with a record of what went
// where.

#include <vector>

#include "report/surface.h"

namespace korvex::report {

struct RecordedText {
    int order = 0; // position among all recorded calls
    int page = 0;
    Point at;
    std::string text;
    Font font;
    Box box; // as measured when it was drawn
    Brush brush;
};

struct RecordedLine {
    int order = 0; // position among all recorded calls
    int page = 0;
    Point from;
    Point to;
    Pen pen;
    LineRole role = LineRole::figure;
};

struct RecordedRectangle {
    int order = 0; // position among all recorded calls
    int page = 0;
    Rect rect;
    Pen pen;
    Brush brush;
};

struct RecordedArc {
    int order = 0; // position among all recorded calls
    int page = 0;
    Rect bounds;
    Point start;
    Point end;
    Pen pen;
};

struct RecordedFill {
    int order = 0; // position among all recorded calls
    int page = 0;
    Rect rect;
    Color color = 0;
};

struct SurfaceGeometry {
    int dpi = 72;
    Size pageSize{565, 3350};
    // Pixels per inch at which point sizes become pixel sizes: 96 for the screen
    // image, whose fonts are those of the desktop, and the device's dpi on paper.
    int fontDpi = 96;
};

// What a recording surface does with the device it is given.
enum class DeviceUse {
    // Measure texts with its fonts and start from what its sheet holds; draw
    // nothing there. A trial of a layout before it is drawn.
    measure,
    // Measure with it and pass every call on to it.
    draw,
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(SurfaceGeometry geometry = {}) : geometry_(geometry) {}
    // `device` must outlive the recording surface. The device's own geometry
    // stands unless `geometry` is given.
    RecordingSurface(Surface& device, DeviceUse use);
    RecordingSurface(Surface& device, DeviceUse use, SurfaceGeometry geometry);

    int dpi() const override { return geometry_.dpi; }
    Size page_size() const override { return geometry_.pageSize; }

    const std::vector<RecordedText>& texts() const { return texts_; }
    const std::vector<RecordedLine>& lines() const { return lines_; }
    const std::vector<RecordedRectangle>& rectangles() const { return rectangles_; }
    const std::vector<RecordedArc>& arcs() const { return arcs_; }
    const std::vector<RecordedFill>& fills() const { return fills_; }
    // Sheets drawn on so far, counting the first.
    int page_count() const { return page_ + 1; }
    // Number of calls recorded so far, new pages included.
    int call_count() const { return order_; }
    // Forgets every call and what the sheet holds: a fresh recording.
    void clear();
    // Draws every recorded call on `target` in the order it was made, with the
    // font, pen, brush and line role it was made with, and leaves the target in
    // the state the recording was left in: a layout measured once and drawn on a
    // device afterwards.
    void replay(Surface& target) const;

    int font_pixel_size() const;
    int estimated_width(std::string_view text) const;

protected:
    TextMetrics measure_text(const Font& font, std::string_view text) const override;
    int draw_text(Point at, std::string_view text) override;
    void draw_line(Point from, Point to) override;
    void draw_rectangle(const Rect& rect) override;
    void draw_arc(const Rect& bounds, Point start, Point end) override;
    void draw_fill(const Rect& rect, Color color) override;
    void start_new_page() override;

    void font_changed() override;
    void pen_changed() override;
    void brush_changed() override;

private:
    bool passes_on() const { return device_ != nullptr && use_ == DeviceUse::draw; }

    SurfaceGeometry geometry_;
    Surface* device_ = nullptr;
    DeviceUse use_ = DeviceUse::measure;
    std::vector<RecordedText> texts_;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedRectangle> rectangles_;
    std::vector<RecordedArc> arcs_;
    std::vector<RecordedFill> fills_;
    int page_ = 0;
    int order_ = 0;
};

} // namespace korvex::report
