#pragma once

// What the printed report carries besides the calculation: the subject line of the
// first sheet and the page numbers. Screen images show neither.

#include <array>
#include <optional>
#include <string>

namespace korvex::report {

// The subject box's prompt; a subject equal to it means there is no subject.
inline constexpr const char* kSubjectPlaceholder = "件名を入力";

// Where page numbers are printed; the value is the project file's code (tens:
// 1 top, 2 bottom; units: 0 left, 1 centre, 2 right).
enum class PageNumberPosition {
    none = 0,
    topLeft = 10,
    topCentre = 11,
    topRight = 12,
    bottomLeft = 20,
    bottomCentre = 21,
    bottomRight = 22,
};

// Every position, in the order of the print dialog's buttons.
inline constexpr std::array<PageNumberPosition, 7> kPageNumberPositions = {
    PageNumberPosition::none,       PageNumberPosition::topLeft,
    PageNumberPosition::topCentre,  PageNumberPosition::topRight,
    PageNumberPosition::bottomLeft, PageNumberPosition::bottomCentre,
    PageNumberPosition::bottomRight};

constexpr int code(PageNumberPosition position) {
    return static_cast<int>(position);
}

// The position of a project file's code; nothing for a code that names none.
constexpr std::optional<PageNumberPosition> page_number_position_from_code(int code) {
    for (PageNumberPosition position : kPageNumberPositions)
        if (static_cast<int>(position) == code) return position;
    return std::nullopt;
}

// Number formats: "1,2,3･･･" and "-1-,-2-,-3-･･･"; the value is the list index.
enum class PageNumberFormat { plain = 0, dashed = 1 };

struct PrintSettings {
    std::string subject = kSubjectPlaceholder;
    PageNumberPosition pageNumberPosition = PageNumberPosition::none;
    std::string startNumber = "1"; // decimal text, 1 to 9999
    PageNumberFormat numberFormat = PageNumberFormat::plain;
};

} // namespace korvex::report
