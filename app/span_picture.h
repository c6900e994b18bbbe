#pragma once

// The pictures of the span row: a deck on pinned supports under an even load,
// with one to four spans and a cantilever at the left end, the right end or
// both. They are drawn here rather than loaded, carry no text, and fix where the
// span and cantilever edits sit: each edit goes under its span.

#include <QImage>
#include <QString>

#include "calc/design_codes.h"

namespace korvex::app {

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

// The row of edits under the dimension line.
inline constexpr int kSpanEditTop = 57;
inline constexpr int kSpanEditHeight = 19;

// Support 0..4 from the left.
int support_x(int support);
int span_centre_x(int span); // span 1..4
int left_cantilever_centre_x();
int right_cantilever_centre_x(int span_count);

// "spanPicture2Left" and the like: the 16 names with their span count and
// cantilever mode.
struct SpanPictureName {
    QString name;
    int spanCount = 1;
    calc::CantileverMode cantileverMode = calc::CantileverMode::none;
};
SpanPictureName span_picture_name(int index); // index 0..15: plain, left, right, both

QImage draw_span_picture(int span_count, calc::CantileverMode cantilever_mode);

} // namespace korvex::app
