#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/dialog_layouts.h"
#include "persist/coefficient_dialog.h"

namespace korvex::form {
namespace {

bool holds_items(DialogItemKind kind) {
    return kind == DialogItemKind::group || kind == DialogItemKind::row ||
           kind == DialogItemKind::band || kind == DialogItemKind::table;
}

// A name given twice or a parent misspelt would drop a control from both the
// windows and the page without a word.
TEST(DialogLayouts, NamesAreUniqueAndParentsComeFirst) {
    for (const DialogLayout* dialog : dialog_layouts()) {
        SCOPED_TRACE(dialog->name);
        EXPECT_FALSE(dialog->title.empty());
        std::set<std::string> names;
        for (const DialogItem& item : dialog->items) {
            SCOPED_TRACE(item.name);
            if (!item.name.empty()) {
                EXPECT_TRUE(names.insert(item.name).second) << "twice";
            }
            if (!item.parent.empty()) {
                EXPECT_TRUE(names.contains(item.parent)) << "its parent comes later or not at all";
                EXPECT_TRUE(holds_items(dialog_item(*dialog, item.parent).kind));
            }
            const bool in_table = !item.parent.empty() &&
                                  dialog_item(*dialog, item.parent).kind == DialogItemKind::table;
            EXPECT_EQ(item.kind == DialogItemKind::column, in_table);
            if (item.kind == DialogItemKind::radio) {
                EXPECT_EQ(dialog_item(*dialog, item.parent).kind, DialogItemKind::group);
            }
        }
    }
}

TEST(DialogLayouts, TheCoefficientDialogHoldsEveryRatioInItsRow) {
    const DialogLayout& dialog = coefficient_dialog_layout();
    int index = 0;
    for (const DialogItem& item : dialog.items) {
        if (item.kind != DialogItemKind::edit) continue;
        SCOPED_TRACE(item.name);
        EXPECT_EQ(item.name, persist::ratio_edit_name(index));
        EXPECT_EQ(item.readOnly, persist::is_p_edit(index)) << "P follows G and is not typed";
        EXPECT_EQ(dialog_item(dialog, item.parent).kind, DialogItemKind::row);
        ++index;
    }
    EXPECT_EQ(index, persist::kRatioEditCount);
    EXPECT_EQ(dialog_item(dialog, "nothing").text, "");
}

} // namespace
} // namespace korvex::form
