#pragma once

// The drawing context of the calculation report. One body of page code draws the
// report on the result window's bitmap and on paper; this record holds what
// differs between the two (resolution, margins, font sizes) and the running
// positions and page-number state the pages share.

#include <string>

#include "report/print_settings.h"
#include "report/surface.h"

namespace korvex::report {

// The result window's proportional font and the fixed-pitch one some lines use.
inline constexpr const char* kProportionalFont = "ＭＳ Ｐゴシック";
inline constexpr const char* kFixedPitchFont = "ＭＳ ゴシック";

// The window background the screen image starts from.
inline constexpr Color kButtonFace = rgb(240, 240, 240);

enum OutputModeCode : int { kScreenOutput = 1, kPrinterOutput = 2 };

// The base column of the check and detail pages, mm from the left margin.
inline constexpr int kPageBaseColumn = 4;

// The last-page flag value that keeps `end_page` from starting another sheet.
inline constexpr int kLastPage = 9;

struct ReportCanvas {
    int outputMode = kScreenOutput;
    Surface* surface = nullptr; // not owned
    int dpi = 72;
    double scale = 72 / 25.4; // S: pixels per millimetre
    int leftMargin = 0;       // L, px
    int topOffset = 0;        // T, px; pages move it down as they proceed
    int rightColumnX = 0;     // px
    int baseFontSize = 9;     // pt
    Color textColor = 0;

    int row = 0;        // mm, with text_at_row_col
    int col = 0;        // mm
    int linePitch = 5;  // P, mm
    int columnStep = 5; // mm
    std::string text;   // the text text_at_row_col draws

    int penX = 0; // px, copies of the surface's pen position
    int penY = 0;
    int pageWidth = 0; // px, printable area on paper
    int pageHeight = 0;
    int pageNumberX = 0; // px
    int pageNumberY = 0;
    int sheetIndex = 0; // 1 for the first printed sheet, 0 on screen
    int lastPageFlag = 0;
    int footerPending = 0;
    int fileNameX = 0; // px

    double pageLineHeight = 5.0; // mm
    int pageFirstRow = 7;        // mm
    int sectionRow = 0;          // mm from the surface top
    int sectionRowMark = 0;
    int lineCount = 0;
    int pageBottom = 0; // mm

    // Page 1's frame: its right and bottom edges in pixels. The screen report's
    // closing line runs to the frame's right edge.
    int frameRight = 0;
    int frameBottom = 0;
    // How much taller than usual page 1's frame is (mm), when a long spans line
    // takes a second row; the first sheet's later rows move down with it.
    int frameGrowth = 0;

    PrintSettings printSettings;
    std::string projectFilePath; // shown in the footer when not empty
    std::string today;           // short date of the footer
};

// What a rendering needs besides the surface.
struct ReportDocument {
    PrintSettings printSettings;
    std::string projectFilePath;
    std::string today;
};

// Resets the canvas and prepares `surface` for a rendering in `mode` (screen image
// unless it is kPrinterOutput). A paper surface must already be open: the caller
// owns the print document. Nothing is drawn but the screen image's background, so
// the first page follows directly.
void begin_report(ReportCanvas& canvas, int mode, Surface& surface, ReportDocument document);

inline bool on_paper(const ReportCanvas& canvas) {
    return canvas.outputMode == kPrinterOutput;
}

// Copies the surface's pen position into pen_x and pen_y.
void read_pen(ReportCanvas& canvas);

} // namespace korvex::report
