#pragma once

// The main window's menu bar as data: its menus, their entries in order with the
// text, the key letter and the shortcut of each, and the list of recent designs
// that the file menu and the arrow beside "データ読込" offer. The Qt window and the
// browser page both build their menus from this table.

#include <string>
#include <vector>

namespace korvex::form {

// The menu bar above the form: the window is this much taller than the form's
// own layout heights.
inline constexpr int kMenuBarHeight = 22;

enum class MenuEntryKind { command, recentDesigns, separator };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::command;
    // The command's role name (loadAction, saveCurrentAction, …), "recentMenu"
    // for the recent designs; empty for a separator.
    std::string name;
    std::string text; // "&" stands before the key letter ("データ読込(&O)...")
    std::string keys; // the shortcut as "Ctrl+Shift+S", "F9"; empty for none
};

struct Menu {
    std::string name; // fileMenu, calculationMenu
    std::string text;
    std::vector<MenuEntry> entries;
};

const std::vector<Menu>& main_menu_layout();

// The entry of a command by its role name; nullptr for a name no menu has.
const MenuEntry* find_menu_entry(const std::string& name);

// A menu text without its key-letter marks: "データ読込(&O)..." → "データ読込(O)...".
std::string menu_text_without_marks(const std::string& text);

// The recent designs: the last eight opened or saved, newest first.
inline constexpr int kRecentDesignCount = 8;
inline constexpr const char* kRecentDesignsTitle = "最近使ったデータ";
inline constexpr const char* kNoRecentDesigns = "（なし）";
inline constexpr const char* kMissingDesignHint = "ファイルが見つかりません";
inline constexpr const char* kRemoveMissingDesigns = "見つからないファイルを一覧から削除";

// The list once `design` has been opened or saved: at the front, listed once,
// the oldest beyond eight gone. Empty names are no designs and are dropped.
std::vector<std::string> recent_designs_after_use(std::vector<std::string> designs,
                                                  const std::string& design);

// An entry of the list: its number as the key letter, then the design.
std::string recent_design_entry_text(int number, const std::string& design);

} // namespace korvex::form
