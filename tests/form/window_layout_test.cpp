#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "form/controls_by_name.h"
#include "form/layout.h"
#include "form/roof.h"
#include "form/span_row_geometry.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/window_layout.h"

namespace korvex::form {
namespace {

const std::vector<LayoutItem>& layout() {
    return main_window_layout();
}

const LayoutItem* find_item(std::string_view name) {
    for (const LayoutItem& item : layout())
        if (item.name == name) return &item;
    return nullptr;
}

bool is_control(LayoutKind kind) {
    switch (kind) {
    case LayoutKind::edit:
    case LayoutKind::spin:
    case LayoutKind::combo:
    case LayoutKind::check:
    case LayoutKind::radio:
    case LayoutKind::display:
    case LayoutKind::button:
        return true;
    default:
        return false;
    }
}

bool inside(const LayoutRect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

bool overlap(const LayoutRect& a, const LayoutRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(WindowLayout, ParentsComeFirstAndHoldTheirItems) {
    const InputForm form;
    std::map<std::string, const LayoutItem*> parents;
    bool past_panels = false;
    for (const LayoutItem& item : layout()) {
        const std::string what = item.name.empty() ? item.text : item.name;
        if (item.kind == LayoutKind::panel) {
            EXPECT_FALSE(past_panels) << what << ": panels come first";
            EXPECT_TRUE(item.parent.empty()) << what;
            EXPECT_TRUE(inside(item.rect, kMainWindowWidth, form.height)) << what;
            parents[item.name] = &item;
            continue;
        }
        past_panels = true;
        if (item.parent.empty()) {
            // Only the status bar lies straight in the form, over its foot.
            EXPECT_EQ(item.name, form.statusBar.name);
            EXPECT_EQ(item.rect.top + item.rect.height, form.height);
            parents[item.name] = &item;
            continue;
        }
        const auto parent = parents.find(item.parent);
        ASSERT_NE(parent, parents.end()) << what << " in " << item.parent;
        EXPECT_TRUE(inside(item.rect, parent->second->rect.width, parent->second->rect.height))
            << what << " in " << item.parent;
        if (item.kind == LayoutKind::group) parents[item.name] = &item;
        // Only plain texts and title bands go without a name, and they carry words.
        EXPECT_EQ(item.text.empty(),
                  item.kind != LayoutKind::text && item.kind != LayoutKind::titleBand)
            << what;
        if (item.kind != LayoutKind::text && item.kind != LayoutKind::titleBand) {
            EXPECT_FALSE(item.name.empty());
        }
    }
    // Each title band heads its panel at the top left, as wide as its words.
    int bands = 0;
    for (const LayoutItem& item : layout()) {
        if (item.kind != LayoutKind::titleBand) continue;
        ++bands;
        EXPECT_EQ(parents.at(item.parent)->kind, LayoutKind::panel) << item.text;
        EXPECT_EQ(item.rect.width, 0) << item.text;
        EXPECT_TRUE(item.bold) << item.text;
    }
    EXPECT_EQ(bands, 4);
    // The verdict line is the status bar's one item; its room ends at the bar's
    // right end and leaves the hints a part of the bar.
    const LayoutItem& verdict = *find_item(kLiveVerdictLabel);
    EXPECT_EQ(verdict.parent, form.statusBar.name);
    EXPECT_EQ(verdict.align, LayoutAlign::right);
    EXPECT_EQ(verdict.rect.left + verdict.rect.width, kMainWindowWidth);
    EXPECT_GT(verdict.rect.left, 0);
    EXPECT_EQ(verdict.rect.height, kStatusBarHeight);
}

TEST(WindowLayout, EveryControlOfTheFormIsPlacedOnceAsItsKind) {
    InputForm f;
    const std::pair<LayoutKind, const std::string*> controls[] = {
        {LayoutKind::combo, &f.deckTypeBox.name},
        {LayoutKind::combo, &f.fastenerBox.name},
        {LayoutKind::combo, &f.surfaceTreatmentBox.name},
        {LayoutKind::edit, &f.deckUnitWeightEdit.name},
        {LayoutKind::combo, &f.prefectureBox.name},
        {LayoutKind::combo, &f.areaBox.name},
        {LayoutKind::check, &f.heavySnowCheck.name},
        {LayoutKind::display, &f.heavySnowLabel.name},
        {LayoutKind::button, &f.siteDataButton.name},
        {LayoutKind::panel, &f.windPanel.name},
        {LayoutKind::display, &f.baseWindSpeedLabel.name},
        {LayoutKind::combo, &f.roughnessBox.name},
        {LayoutKind::edit, &f.eaveHeightEdit.name},
        {LayoutKind::edit, &f.buildingHeightEdit.name},
        {LayoutKind::edit, &f.spanDirectionLengthEdit.name},
        {LayoutKind::group, &f.roofTypeGroup.name},
        {LayoutKind::radio, &f.monoPitchRoofRadio.name},
        {LayoutKind::radio, &f.gableRoofRadio.name},
        {LayoutKind::radio, &f.arcRoofRadio.name},
        {LayoutKind::radio, &f.canopyRoofRadio.name},
        {LayoutKind::picture, &f.roofPicture.name},
        {LayoutKind::group, &f.buildingFormGroup.name},
        {LayoutKind::radio, &f.closedFormRadio.name},
        {LayoutKind::radio, &f.windwardOpenFormRadio.name},
        {LayoutKind::radio, &f.leewardOpenFormRadio.name},
        {LayoutKind::picture, &f.buildingFormPicture.name},
        {LayoutKind::group, &f.canopyShapeGroup.name},
        {LayoutKind::radio, &f.gableCanopyRadio.name},
        {LayoutKind::radio, &f.wingCanopyRadio.name},
        {LayoutKind::picture, &f.canopyShapePicture.name},
        {LayoutKind::panel, &f.directLoadPanel.name},
        {LayoutKind::spin, &f.directWindPositiveSpin.name},
        {LayoutKind::spin, &f.directWindNegativeSpin.name},
        {LayoutKind::spin, &f.directSnowLoadSpin.name},
        {LayoutKind::panel, &f.snowPanel.name},
        {LayoutKind::spin, &f.snowDepthSpin.name},
        {LayoutKind::spin, &f.snowUnitWeightSpin.name},
        {LayoutKind::group, &f.snowMethodGroup.name},
        {LayoutKind::radio, &f.typedDepthRadio.name},
        {LayoutKind::radio, &f.formulaDepthRadio.name},
        {LayoutKind::spin, &f.altitudeSpin.name},
        {LayoutKind::spin, &f.seaRatioSpin.name},
        {LayoutKind::display, &f.tableSnowDepthLabel.name},
        {LayoutKind::display, &f.tableAltitudeLabel.name},
        {LayoutKind::display, &f.seaRatioRadiusLabel.name},
        {LayoutKind::edit, &f.siteCoordinatesEdit.name},
        {LayoutKind::button, &f.seaMapButton.name},
        {LayoutKind::display, &f.seaRatioReferenceLabel.name},
        {LayoutKind::button, &f.takeSeaRatioButton.name},
        {LayoutKind::edit, &f.snowCoefAlphaEdit.name},
        {LayoutKind::edit, &f.snowCoefBetaEdit.name},
        {LayoutKind::edit, &f.snowCoefGammaEdit.name},
        {LayoutKind::edit, &f.snowCoefRadiusEdit.name},
        {LayoutKind::panel, &f.otherLoadPanel.name},
        {LayoutKind::spin, &f.otherDeadLoadSpin.name},
        {LayoutKind::spin, &f.liveLoadSpin.name},
        {LayoutKind::panel, &f.spanPanel.name},
        {LayoutKind::edit, &f.span1Edit.name},
        {LayoutKind::edit, &f.span2Edit.name},
        {LayoutKind::edit, &f.span3Edit.name},
        {LayoutKind::edit, &f.span4Edit.name},
        {LayoutKind::spin, &f.spanCountSpin.name},
        {LayoutKind::combo, &f.cantileverBox.name},
        {LayoutKind::edit, &f.cantileverLengthEdit.name},
        {LayoutKind::edit, &f.rightCantileverLengthEdit.name},
        {LayoutKind::panel, &f.commandPanel.name},
        {LayoutKind::display, &f.programNameLabel.name},
        {LayoutKind::display, &f.versionLabel.name},
        {LayoutKind::display, &f.usageNoticeLink.name},
        {LayoutKind::button, &f.overviewButton.name},
        {LayoutKind::button, &f.settingsButton.name},
        {LayoutKind::button, &f.loadButton.name},
        {LayoutKind::button, &f.saveButton.name},
        {LayoutKind::button, &f.calculateButton.name},
        {LayoutKind::button, &f.exitButton.name},
        {LayoutKind::display, &f.statusBar.name},
    };
    std::set<std::string> expected;
    for (const auto& [kind, name] : controls) {
        expected.insert(*name);
        int placed = 0;
        for (const LayoutItem& item : layout()) {
            if (item.name != *name) continue;
            ++placed;
            EXPECT_EQ(item.kind, kind) << *name;
        }
        EXPECT_EQ(placed, 1) << *name;
    }
    // The other way round: every control the window places is one of the form's,
    // found by its name as its kind, so a view can bind it. The verdict line
    // shows what form::live_verdict returns, no state of the form.
    for (const LayoutItem& item : layout()) {
        if (!is_control(item.kind) && item.kind != LayoutKind::group) continue;
        if (item.name == kLiveVerdictLabel) continue;
        EXPECT_TRUE(expected.contains(item.name)) << item.name;
        const bool found = [&] {
            switch (item.kind) {
            case LayoutKind::edit:
                return find_edit(f, item.name) != nullptr;
            case LayoutKind::spin:
                return find_spin(f, item.name) != nullptr;
            case LayoutKind::combo:
                return find_combo(f, item.name) != nullptr;
            case LayoutKind::check:
                return find_check(f, item.name) != nullptr;
            case LayoutKind::radio:
                return find_radio(f, item.name) != nullptr;
            case LayoutKind::display:
                return find_label(f, item.name) != nullptr;
            case LayoutKind::button:
                return find_button(f, item.name) != nullptr;
            default:
                return find_group(f, item.name) != nullptr;
            }
        }();
        EXPECT_TRUE(found) << item.name;
    }
    // A picture shows a file; the span pictures are drawn, one item for all.
    for (const LayoutItem& item : layout()) {
        if (item.kind == LayoutKind::picture) {
            EXPECT_FALSE(picture_file(f, item.name).empty()) << item.name;
        }
    }
    EXPECT_EQ(
        std::count_if(layout().begin(), layout().end(),
                      [](const LayoutItem& item) { return item.kind == LayoutKind::spanPictures; }),
        1);
}

// Two controls of one parent never cover each other; only the two groups that
// take turns at one place share it. The right overhang's edit is left out: its
// place follows the span count (see the live rects).
TEST(WindowLayout, ControlsOfOneParentDoNotOverlap) {
    const InputForm f;
    std::vector<const LayoutItem*> controls;
    for (const LayoutItem& item : layout())
        if ((is_control(item.kind) || item.kind == LayoutKind::group ||
             item.kind == LayoutKind::picture) &&
            item.name != f.rightCantileverLengthEdit.name)
            controls.push_back(&item);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const LayoutItem& a = *controls[i];
            const LayoutItem& b = *controls[j];
            if (a.parent != b.parent) continue;
            const bool take_turns =
                a.name == f.buildingFormGroup.name && b.name == f.canopyShapeGroup.name;
            EXPECT_EQ(overlap(a.rect, b.rect), take_turns) << a.name << " / " << b.name;
        }
    }
}

TEST(WindowLayout, PicturesFollowTheForm) {
    InputForm form;
    EXPECT_EQ(picture_file(form, "roughnessPicture"), "Roughness.bmp");
    EXPECT_EQ(picture_file(form, "roofPicture"), "Shed_roof.bmp");
    select_roof_type(form, calc::RoofType::arc);
    EXPECT_EQ(picture_file(form, "roofPicture"), form.roofPicture.pictureFile);
    EXPECT_EQ(picture_file(form, "roofPicture"), "Circular_arc_roof.bmp");
    EXPECT_EQ(picture_file(form, "buildingFormPicture"), form.buildingFormPicture.pictureFile);
    EXPECT_EQ(picture_file(form, "canopyShapePicture"), form.canopyShapePicture.pictureFile);
    EXPECT_EQ(picture_file(form, "deckTypeBox"), "");
}

TEST(WindowLayout, LiveRectsFollowTheLayoutModeAndTheSpanCount) {
    InputForm form;
    const LayoutItem& status = *find_item(form.statusBar.name);
    const LayoutItem& other = *find_item(form.otherLoadPanel.name);
    const LayoutItem& deck = *find_item("deckPanel");
    apply_layout(form, calc::LayoutMode::directLoads);
    const LayoutRect moved = live_rect(form, other);
    EXPECT_EQ(moved.left, other.rect.left);
    EXPECT_EQ(moved.top, 72);
    EXPECT_EQ(moved.height, 95);
    EXPECT_EQ(live_rect(form, status).top + status.rect.height, 375);
    EXPECT_EQ(live_rect(form, deck).top, deck.rect.top);
    // The span panel and the command panel still fit the smaller form.
    for (const char* panel : {"spanPanel", "commandPanel"}) {
        const LayoutRect r = live_rect(form, *find_item(panel));
        EXPECT_LE(r.top + r.height, form.height - status.rect.height) << panel;
    }
    apply_layout(form, calc::LayoutMode::derivedLoads);
    EXPECT_EQ(live_rect(form, other).top, other.rect.top);
    EXPECT_EQ(live_rect(form, status).top, status.rect.top);

    // The right overhang's edit stays right of the last span's edit and in the panel.
    const LayoutItem& right = *find_item(form.rightCantileverLengthEdit.name);
    const LayoutItem& panel = *find_item(form.spanPanel.name);
    for (int count = 1; count <= 4; ++count) {
        set_spin_value(form, form.spanCountSpin, count);
        const LayoutRect r = live_rect(form, right);
        const LayoutRect last = find_item(span_edit(form, count).name)->rect;
        EXPECT_GE(r.left, last.left + last.width) << count;
        EXPECT_LE(r.left + r.width, panel.rect.width) << count;
        EXPECT_EQ(r.top, last.top) << count;
    }
}

// Each span edit sits under its own span, between the span's two supports.
TEST(WindowLayout, SpanEditsSitUnderTheirSpans) {
    const InputForm form;
    for (int span = 1; span <= 4; ++span) {
        const LayoutRect r = find_item(span_edit(form, span).name)->rect;
        EXPECT_GT(r.left, kSpanPictureLeft + support_x(span - 1)) << span;
        EXPECT_LT(r.left + r.width, kSpanPictureLeft + support_x(span)) << span;
    }
    const LayoutRect left = find_item(form.cantileverLengthEdit.name)->rect;
    EXPECT_LT(left.left + left.width, kSpanPictureLeft + support_x(0));
}

} // namespace
} // namespace korvex::form
