#pragma once

// A surface that draws nothing and remembers every call, so page layout can be
// checked as positions and texts. Text widths are estimated from the code page
// 932 byte length (half the font's pixel height per byte), which keeps the pen
// after a text where a half-width font would leave it.

#include <vector>

#include "report/surface.h"

namespace korvex::report {

struct RecordedText {
    int order = 0; // position among all recorded calls
    int page = 0;
    Point at;
    std::string text;
    Font font;
};

struct RecordedLine {
    int order = 0; // position among all recorded calls
    int page = 0;
    Point from;
    Point to;
    Pen pen;
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

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(SurfaceGeometry geometry = {}) : geometry_(geometry) {}

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
    void clear();

    int font_pixel_size() const;
    int estimated_width(std::string_view text) const;

protected:
    int draw_text(Point at, std::string_view text) override;
    void draw_line(Point from, Point to) override;
    void draw_rectangle(const Rect& rect) override;
    void draw_arc(const Rect& bounds, Point start, Point end) override;
    void draw_fill(const Rect& rect, Color color) override;
    void start_new_page() override;

private:
    SurfaceGeometry geometry_;
    std::vector<RecordedText> texts_;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedRectangle> rectangles_;
    std::vector<RecordedArc> arcs_;
    std::vector<RecordedFill> fills_;
    int page_ = 0;
    int order_ = 0;
};

} // namespace korvex::report
