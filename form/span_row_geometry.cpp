#include "form/span_row_geometry.h"

#include <algorithm>

namespace korvex::form {

int support_x(int support) {
    return kFirstSupportX + kSpanWidth * std::clamp(support, 0, 4);
}

int span_centre_x(int span) {
    return (support_x(span - 1) + support_x(span)) / 2;
}

int left_cantilever_centre_x() {
    return kFirstSupportX - kCantileverLength / 2;
}

int right_cantilever_tip_x(int span_count) {
    return std::min(support_x(span_count) + kCantileverLength, kSpanPictureWidth - 4);
}

int right_cantilever_centre_x(int span_count) {
    return (support_x(span_count) + right_cantilever_tip_x(span_count)) / 2;
}

} // namespace korvex::form
