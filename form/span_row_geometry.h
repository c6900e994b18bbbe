#pragma once

// Where the parts of the span row lie in the span panel (96 dpi pixels). The
// span pictures are drawn to these places and each span or overhang edit sits
// under its own span, so the window, its pictures and any other view of the
// form read them from here.

namespace korvex::form {

inline constexpr int kSpanPictureWidth = 776;
inline constexpr int kSpanPictureHeight = 76;
// Where the pictures lie in the span panel.
inline constexpr int kSpanPictureLeft = 8;
inline constexpr int kSpanPictureTop = 8;

// Across the picture the supports stand at fixed places whatever the span count,
// so an edit stays where it was when spans are added or taken away.
inline constexpr int kFirstSupportX = 286;
inline constexpr int kSpanWidth = 106;
inline constexpr int kCantileverLength = 62;

// The row of edits under the dimension line, from the picture's top.
inline constexpr int kSpanEditTop = 57;
inline constexpr int kSpanEditHeight = 19;

// Across the picture, from its left edge: support 0..4 from the left.
int support_x(int support);
int span_centre_x(int span); // span 1..4
int left_cantilever_centre_x();
// The right overhang's tip stops short of the picture's edge.
int right_cantilever_tip_x(int span_count);
int right_cantilever_centre_x(int span_count);

} // namespace korvex::form
