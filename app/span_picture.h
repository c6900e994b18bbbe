#pragma once

// The pictures of the span row: a deck on pinned supports under an even load,
// with one to four spans and a cantilever at the left end, the right end or
// both. They are drawn here rather than loaded, carry no text, and fix where the
// span and cantilever edits sit: each edit goes under its span.

#include <QImage>
#include <QString>

#include "calc/design_codes.h"
#include "form/span_row_geometry.h"

namespace korvex::app {

// The places of the span row are the form's (form/span_row_geometry.h).
using form::kCantileverLength;
using form::kFirstSupportX;
using form::kSpanEditHeight;
using form::kSpanEditTop;
using form::kSpanPictureHeight;
using form::kSpanPictureLeft;
using form::kSpanPictureTop;
using form::kSpanPictureWidth;
using form::kSpanWidth;
using form::left_cantilever_centre_x;
using form::right_cantilever_centre_x;
using form::right_cantilever_tip_x;
using form::span_centre_x;
using form::support_x;

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
