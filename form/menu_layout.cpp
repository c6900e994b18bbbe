#include "form/menu_layout.h"

#include <algorithm>

namespace korvex::form {

namespace {

std::vector<Menu> build_menus() {
    using enum MenuEntryKind;
    return {
        {"fileMenu",
         "ファイル(&F)",
         {
             {command, "loadAction", "データ読込(&O)...", "Ctrl+O"},
             {recentDesigns, "recentMenu", "最近使ったデータ(&R)", ""},
             {separator, "", "", ""},
             {command, "saveCurrentAction", "上書き保存(&S)", "Ctrl+S"},
             {command, "saveAsAction", "名前を付けて保存(&A)...", "Ctrl+Shift+S"},
             {separator, "", "", ""},
             {command, "exitAction", "終了(&X)", ""},
         }},
        {"calculationMenu",
         "計算(&C)",
         {
             {command, "calculateAction", "計算(&C)", "F9"},
             {command, "spanTableAction", "許容スパン表(&T)...", "Shift+F9"},
             {separator, "", "", ""},
             {command, "settingsAction", "設定(&E)...", ""},
         }},
    };
}

} // namespace

const std::vector<Menu>& main_menu_layout() {
    static const std::vector<Menu> kMenus = build_menus();
    return kMenus;
}

const MenuEntry* find_menu_entry(const std::string& name) {
    for (const Menu& menu : main_menu_layout())
        for (const MenuEntry& entry : menu.entries)
            if (!name.empty() && entry.name == name) return &entry;
    return nullptr;
}

std::string menu_text_without_marks(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // "&&" is a written ampersand; a single one marks the next letter.
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&')
            ++i;
        else if (text[i] == '&')
            continue;
        plain += text[i];
    }
    return plain;
}

std::vector<std::string> recent_designs_after_use(std::vector<std::string> designs,
                                                  const std::string& design) {
    std::erase_if(designs, [&design](const std::string& d) { return d.empty() || d == design; });
    if (!design.empty()) designs.insert(designs.begin(), design);
    if (designs.size() > static_cast<std::size_t>(kRecentDesignCount))
        designs.resize(kRecentDesignCount);
    return designs;
}

std::string recent_design_entry_text(int number, const std::string& design) {
    return "&" + std::to_string(number) + "  " + design;
}

} // namespace korvex::form
