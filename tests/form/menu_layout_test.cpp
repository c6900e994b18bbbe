#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "form/menu_layout.h"

namespace korvex::form {
namespace {

TEST(MenuLayout, EveryCommandHasItsOwnNameAndKeys) {
    std::set<std::string> names;
    std::set<std::string> keys;
    for (const Menu& menu : main_menu_layout()) {
        for (const MenuEntry& entry : menu.entries) {
            if (entry.kind == MenuEntryKind::separator) continue;
            EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
            EXPECT_FALSE(entry.text.empty()) << entry.name;
            if (!entry.keys.empty()) {
                EXPECT_TRUE(keys.insert(entry.keys).second) << entry.keys;
            }
            EXPECT_EQ(find_menu_entry(entry.name), &entry);
        }
    }
    EXPECT_EQ(find_menu_entry("noSuchAction"), nullptr);
    EXPECT_EQ(find_menu_entry(""), nullptr);
}

TEST(MenuLayout, KeyLetterMarksAreDropped) {
    const std::pair<const char*, const char*> cases[] = {
        {"データ読込(&O)...", "データ読込(O)..."},
        {"計算(&C)", "計算(C)"},
        {"&1  /d/a.kvxw", "1  /d/a.kvxw"},
        {"R&&D", "R&D"},
        {"", ""},
    };
    for (const auto& [text, plain] : cases) EXPECT_EQ(menu_text_without_marks(text), plain) << text;
}

TEST(RecentDesigns, TheLastUsedComesFirstOnceAndEightAtMost) {
    using List = std::vector<std::string>;
    struct Case {
        const char* what;
        List before;
        std::string used;
        List after;
    };
    const List eight = {"1", "2", "3", "4", "5", "6", "7", "8"};
    const Case cases[] = {
        {"into an empty list", {}, "a", {"a"}},
        {"a new one goes first", {"a", "b"}, "c", {"c", "a", "b"}},
        {"a listed one moves to the front", {"a", "b", "c"}, "c", {"c", "a", "b"}},
        {"the oldest beyond eight goes", eight, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {"a listed one of eight keeps all", eight, "8", {"8", "1", "2", "3", "4", "5", "6", "7"}},
        {"empty names are no designs", {"a", "", "b"}, "", {"a", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recent_designs_after_use(c.before, c.used), c.after) << c.what;
    EXPECT_EQ(recent_design_entry_text(3, "/d/a.kvxw"), "&3  /d/a.kvxw");
}

} // namespace
} // namespace korvex::form
