#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/control_events.h"
#include "form/controls_by_name.h"
#include "form/project_lines.h"
#include "form/spans.h"
#include "form/window_layout.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

class ControlEvents : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        start();
    }

    void start() {
        s = Session{};
        const auto error = start_session(s, folder.path(), "1.0");
        ASSERT_FALSE(error) << error->message;
    }

    korvex::testing::DataFolder folder;
    Session s;
};

TEST_F(ControlEvents, AChangeStoresTheValueAndRunsTheBehaviour) {
    struct Change {
        const char* control;
        const char* value;
    };
    struct Case {
        const char* what;
        std::vector<Change> changes;
        std::function<void(const InputForm&)> check;
    };
    const Case cases[] = {
        {"the deck type sets the unit weight",
         {{"deckTypeBox", "3"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.deckTypeBox.itemIndex, 3);
             EXPECT_EQ(f.deckUnitWeightEdit.text, "183");
         }},
        {"an own surface treatment empties the weight for typing",
         {{"surfaceTreatmentBox", "2"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.deckUnitWeightEdit.text, "");
             EXPECT_EQ(f.activeControl, "deckUnitWeightEdit");
         }},
        {"the prefecture fills the area list",
         {{"prefectureBox", "1"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.areaBox.items, (std::vector<std::string>{"青森市", "弘前市 (旧岩木町)"}));
             EXPECT_EQ(f.areaBox.itemIndex, 0);
             EXPECT_EQ(f.baseWindSpeedLabel.caption, "34");
         }},
        {"the area shows its values",
         {{"areaBox", "1"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.site.areaName, "小樽市");
             EXPECT_EQ(f.baseWindSpeedLabel.caption, "34");
             EXPECT_EQ(f.seaRatioRadiusLabel.caption, " 8");
         }},
        {"a roof radio switches the picture and the groups",
         {{"canopyRoofRadio", "1"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.state.roofType, calc::RoofType::canopy);
             EXPECT_TRUE(f.canopyRoofRadio.checked);
             EXPECT_FALSE(f.monoPitchRoofRadio.checked);
             EXPECT_EQ(f.roofPicture.pictureFile, "Independent_roof.bmp");
             EXPECT_TRUE(f.canopyShapeGroup.visible);
             EXPECT_FALSE(f.buildingFormGroup.visible);
         }},
        {"a building form radio",
         {{"leewardOpenFormRadio", "1"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.state.buildingForm, calc::BuildingForm::leewardOpen);
             EXPECT_NE(f.buildingFormPicture.pictureFile,
                       InputForm{}.buildingFormPicture.pictureFile);
         }},
        {"a canopy shape radio",
         {{"canopyRoofRadio", "1"}, {"wingCanopyRadio", "1"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.state.canopyShape, calc::CanopyShape::wing);
             EXPECT_TRUE(f.wingCanopyRadio.checked);
         }},
        {"the span count shows the span edits",
         {{"spanCountSpin", "2"}, {"spanCountSpin", "3"}},
         [](const InputForm& f) {
             EXPECT_TRUE(f.span3Edit.visible);
             EXPECT_FALSE(f.span4Edit.visible);
             EXPECT_EQ(f.state.spanPicture, "spanPicture3");
             EXPECT_EQ(f.activeControl, "span3Edit");
         }},
        {"the overhang box shows the overhang edit",
         {{"cantileverBox", "1"}},
         [](const InputForm& f) {
             EXPECT_TRUE(f.cantileverLengthEdit.visible);
             EXPECT_EQ(f.state.spanPicture, "spanPicture1Left");
         }},
        {"a spin's text runs its rule",
         {{"snowDepthSpin", "150"}},
         [](const InputForm& f) {
             EXPECT_EQ(f.snowDepthSpin.value, 150);
             EXPECT_EQ(f.snowUnitWeightSpin.value, 30);
             EXPECT_TRUE(f.heavySnowCheck.checked);
         }},
        {"a spin's text that is no number reads as its minimum",
         {{"directWindPositiveSpin", "x"}},
         [](const InputForm& f) { EXPECT_EQ(f.directWindPositiveSpin.value, 10); }},
        // 弘前市's zone has no coefficients: the typed ones give the depth,
        // 0.0021 x 5 - 1.19 x 0.40 + 1.16 = 0.6945 m.
        {"typed coefficients compute the depth at once",
         {{"prefectureBox", "1"},
          {"areaBox", "1"},
          {"formulaDepthRadio", "1"},
          {"altitudeSpin", "5"},
          {"seaRatioSpin", "40"},
          {"snowCoefAlphaEdit", "0.0021"},
          {"snowCoefBetaEdit", "-1.19"},
          {"snowCoefGammaEdit", "1.16"},
          {"snowCoefRadiusEdit", "20"}},
         [](const InputForm& f) {
             EXPECT_TRUE(f.formulaDepthRadio.checked);
             EXPECT_EQ(f.snowCoefBetaEdit.text, "-1.19");
             EXPECT_EQ(f.snowDepthSpin.value, 69);
             EXPECT_EQ(f.site.sources.snowCoefficients, calc::ValueSource::entered);
         }},
        {"a plain edit keeps the text as typed",
         {{"eaveHeightEdit", "12a"}},
         [](const InputForm& f) { EXPECT_EQ(f.eaveHeightEdit.text, "12a"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start();
        for (const Change& change : c.changes) {
            const auto message = change_control(s, change.control, change.value);
            EXPECT_FALSE(message) << change.control << ": " << message->text;
        }
        c.check(s.form);
    }
}

TEST_F(ControlEvents, ChangesThatNameNoChoiceAreIgnored) {
    const persist::ProjectLines before = collect_project_lines(s);
    const std::pair<const char*, const char*> ignored[] = {
        {"noSuchBox", "1"},       {"", "1"},
        {"deckTypeBox", "x"},     {"deckTypeBox", ""},
        {"deckTypeBox", "9"},     {"deckTypeBox", "-1"},
        {"canopyRoofRadio", "0"}, {"formulaDepthRadio", ""},
        {"roofPicture", "1"},     {"calculateButton", "1"},
        {"windPanel", "1"},       {"versionLabel", "ver.9"},
    };
    for (const auto& [control, value] : ignored) {
        EXPECT_FALSE(change_control(s, control, value)) << control << " " << value;
        EXPECT_EQ(collect_project_lines(s), before) << control << " " << value;
    }
    EXPECT_EQ(s.form.versionLabel.caption, "ver.1.0");
    EXPECT_EQ(s.form.activeControl, "deckTypeBox");
}

// Every control the window offers for input answers to its name.
TEST_F(ControlEvents, EveryInputControlOfTheLayoutTakesItsValue) {
    InputForm& f = s.form;
    for (const LayoutItem& item : main_window_layout()) {
        SCOPED_TRACE(item.name);
        switch (item.kind) {
        case LayoutKind::edit:
            change_control(s, item.name, "123");
            EXPECT_EQ(find_edit(f, item.name)->text, "123");
            break;
        case LayoutKind::spin: {
            const SpinEdit& spin = *find_spin(f, item.name);
            const int value = spin.minValue + spin.increment;
            change_control(s, item.name, std::to_string(value));
            EXPECT_EQ(spin.value, value);
            break;
        }
        case LayoutKind::combo: {
            const ComboBox& combo = *find_combo(f, item.name);
            ASSERT_GE(combo.items.size(), 2u);
            change_control(s, item.name, "1");
            EXPECT_EQ(combo.itemIndex, 1);
            break;
        }
        case LayoutKind::radio: {
            // The canopy's shapes are chosen under the canopy roof.
            if (item.name == f.gableCanopyRadio.name || item.name == f.wingCanopyRadio.name)
                change_control(s, f.canopyRoofRadio.name, "1");
            change_control(s, item.name, "1");
            EXPECT_TRUE(find_radio(f, item.name)->checked);
            break;
        }
        case LayoutKind::check:
            change_control(s, item.name, "0");
            EXPECT_FALSE(find_check(f, item.name)->checked);
            break;
        default:
            break;
        }
    }
}

TEST_F(ControlEvents, ABrokenZoneFileStopsThePrefectureWithItsMessage) {
    folder.write_lines("Data_SnowfallV.csv", {"zone,alpha,beta,gamma,R", "1,x,0,0,1"});
    const auto message = change_control(s, "prefectureBox", "1");
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("Data_SnowfallV.csv"), std::string::npos) << message->text;
    EXPECT_EQ(message->focus, "prefectureBox");
}

TEST_F(ControlEvents, LeavingTheOverhangEditChecksItsLength) {
    change_control(s, "cantileverBox", "1");
    struct Case {
        const char* typed;
        const char* message; // nullptr: none
        const char* shown;
    };
    const Case cases[] = {{"abc", kCantileverNotANumber, "200"},
                          {"1200", kCantileverAboveMaximum, "1000"},
                          {"150", nullptr, "150"},
                          {"1000", nullptr, "1000"}};
    for (const Case& c : cases) {
        change_control(s, "cantileverLengthEdit", c.typed);
        s.form.activeControl = "cantileverLengthEdit";
        const auto message = leave_control(s, "cantileverLengthEdit");
        EXPECT_EQ(message.has_value(), c.message != nullptr) << c.typed;
        if (message && c.message) {
            EXPECT_EQ(message->text, c.message);
            EXPECT_EQ(s.form.activeControl, "cantileverLengthEdit");
        }
        EXPECT_EQ(s.form.cantileverLengthEdit.text, c.shown) << c.typed;
    }
    // Other controls have no exit behaviour, even with an unusable text.
    change_control(s, "span1Edit", "abc");
    for (const char* control : {"span1Edit", "rightCantileverLengthEdit", "noSuchEdit"})
        EXPECT_FALSE(leave_control(s, control)) << control;
    EXPECT_EQ(s.form.span1Edit.text, "abc");
}

} // namespace
} // namespace korvex::form
