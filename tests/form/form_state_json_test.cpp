#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/json.h"
#include "form/control_index.h"
#include "form/form_state_json.h"
#include "form/session.h"
#include "form/unit_weight.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

// Every control is reachable by its role name once, so a page that is handed a
// name finds the one control it means.
TEST(ControlIndex, EveryControlOnceByItsName) {
    InputForm form;
    std::set<std::string> names;
    for (const ControlRef& control : all_controls(form)) {
        const std::string& name = control_name(control);
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        const auto found = find_control(form, name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(found->index(), control.index()) << name;
    }
    EXPECT_EQ(names.size(), 76u);
    EXPECT_TRUE(std::holds_alternative<Edit*>(*find_control(form, "cantileverLengthEdit")));
    EXPECT_FALSE(find_control(form, "noSuchControl"));
}

// The page shows what the form holds after a behaviour ran: the state carries
// every control with its value, the status line and the unsaved-edit mark.
TEST(FormStateJson, ShowsTheFormAsTheBehavioursLeftIt) {
    korvex::testing::DataFolder folder;
    folder.write_fixture();
    Session session;
    ASSERT_FALSE(start_session(session, folder.path(), "1.0"));
    session.form.deckTypeBox.itemIndex = 2;
    update_unit_weight(session.form);

    const std::string text = common::to_json_text(form_state_json(session));
    EXPECT_NE(text.find("\"deckUnitWeightEdit\": {\n"
                        "            \"enabled\": true,\n"
                        "            \"hint\": "),
              std::string::npos)
        << text.substr(0, 400);
    EXPECT_NE(text.find("\"text\": \"" + session.form.deckUnitWeightEdit.text + "\""),
              std::string::npos);
    EXPECT_NE(text.find("\"index\": 2"), std::string::npos);
    EXPECT_NE(text.find("\"unsaved\": true"), std::string::npos);
    EXPECT_NE(text.find("\"spanPicture\": \"spanPicture1\""), std::string::npos);
    for (const ControlRef& control : all_controls(session.form))
        EXPECT_NE(text.find("\"" + control_name(control) + "\": {"), std::string::npos)
            << control_name(control);
}

} // namespace
} // namespace korvex::form
