#pragma once

// What the printed report carries besides the calculation: the subject line of the
// first sheet and the page numbers. Screen images show neither.

#include <string>

namespace korvex::report {

// The subject box's prompt; a subject equal to it means there is no subject.
inline constexpr const char* kSubjectPlaceholder = "件名を入力";

// Page-number positions: none, top left/centre/right, bottom left/centre/right.
enum PageNumberCode : int {
    kPageNumberNone = 0,
    kPageNumberTopLeft = 10,
    kPageNumberTopCentre = 11,
    kPageNumberTopRight = 12,
    kPageNumberBottomLeft = 20,
    kPageNumberBottomCentre = 21,
    kPageNumberBottomRight = 22,
};

// Number formats: "1,2,3･･･" and "-1-,-2-,-3-･･･".
enum PageNumberFormat : int { kPlainNumbers = 0, kDashedNumbers = 1 };

struct PrintSettings {
    std::string subject = kSubjectPlaceholder;
    int pageNumberPosition = kPageNumberNone;
    std::string startNumber = "1"; // decimal text, 1 to 9999
    int numberFormat = kPlainNumbers;
};

} // namespace korvex::report
