#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "common/text_encoding.h"
#include "form/calculate.h"
#include "form/change_tracking.h"
#include "form/layout.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/project_run.h"
#include "form/result_json.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spin_edits.h"
#include "persist/project_file.h"
#include "persist/user_folders.h"
#include "site/user_site_table.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

namespace fs = std::filesystem;
using calc::ValueSource;

class SnowCoefficients : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        start();
    }

    // The user's data home of the test, as the environment names it.
    fs::path data_home() const { return folder.path() / "xdg"; }
    fs::path user_folder() const {
        const std::string home = data_home().string();
        return persist::user_site_data_folder([home](const char* name) -> const char* {
            return std::string(name) == "XDG_DATA_HOME" ? home.c_str() : nullptr;
        });
    }

    void start() {
        s = Session{};
        const auto error = start_session(s, folder.path(), "1.0", user_folder());
        ASSERT_FALSE(error) << error->message;
    }

    void write_user(const std::string& name, const std::vector<std::string>& lines) const {
        fs::create_directories(user_folder());
        std::string text;
        for (const auto& line : lines) text += line + "\r\n";
        std::ofstream(user_folder() / name, std::ios::binary)
            << common::utf8_to_cp932(text).value();
    }

    // 弘前市 (旧岩木町): its zone 7 has no line, so the tables know no coefficients.
    void choose_area_without_zone() {
        ASSERT_FALSE(choose_area(s.form, s.siteTables, 1, "弘前市 (旧岩木町)"));
        ASSERT_FALSE(s.form.site.zoneRegistered);
    }

    void type_coefficients(const std::string& alpha, const std::string& beta,
                           const std::string& gamma, const std::string& radius) {
        enter_snow_coefficient(s.form, s.form.snowCoefAlphaEdit, alpha);
        enter_snow_coefficient(s.form, s.form.snowCoefBetaEdit, beta);
        enter_snow_coefficient(s.form, s.form.snowCoefGammaEdit, gamma);
        enter_snow_coefficient(s.form, s.form.snowCoefRadiusEdit, radius);
    }

    std::map<std::string, std::string> json_sources() const {
        const common::JsonObject json = results_json(s, {});
        std::map<std::string, std::string> sources;
        const std::string text = common::to_json_text(json);
        for (const char* key :
             {"baseWindSpeed", "snowZone", "tableAltitude", "tableSnowDepth", "snowCoefficients"}) {
            const auto at = text.find("\"sources\"");
            const auto field = text.find(std::string("\"") + key + "\"", at);
            const auto open = text.find('"', text.find(':', field) + 1);
            sources[key] = text.substr(open + 1, text.find('"', open + 1) - open - 1);
        }
        return sources;
    }

    korvex::testing::DataFolder folder;
    Session s;
};

// The worked case of 岩手県's page for 久慈市役所, typed into the snow panel of an
// area whose tables know no coefficients: 0.0021 x 5 - 1.19 x 0.40 + 1.16 =
// 0.6945 m, which the page prints as 0.69 m: 69 cm.
TEST_F(SnowCoefficients, TypedCoefficientsGiveTheDepthThroughTheForm) {
    choose_area_without_zone();
    select_snow_method(s.form, calc::SnowMethod::formula);
    EXPECT_TRUE(s.form.formulaDepthRadio.checked);
    set_spin_value(s.form, s.form.altitudeSpin, 5);
    set_spin_value(s.form, s.form.seaRatioSpin, 40);
    type_coefficients("0.0021", "-1.19", "1.16", "20");
    EXPECT_EQ(s.form.snowDepthSpin.value, 69);
    EXPECT_EQ(s.form.snowUnitWeightSpin.value, 20);

    ASSERT_FALSE(calculate(s));
    EXPECT_EQ(s.inputs.snowDepth, 69);
    EXPECT_EQ(s.inputs.snowMethod, calc::SnowMethod::formula);
    EXPECT_EQ(s.inputs.snowCoefA, 0.0021);
    EXPECT_EQ(s.inputs.snowCoefB, -1.19);
    EXPECT_EQ(s.inputs.snowCoefC, 1.16);
    EXPECT_EQ(s.inputs.seaRatioRadius, 20);
    EXPECT_EQ(s.inputs.siteSources.snowCoefficients, ValueSource::entered);
    EXPECT_EQ(json_sources()["snowCoefficients"], "entered");
    EXPECT_EQ(json_sources()["snowZone"], "table"); // zone 7 is the table's, its row is not
}

TEST_F(SnowCoefficients, CalculateRefusesACoefficientItCannotUse) {
    struct Case {
        Edit InputForm::*field;
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {&InputForm::snowCoefAlphaEdit, "", "係数αを入力して下さい"},
        {&InputForm::snowCoefAlphaEdit, "0.0o2", "係数α「0.0o2」が数値ではありません"},
        {&InputForm::snowCoefAlphaEdit, "0.011", "係数αは 0～0.01 (m/m) の範囲"},
        {&InputForm::snowCoefAlphaEdit, "-0.001", "係数αは 0～0.01 (m/m) の範囲"},
        {&InputForm::snowCoefBetaEdit, "-5.01", "係数βは -5～5 の範囲"},
        {&InputForm::snowCoefGammaEdit, "5.5", "係数γは -5～5 (m) の範囲"},
        {&InputForm::snowCoefGammaEdit, " ", "係数γを入力して下さい"},
        {&InputForm::snowCoefRadiusEdit, "20.5", "海率計算用半径R「20.5」が整数ではありません"},
        {&InputForm::snowCoefRadiusEdit, "101", "海率計算用半径Rは 0～100 (km) の範囲"},
    };
    choose_area_without_zone();
    select_snow_method(s.form, calc::SnowMethod::formula);
    for (const Case& c : cases) {
        type_coefficients("0.0021", "-1.19", "1.16", "20");
        Edit& field = s.form.*c.field;
        enter_snow_coefficient(s.form, field, c.text);
        const auto failure = calculate(s);
        ASSERT_TRUE(failure) << c.text;
        EXPECT_NE(failure->text.find(c.says), std::string::npos) << failure->text;
        EXPECT_EQ(failure->focus, field.name);
        EXPECT_EQ(s.form.activeControl, field.name);
    }
    // The edges of each range pass.
    type_coefficients("0.01", "-5", "5", "100");
    EXPECT_FALSE(calculate(s));
    type_coefficients("0", "5", "-5", "0");
    EXPECT_FALSE(calculate(s));

    // Without the formula, or with loads entered directly, the fields are not used.
    enter_snow_coefficient(s.form, s.form.snowCoefAlphaEdit, "");
    select_snow_method(s.form, calc::SnowMethod::typedDepth);
    EXPECT_FALSE(calculate(s));
    select_snow_method(s.form, calc::SnowMethod::formula);
    apply_layout(s.form, calc::LayoutMode::directLoads);
    EXPECT_FALSE(calculate(s));
}

// Each value is the shipped table's until the user's table has one, and the
// coefficients are the user's own once typed.
TEST_F(SnowCoefficients, OverrideOrderIsShippedThenUserThenEntered) {
    EXPECT_EQ(json_sources()["baseWindSpeed"], "table");
    EXPECT_EQ(s.form.site.sources,
              (calc::SiteSources{ValueSource::table, ValueSource::table, ValueSource::table,
                                 ValueSource::table, ValueSource::table}));
    write_user(site::kAddressFileName, {site::kUserAddressHeader,
                                        "1,さっぽろし,北海道,札幌市,1,34,15,-1,0,-,01,-,-,市資料"});
    write_user(site::kSnowZoneFileName, {site::kUserZoneHeader, "1,0.002,-0.1,0.3,25,市資料"});
    start();
    const site::SiteValues& site = s.form.site;
    EXPECT_EQ(site.areaName, "札幌市");
    EXPECT_EQ(s.form.baseWindSpeedLabel.caption, "34");
    EXPECT_EQ(s.form.tableSnowDepthLabel.caption, "---");
    EXPECT_EQ(s.form.snowCoefAlphaEdit.text, "0.002");
    EXPECT_EQ(s.form.snowCoefRadiusEdit.text, "25");
    EXPECT_EQ(site.sources,
              (calc::SiteSources{ValueSource::user, ValueSource::user, ValueSource::user,
                                 ValueSource::none, ValueSource::user}));

    select_snow_method(s.form, calc::SnowMethod::formula);
    // 0.002 x 15 - 0.1 x 0.2 + 0.3 = 0.31 m
    EXPECT_EQ(s.form.snowDepthSpin.value, 31);
    enter_snow_coefficient(s.form, s.form.snowCoefGammaEdit, "0.5");
    EXPECT_EQ(s.form.snowDepthSpin.value, 51);
    EXPECT_EQ(site.sources.snowCoefficients, ValueSource::entered);
    EXPECT_EQ(site.sources.baseWindSpeed, ValueSource::user);
    ASSERT_FALSE(calculate(s));
    const auto sources = json_sources();
    EXPECT_EQ(sources, (std::map<std::string, std::string>{{"baseWindSpeed", "user"},
                                                           {"snowZone", "user"},
                                                           {"tableAltitude", "user"},
                                                           {"tableSnowDepth", "none"},
                                                           {"snowCoefficients", "entered"}}));

    // The shipped table still serves every area the user's table leaves alone.
    s.form.areaBox.itemIndex = 1;
    select_area(s.form, s.siteTables);
    EXPECT_EQ(site.sources.baseWindSpeed, ValueSource::table);
    EXPECT_EQ(site.sources.snowCoefficients, ValueSource::table);
}

// The formula's depth is the centimetre the authorities print: in the snow
// panel, in Calculate's inputs and in `korvex --json` of the saved design; the
// heavy-snow rule and the load follow it.
TEST_F(SnowCoefficients, FormulaDepthIsTakenToTheCentimetre) {
    struct Case {
        const char* alpha;
        const char* beta;
        const char* gamma;
        int altitude;
        int seaRatio;
        int depth;
        int unitWeight;
    };
    const Case cases[] = {
        {"0.0019", "0.25", "0.39", 23, 41, 54, 20}, // 0.5362 m: a prefecture's office
        {"0.0021", "-1.19", "1.16", 5, 40, 69, 20}, // 0.6945 m, a negative sea term
        {"0", "0", "0.345", 0, 0, 35, 20},          // a half exactly, up
        {"0.0015", "0", "0.3", 30, 0, 35, 20},      // a half through a product
        {"0", "0", "0.994", 0, 0, 99, 20},          // just under one metre
        {"0", "0", "0.995", 0, 0, 100, 30},         // a heavy-snow site
        {"0", "-1", "0.2", 0, 50, 0, 20},           // below zero: no snow
    };
    choose_area_without_zone();
    select_snow_method(s.form, calc::SnowMethod::formula);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.alpha) + " " + c.beta + " " + c.gamma);
        set_spin_value(s.form, s.form.altitudeSpin, c.altitude);
        set_spin_value(s.form, s.form.seaRatioSpin, c.seaRatio);
        type_coefficients(c.alpha, c.beta, c.gamma, "20");
        EXPECT_EQ(s.form.snowDepthSpin.value, c.depth);
        EXPECT_EQ(s.form.snowUnitWeightSpin.value, c.unitWeight);
        EXPECT_EQ(s.form.heavySnowCheck.checked, c.depth >= 100);
        ASSERT_FALSE(calculate(s));
        EXPECT_EQ(s.inputs.snowDepth, c.depth);
        EXPECT_EQ(s.inputs.snowLoad, c.depth * c.unitWeight);

        const fs::path file = folder.path() / "formula.kvxw";
        ASSERT_EQ(save_project(s, file), "");
        Session headless;
        const std::string json =
            project_json_text(headless, {folder.path(), user_folder(), "1.0", file});
        EXPECT_NE(json.find("\"snowDepth\": " + std::to_string(c.depth) + ","), std::string::npos);
        const auto messages = json.find("\"messages\": [");
        ASSERT_NE(messages, std::string::npos);
        EXPECT_EQ(json[json.find_first_not_of(" \r\n", messages + 13)], ']') // loaded as saved
            << json.substr(messages, 200);
    }
}

// A design saved while the depth was taken to tens of centimetres loads with the
// formula's centimetre, and says so. Its own unit weight stays unless the site
// crosses 100 cm, where the heavy-snow rule decides.
TEST_F(SnowCoefficients, AnOlderFormulaDesignLoadsWithTheCentimetreDepth) {
    struct Case {
        const char* gamma;
        std::string savedDepth;
        std::string savedUnitWeight;
        int depth;
        int unitWeight;
        const char* says;
    };
    const Case cases[] = {
        {"0.5362", "50", "25", 54, 25,
         "垂直積雪量 50 cm を、告示第1455号の式から1 cm単位で求め直し 54 cm"},
        {"0.9949", "100", "30", 99, 20, "積雪の単位荷重は 30 から 20 N/㎝/㎡ になりました。"},
    };
    choose_area_without_zone();
    select_snow_method(s.form, calc::SnowMethod::formula);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gamma);
        type_coefficients("0", "0", c.gamma, "20");
        persist::ProjectLines lines = collect_project_lines(s);
        lines[19] = c.savedDepth;
        lines[20] = c.savedUnitWeight;
        const fs::path file = folder.path() / "older.kvxw";
        ASSERT_EQ(persist::write_project_file(file, lines), "");

        Session loaded;
        ASSERT_FALSE(start_session(loaded, folder.path(), "1.0", user_folder()));
        const LoadOutcome outcome = load_project(loaded, file);
        EXPECT_FALSE(outcome.failed);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_NE(outcome.messages[0].find(c.says), std::string::npos) << outcome.messages[0];
        EXPECT_EQ(loaded.form.snowDepthSpin.value, c.depth);
        EXPECT_EQ(loaded.form.snowUnitWeightSpin.value, c.unitWeight);
        EXPECT_FALSE(has_unsaved_changes(loaded));

        // Loaded once more, the file saved now gives no message.
        ASSERT_EQ(save_project(loaded, file), "");
        Session again;
        ASSERT_FALSE(start_session(again, folder.path(), "1.0", user_folder()));
        EXPECT_TRUE(load_project(again, file).messages.empty());
    }
}

} // namespace
} // namespace korvex::form
