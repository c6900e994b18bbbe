#pragma once

// What each kind of control of the main window holds. The window shows these
// values and nothing else, so every behaviour only has to change them.

#include <string>
#include <vector>

namespace korvex::form {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};            // the selected button of a radio group
inline constexpr Rgb kGreyedLabel{153, 153, 153}; // "多雪地域" while the area is not one

struct Edit {
    std::string name{};
    std::string text{};
    std::string hint{};
    bool enabled = true;
    bool visible = true;
};

// An integer spin edit. Set its value with set_spin_value, which clamps it and
// runs the change behaviour the way the window does.
struct SpinEdit {
    std::string name{};
    int value = 0;
    int minValue = 0;
    int maxValue = 0;
    int increment = 1;
    std::string hint{};
    bool enabled = true;
    bool visible = true;
};

struct ComboBox {
    std::string name{};
    std::vector<std::string> items{};
    int itemIndex = 0; // -1: nothing selected
    std::string hint{};
    bool enabled = true;
    bool visible = true;
};

struct RadioButton {
    std::string name{};
    std::string caption{};
    bool checked = false;
    std::string hint{};
    bool enabled = true;
    Rgb fontColour = kBlack;
    bool fontBold = false;
};

struct CheckBox {
    std::string name{};
    std::string caption{};
    bool checked = false;
    std::string hint{};
    bool enabled = true;
};

struct Label {
    std::string name{};
    std::string caption{};
    std::string hint{};
    Rgb fontColour = kBlack;
};

struct GroupBox {
    std::string name{};
    std::string caption{};
    bool visible = true;
};

struct Panel {
    std::string name{};
    int top = 0;
    int height = 0;
    bool visible = true;
};

struct Image {
    std::string name{};
    std::string pictureFile{}; // a file of the data folder
};

struct Button {
    std::string name{};
    std::string caption{};
    std::string hint{};
    bool enabled = true;
};

// What a behaviour has to tell the user: the text of a message box and the
// control that has the focus afterwards.
struct FormMessage {
    std::string text{};
    std::string focus{};
};

// The selected item's text, or "" when nothing is selected.
inline std::string item_text(const ComboBox& combo) {
    if (combo.itemIndex < 0 || combo.itemIndex >= static_cast<int>(combo.items.size())) return {};
    return combo.items[static_cast<std::size_t>(combo.itemIndex)];
}

// The selected button navy and bold, the others black and regular.
inline void highlight_radio(RadioButton& radio) {
    radio.fontColour = radio.checked ? kNavy : kBlack;
    radio.fontBold = radio.checked;
}

} // namespace korvex::form
