#pragma once

// The drawing surface every report page draws on: a bitmap for the result window
// or a sheet of paper. It keeps the drawing state of a device context (font, pen,
// brush, current position) so that the page code behaves the same on every
// device; the devices themselves only put marks where they are told.

#include <cstdint>
#include <string>
#include <string_view>

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
    Font font_;
    Pen pen_;
    Brush brush_;
    Point penPosition_;
};

} // namespace korvex::report
