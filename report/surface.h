#pragma once

// The drawing surface every report page draws on: a bitmap for the result window
// or a sheet of paper. It keeps the drawing state of a device context (font, pen,
// brush, current position) so that the page code behaves the same on every
// device; the devices themselves only put marks where they are told, and say
// how wide and high a text is in the fonts they draw it in.
//
// It also remembers what stands on the current sheet: the box of every text
// and every frame edge, rule and figure tick. Page code asks it whether a
// place is clear before it puts a label there.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvex::report {

// 0xRRGGBB
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>(((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Corner to corner, in pixels; the second corner is the far one.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { solid, dashDot, dot };

struct Font {
    std::string name;
    int size = 9; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Pen {
    Color color = 0;
    int width = 1; // pixels; 0 and 1 both give the thinnest line
    PenStyle style = PenStyle::solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// The dash and gap lengths of a pen style in pixels at `dpi`, the same on every
// device (dots 3 pt, dash-dot 9-6-3-6 pt); empty for a solid line.
std::vector<double> dash_lengths(PenStyle style, int dpi);

// A clear brush leaves the inside of outlines and the background of texts alone.
struct Brush {
    bool clear = true;
    Color color = 0xFFFFFF;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// How far a text reaches from the point it is drawn at, in device pixels: its
// advance to the right, and its font's ascent and descent below that point (the
// report places texts by their top).
struct TextMetrics {
    double advance = 0.0;
    double ascent = 0.0;
    double descent = 0.0;
    double height() const { return ascent + descent; }
};

// An axis-parallel box in device pixels; left <= right, top <= bottom.
struct Box {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};

// True when the two boxes share more than `slack` pixels each way: boxes that
// only touch, or overlap by a hairline, are apart.
bool boxes_overlap(const Box& a, const Box& b, double slack = 0.0);

// What a line is to the page. A figure line (curve, axis, arrow, leader) may
// run beside a label; a tick (a support's centre line, a dimension's end) and a
// frame (a page frame, a box, a rule) are kept clear of every text.
enum class LineRole { figure, tick, frame };

struct Segment {
    Point from;
    Point to;
    LineRole role = LineRole::figure;
    int width = 1; // of the pen it is drawn with, px
    friend bool operator==(const Segment&, const Segment&) = default;
};

// True when the segment passes through the box's inside by more than `slack`
// pixels from its edges.
bool segment_crosses(const Segment& segment, const Box& box, double slack = 0.0);

// The arc `Surface::arc` draws, as straight chords of at most 5 degrees of the
// ellipse each: how a sheet remembers the arc as lines texts keep clear of.
std::vector<Segment> arc_chords(const Rect& bounds, Point start, Point end);

// What the current sheet holds, as later texts must keep clear of it.
struct SheetMarks {
    std::vector<Box> texts;
    std::vector<Segment> lines; // every line, rectangle edges and arcs included
};

class Surface {
public:
    virtual ~Surface() = default;

    void set_font(const Font& font);
    void set_font_name(std::string name);
    void set_font_size(int points);
    void set_font_color(Color color);
    const Font& font() const { return font_; }

    void set_pen(const Pen& pen);
    void set_pen_color(Color color);
    void set_pen_width(int pixels);
    void set_pen_style(PenStyle style);
    const Pen& pen() const { return pen_; }

    void set_brush_clear();
    void set_brush_color(Color color);
    const Brush& brush() const { return brush_; }

    // What the lines drawn from now on are to the page; rectangles are frames.
    void set_line_role(LineRole role) { lineRole_ = role; }
    LineRole line_role() const { return lineRole_; }

    // The text in `font` as this device draws it. Each text is measured once per
    // font and surface: placing the labels of a sheet measures the same texts
    // many times, and shaping a text costs more than placing it.
    TextMetrics text_metrics(const Font& font, std::string_view text) const;
    // The text in the current font, measured as this device draws it.
    TextMetrics measure(std::string_view text) const { return text_metrics(font_, text); }
    // Takes over what `other` has measured and measures on together with it:
    // for a device that draws in the same fonts as `other` measures in.
    void share_measures(const Surface& other) { measures_ = other.measures_; }
    // The box a text drawn at (x, y) in the current font takes: from its first to
    // its last printed character (padding spaces leave no mark), over the font's
    // ascent and descent.
    Box text_box(double x, double y, std::string_view text) const {
        return text_box(font_, x, y, text);
    }
    Box text_box(const Font& font, double x, double y, std::string_view text) const;
    // The texts and lines of the current sheet.
    const SheetMarks& sheet_marks() const { return marks_; }

    // Draws a UTF-8 text with its top-left corner at (x, y) and leaves the pen at
    // the text's right end on the same top line.
    void text_out(int x, int y, std::string_view text);
    Point pen_position() const { return penPosition_; }
    void move_to(int x, int y);
    // Draws from the pen position and leaves the pen at (x, y).
    void line_to(int x, int y);
    // Outline with the pen; the inside is filled unless the brush is clear.
    void rectangle(const Rect& rect);
    // Part of the ellipse inscribed in `bounds`, counterclockwise as seen on the
    // page, from where the ray from the centre towards `start` meets the ellipse to
    // where the ray towards `end` meets it. The pen does not move.
    void arc(const Rect& bounds, Point start, Point end);
    void fill_rect(const Rect& rect, Color color);
    // A fresh sheet: the pen goes back to the top-left corner.
    void new_page();

    // Pixels per inch of the report's coordinates.
    virtual int dpi() const = 0;
    // Drawable width and height in pixels.
    virtual Size page_size() const = 0;

protected:
    // A text in `font` as this device draws it, measured anew.
    virtual TextMetrics measure_text(const Font& font, std::string_view text) const = 0;

    // For surfaces that start from what another one already holds.
    void take_sheet_marks(const SheetMarks& marks) { marks_ = marks; }

    // Returns the horizontal advance of the text in pixels.
    virtual int draw_text(Point at, std::string_view text) = 0;
    virtual void draw_line(Point from, Point to) = 0;
    virtual void draw_rectangle(const Rect& rect) = 0;
    virtual void draw_arc(const Rect& bounds, Point start, Point end) = 0;
    virtual void draw_fill(const Rect& rect, Color color) = 0;
    virtual void start_new_page() = 0;

    // Told when the drawing state changes, for devices that cache their tools.
    virtual void font_changed() {}
    virtual void pen_changed() {}
    virtual void brush_changed() {}

private:
    void mark_line(Point from, Point to, LineRole role);

    Font font_;
    Pen pen_;
    Brush brush_;
    Point penPosition_;
    LineRole lineRole_ = LineRole::figure;
    SheetMarks marks_;
    // Measured texts by font and text (see text_metrics).
    std::shared_ptr<std::unordered_map<std::string, TextMetrics>> measures_ =
        std::make_shared<std::unordered_map<std::string, TextMetrics>>();
    mutable std::string measureKey_;
};

// Draws the lines of a scope in one role and goes back to the role before.
class LineRoleScope {
public:
    LineRoleScope(Surface& surface, LineRole role)
        : surface_(surface), before_(surface.line_role()) {
        surface_.set_line_role(role);
    }
    ~LineRoleScope() { surface_.set_line_role(before_); }
    LineRoleScope(const LineRoleScope&) = delete;
    LineRoleScope& operator=(const LineRoleScope&) = delete;

private:
    Surface& surface_;
    LineRole before_;
};

} // namespace korvex::report
