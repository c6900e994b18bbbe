#pragma once

// The main window's layout as data: every panel, group, text, control and
// picture with its place, in the order the window creates them. The Qt window
// builds itself by walking this table, and any other view of the form reads the
// same table, so no text or place of the window exists twice.

#include <string>
#include <string_view>
#include <vector>

#include "form/input_form.h"

namespace korvex::form {

inline constexpr int kMainWindowWidth = 792;
inline constexpr int kStatusBarHeight = 23;
// The form's own font size in pixels.
inline constexpr int kFormFontPixels = 13;
// "データ読込" gives this much of its place to the arrow of the recent designs,
// which stands right of it.
inline constexpr int kRecentArrowWidth = 16;
// A title band is as wide as its bold words plus this much, half on each side;
// its rect has width 0.
inline constexpr int kTitleBandPadding = 20;
// The verdict while typing (form/live_verdict.h) lies in the status bar: its
// item's rect is the most it may take from the hints, and the line stands at the
// right end of it, as wide as its text with this padding on each side (a longer
// text is cut short at the rect's left end).
inline constexpr const char* kLiveVerdictLabel = "liveVerdictLabel";
inline constexpr int kLiveVerdictPadding = 4;

enum class LayoutKind {
    panel,
    titleBand,
    text,
    group,
    edit,
    spin,
    combo,
    check,
    radio,
    display,
    picture,
    button,
    spanPictures
};
enum class LayoutAlign { left, centre, right }; // horizontal; vertical is always centred
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
struct LayoutItem {
    LayoutKind kind;
    // The control's role name as in InputForm (deckTypeBox, …), the panel or group
    // name, or a picture name (roughnessPicture, roofPicture, …); empty for a
    // plain text, except the two texts that head the span row (loadRowLabel,
    // spanRowLabel).
    std::string name;
    // The panel or group it sits in; empty for a panel and for the status bar,
    // which lie straight in the form below the menu bar; the status bar for the
    // verdict line.
    std::string parent;
    std::string text; // a plain text's or title band's words (may contain "\n"); empty otherwise
    LayoutRect rect;  // 96-dpi pixels relative to the parent, exactly as the window places it
    LayoutAlign align = LayoutAlign::left;
    bool bold = false;  // drawn bold (title bands, the V0 display, the program name)
    int fontPixels = 0; // 0: the form's font size; otherwise this pixel size
};

// Every item of the main window in creation order (parents before children):
// panels in their stacking order, then per panel its items, then the status bar
// and the verdict line in it.
// A panel that moves with the layout mode carries its rect of the derived-loads
// layout; its live top, height and visibility are the form's Panel members.
const std::vector<LayoutItem>& main_window_layout();

// Where an item lies now: a panel at its Panel member's top and height, the
// status bar at the bottom of the form's height, the right overhang's edit
// under the last span; every other item at its rect.
LayoutRect live_rect(const InputForm& form, const LayoutItem& item);

// The fixed picture file a picture item shows, or the InputForm field it
// follows (roofPicture → form.roofPicture.pictureFile, roughnessPicture →
// "Roughness.bmp"); empty for a name that is no picture.
std::string picture_file(const InputForm& form, std::string_view picture_name);

} // namespace korvex::form
