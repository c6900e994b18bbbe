#pragma once

// The dialogs beside the main window as data: 設定 (係数等の定義), 印刷の設定,
// 地域データ, 許容スパン表, ご利用について and 海率の地図, each with its caption, its groups,
// labels, controls and buttons in order, their hints and the messages it shows.
// The Qt windows take their texts and order from these tables, and the browser
// page builds its dialogs from the same ones, so no caption or hint of a dialog
// is written twice.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/window_layout.h"

namespace korvex::form {

enum class DialogItemKind {
    group,   // a titled frame around the items that name it as parent
    row,     // a line of controls with a label in front (a ratio row)
    band,    // a coloured band around its items, as the title band of the main window
    label,   // a text
    text,    // a read-only text of several lines
    edit,    // a one-line edit; `text` is the label in front of it, if any
    spin,    // an integer box
    combo,   // a drop-down list of `items`
    radio,   // a radio button of its parent's group
    button,  // a command button
    table,   // a table of rows; its columns are the items that name it as parent
    column,  // a column of a table: `name` is the value it shows, `text` its title
    picture, // a figure the dialog draws (the sea ratio's map)
    message, // a text the dialog shows when it needs to, not a control
};

// A place in a grid of fields: the label's cell; the control takes the next
// `span` columns. A span of 0: the item stands in no grid.
struct GridCell {
    int row = 0;
    int column = 0;
    int span = 0;
};

struct DialogItem {
    DialogItemKind kind = DialogItemKind::label;
    // The role name: the Qt object name and the page's data-name.
    std::string name;
    // The group, row, band or table it sits in; empty: the dialog itself.
    std::string parent;
    std::string text;               // caption, label, title or message ("\n" between lines)
    std::string hint;               // the tooltip
    std::string after;              // what stands right after the control: a unit, a ratio's letter
    std::vector<std::string> items; // the entries of a list
    // In a dialog placed by position: 96-dpi pixels in the parent; a width of 0
    // is as wide as the text. All zero in a dialog laid out by rows.
    LayoutRect rect;
    GridCell cell; // in a grid of fields: where the label stands
    LayoutAlign align = LayoutAlign::left;
    bool bold = false;
    int fontPixels = 0;      // 0: the dialog's font size
    Rgb colour = kBlack;     // the text's
    std::optional<Rgb> fill; // the background, where it is not the dialog's or the control's own
    bool readOnly = false;
    bool framed = false; // stands in a sunken frame of `rect`, at kFramedCellInset
    int maxLength = 0;   // 0: no limit
    int minValue = 0;    // a spin box's range and step
    int maxValue = 0;
    int step = 1;
};

struct DialogLayout {
    std::string name{};  // the Qt object name (CoefficientWindow, …)
    std::string title{}; // the window caption
    int width = 0;       // 96-dpi pixels; 0: as the contents need
    int height = 0;
    int fontPixels = 12;
    Rgb background{239, 235, 231};
    std::vector<DialogItem> items{}; // parents before their children
};

// Where a framed cell's control stands inside its frame.
inline constexpr int kFramedCellInsetX = 6;
inline constexpr int kFramedCellInsetY = 2;

// The page-number position that is ticked is drawn in this colour, the others navy.
inline constexpr Rgb kChosenPositionColour{204, 0, 68};

const DialogLayout& coefficient_dialog_layout();
const DialogLayout& print_settings_dialog_layout();
const DialogLayout& site_data_dialog_layout();
const DialogLayout& span_table_dialog_layout();
const DialogLayout& usage_notice_layout();
const DialogLayout& sea_map_dialog_layout();

// The sea ratio's map in its window: this many 96-dpi pixels wide, with this
// much white round it.
inline constexpr int kSeaMapWidth = 420;
inline constexpr int kSeaMapPadding = 10;

// Every dialog above, in that order.
std::vector<const DialogLayout*> dialog_layouts();

// The item called `name`; an item with no text when the dialog has none.
const DialogItem& dialog_item(const DialogLayout& layout, std::string_view name);

// The items whose parent is `parent`, in order.
std::vector<const DialogItem*> dialog_children(const DialogLayout& layout, std::string_view parent);

} // namespace korvex::form
