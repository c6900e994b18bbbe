#include "form/window_layout.h"

#include "form/controls_by_name.h"
#include "form/span_row_geometry.h"
#include "form/spans.h"

namespace korvex::form {

namespace {

constexpr int kHalfWidth = kMainWindowWidth / 2;
constexpr int kTopPanelHeight = 72;
constexpr int kCommandWidth = 84;
constexpr int kCommandPitch = 90;

// Appends the items of one parent at a time.
class LayoutBuilder {
public:
    explicit LayoutBuilder(std::vector<LayoutItem>& items) : items_(items) {}

    void set_parent(std::string parent) { parent_ = std::move(parent); }

    LayoutItem& add(LayoutKind kind, std::string name, LayoutRect rect,
                    LayoutAlign align = LayoutAlign::left) {
        LayoutItem& item = items_.emplace_back();
        item.kind = kind;
        item.name = std::move(name);
        item.parent = parent_;
        item.rect = rect;
        item.align = align;
        return item;
    }

    void panel(const std::string& name, LayoutRect rect) {
        LayoutItem& item = items_.emplace_back();
        item.kind = LayoutKind::panel;
        item.name = name;
        item.rect = rect;
    }

    void text(std::string words, LayoutRect rect, LayoutAlign align = LayoutAlign::left) {
        add(LayoutKind::text, {}, rect, align).text = std::move(words);
    }

    // The panel's heading at its top left, white on brown.
    void title_band(std::string words) {
        LayoutItem& band = add(LayoutKind::titleBand, {}, {4, 4, 0, 20}, LayoutAlign::centre);
        band.text = std::move(words);
        band.bold = true;
    }

    // A group starts; its items follow until the next set_parent.
    void group(const std::string& name, LayoutRect rect) {
        add(LayoutKind::group, name, rect);
        parent_ = name;
    }

private:
    std::vector<LayoutItem>& items_;
    std::string parent_;
};

LayoutRect panel_rect(int left, const Panel& panel, int width) {
    return {left, panel.top, width, panel.height};
}

void add_panels(LayoutBuilder& b, const InputForm& f) {
    // Stacking order: the direct-load panel lies under the span and command
    // panels, which cover its lower part in the smaller layout.
    b.panel("deckPanel", {0, 0, kHalfWidth, kTopPanelHeight});
    b.panel("sitePanel", {kHalfWidth, 0, kHalfWidth, kTopPanelHeight});
    b.panel(f.directLoadPanel.name, panel_rect(0, f.directLoadPanel, kHalfWidth));
    b.panel(f.windPanel.name, panel_rect(0, f.windPanel, kHalfWidth));
    b.panel(f.snowPanel.name, panel_rect(kHalfWidth, f.snowPanel, kHalfWidth));
    b.panel(f.otherLoadPanel.name, panel_rect(kHalfWidth, f.otherLoadPanel, kHalfWidth));
    b.panel(f.spanPanel.name, panel_rect(0, f.spanPanel, kMainWindowWidth));
    b.panel(f.commandPanel.name, panel_rect(0, f.commandPanel, kMainWindowWidth));
}

void add_deck_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent("deckPanel");
    b.text("デッキ種類", {8, 12, 100, 22});
    b.add(LayoutKind::combo, f.deckTypeBox.name, {110, 12, 104, 22});
    b.text("表面処理", {262, 12, 54, 22});
    b.add(LayoutKind::combo, f.surfaceTreatmentBox.name, {316, 12, 64, 22});
    b.text("梁(母屋)との接合", {8, 40, 100, 22});
    b.add(LayoutKind::combo, f.fastenerBox.name, {110, 40, 146, 22});
    b.text("単位重量", {262, 40, 54, 22});
    b.add(LayoutKind::edit, f.deckUnitWeightEdit.name, {316, 40, 40, 22}, LayoutAlign::centre);
    b.text("N/㎡", {359, 40, 34, 22});
}

void add_site_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent("sitePanel");
    b.text("[所在地]", {8, 12, 58, 22});
    b.text("都道府県", {70, 12, 54, 22});
    b.add(LayoutKind::combo, f.prefectureBox.name, {126, 12, 100, 22});
    b.add(LayoutKind::check, f.heavySnowCheck.name, {250, 12, 18, 22});
    b.add(LayoutKind::display, f.heavySnowLabel.name, {270, 12, 70, 22});
    b.text("地域", {70, 40, 54, 22});
    b.add(LayoutKind::combo, f.areaBox.name, {126, 40, 262, 22});
    b.add(LayoutKind::button, f.siteDataButton.name, {4, 40, 64, 22}).fontPixels = 11;
}

void add_wind_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.windPanel.name);
    b.title_band("風荷重の設定");
    b.text("平均風速 Ｖ0 =", {138, 5, 92, 20});
    b.add(LayoutKind::display, f.baseWindSpeedLabel.name, {230, 5, 28, 20}, LayoutAlign::centre)
        .bold = true;
    b.text("m/sec", {262, 5, 40, 20});

    b.text("粗 度 区 分", {8, 32, 114, 22});
    b.add(LayoutKind::combo, f.roughnessBox.name, {122, 32, 48, 22});
    b.text("→", {176, 32, 20, 22});
    b.add(LayoutKind::picture, "roughnessPicture", {202, 30, 188, 96}, LayoutAlign::centre);

    const std::pair<const char*, const Edit*> heights[] = {
        {"軒 の 高 さ   Ｈ１", &f.eaveHeightEdit},
        {"建 物 の 高 さ Ｈ2", &f.buildingHeightEdit},
        {"張り間方向の長さＤ", &f.spanDirectionLengthEdit}};
    int top = 60;
    for (const auto& [label, edit] : heights) {
        b.text(label, {8, top, 114, 22});
        b.add(LayoutKind::edit, edit->name, {122, top, 52, 22}, LayoutAlign::right);
        b.text("mm", {177, top, 22, 22});
        top += 26;
    }

    b.group(f.roofTypeGroup.name, {4, 136, 388, 84});
    const RadioButton* roofs[] = {&f.monoPitchRoofRadio, &f.gableRoofRadio, &f.arcRoofRadio,
                                  &f.canopyRoofRadio};
    for (int i = 0; i < 4; ++i) b.add(LayoutKind::radio, roofs[i]->name, {10, 16 + 16 * i, 96, 16});
    b.add(LayoutKind::picture, f.roofPicture.name, {112, 14, 270, 64}, LayoutAlign::centre);

    // The building form and the canopy's roof shape share one place; the roof
    // type shows one of them.
    b.set_parent(f.windPanel.name);
    b.group(f.buildingFormGroup.name, {4, 222, 388, 78});
    const RadioButton* shapes[] = {&f.closedFormRadio, &f.windwardOpenFormRadio,
                                   &f.leewardOpenFormRadio};
    for (int i = 0; i < 3; ++i)
        b.add(LayoutKind::radio, shapes[i]->name, {10, 18 + 18 * i, 96, 17});
    b.add(LayoutKind::picture, f.buildingFormPicture.name, {112, 14, 270, 60}, LayoutAlign::centre);

    b.set_parent(f.windPanel.name);
    b.group(f.canopyShapeGroup.name, {4, 222, 388, 78});
    const RadioButton* canopies[] = {&f.gableCanopyRadio, &f.wingCanopyRadio};
    for (int i = 0; i < 2; ++i)
        b.add(LayoutKind::radio, canopies[i]->name, {10, 22 + 22 * i, 96, 17});
    b.add(LayoutKind::picture, f.canopyShapePicture.name, {112, 14, 270, 60}, LayoutAlign::centre);
}

void add_direct_load_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.directLoadPanel.name);
    b.title_band("荷重値直接設定");
    const std::pair<const char*, const SpinEdit*> loads[] = {
        {"風荷重/正[Ｗw+]", &f.directWindPositiveSpin},
        {"風荷重/負[Ｗw-]  －", &f.directWindNegativeSpin},
        {"積 雪 荷 重 [Ｗs]", &f.directSnowLoadSpin}};
    int top = 30;
    for (const auto& [label, spin] : loads) {
        b.text(label, {8, top, 128, 22});
        b.add(LayoutKind::spin, spin->name, {138, top, 86, 22}, LayoutAlign::right);
        b.text(" (N/㎡)", {226, top, 60, 22});
        top += 24;
    }
}

void add_snow_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.snowPanel.name);
    b.title_band("積雪荷重の設定");
    // The site's own point and its map, right of the title.
    b.text("緯度・経度", {120, 3, 62, 21});
    b.add(LayoutKind::edit, f.siteCoordinatesEdit.name, {184, 3, 160, 21});
    b.add(LayoutKind::button, f.seaMapButton.name, {348, 3, 42, 21});
    b.text("垂直積雪量", {8, 32, 96, 22});
    b.add(LayoutKind::spin, f.snowDepthSpin.name, {104, 32, 72, 22}, LayoutAlign::right);
    b.text("cm", {180, 32, 24, 22});
    b.text("[参考値", {236, 32, 50, 22});
    b.add(LayoutKind::display, f.tableSnowDepthLabel.name, {286, 32, 40, 22}, LayoutAlign::right);
    b.text("cm ]", {330, 32, 40, 22});

    b.text("積雪の単位量ρ", {8, 58, 96, 22});
    b.add(LayoutKind::spin, f.snowUnitWeightSpin.name, {104, 58, 56, 22}, LayoutAlign::right);
    b.text("N/㎝/㎡", {164, 58, 60, 22});

    b.group(f.snowMethodGroup.name, {4, 86, 388, 120});
    b.add(LayoutKind::radio, f.typedDepthRadio.name, {10, 22, 124, 18});
    b.add(LayoutKind::radio, f.formulaDepthRadio.name, {10, 46, 124, 18});

    b.text("標高", {150, 18, 40, 22});
    b.add(LayoutKind::spin, f.altitudeSpin.name, {192, 18, 66, 22}, LayoutAlign::right);
    b.text("m", {262, 18, 16, 22});
    b.text("[標高参考値", {150, 44, 80, 20});
    b.add(LayoutKind::display, f.tableAltitudeLabel.name, {230, 44, 40, 20}, LayoutAlign::right);
    b.text("]  m", {274, 44, 30, 20});
    b.text("海率", {150, 68, 40, 22});
    b.add(LayoutKind::spin, f.seaRatioSpin.name, {192, 68, 66, 22}, LayoutAlign::right);
    b.text("％", {262, 68, 16, 22});
    b.text("半径R", {284, 68, 36, 22});
    b.add(LayoutKind::display, f.seaRatioRadiusLabel.name, {318, 68, 22, 22}, LayoutAlign::right);
    b.text("km", {342, 68, 20, 22});
    // The reference under 海率, as the altitude's under 標高.
    b.add(LayoutKind::display, f.seaRatioReferenceLabel.name, {150, 94, 186, 20});
    b.add(LayoutKind::button, f.takeSeaRatioButton.name, {338, 93, 44, 22});

    // The formula's coefficients, under the method radios: the zone's, or typed.
    const std::pair<const char*, const Edit*> coefficients[] = {{"α", &f.snowCoefAlphaEdit},
                                                                {"β", &f.snowCoefBetaEdit},
                                                                {"γ", &f.snowCoefGammaEdit},
                                                                {"R", &f.snowCoefRadiusEdit}};
    for (int i = 0; i < 4; ++i) {
        const int left = 8 + (i % 2) * 70;
        const int top = 70 + (i / 2) * 24;
        b.text(coefficients[i].first, {left, top, 12, 22});
        b.add(LayoutKind::edit, coefficients[i].second->name, {left + 12, top, 54, 22},
              LayoutAlign::right);
    }
}

void add_other_load_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.otherLoadPanel.name);
    b.title_band("その他の荷重");
    b.text("仕上げ\nその他", {10, 28, 48, 36});
    b.add(LayoutKind::spin, f.otherDeadLoadSpin.name, {60, 35, 80, 22}, LayoutAlign::right);
    b.text("N/㎡", {144, 35, 36, 22});
    b.text("積載\n荷重", {206, 28, 34, 36});
    b.add(LayoutKind::spin, f.liveLoadSpin.name, {242, 35, 80, 22}, LayoutAlign::right);
    b.text("N/㎡", {326, 35, 36, 22});
}

// An edit of the span row centred under `centre_x` of the picture.
LayoutRect span_row_edit(int centre_x, int width) {
    return {kSpanPictureLeft + centre_x - width / 2, kSpanPictureTop + kSpanEditTop, width,
            kSpanEditHeight};
}

void add_span_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.spanPanel.name);
    b.add(LayoutKind::spanPictures, "spanPictures",
          {kSpanPictureLeft, kSpanPictureTop, kSpanPictureWidth, kSpanPictureHeight});

    b.text("スパン数", {12, 14, 60, 22});
    b.add(LayoutKind::spin, f.spanCountSpin.name, {74, 14, 48, 22}, LayoutAlign::centre);
    b.text("はね出し", {12, 48, 60, 22});
    b.add(LayoutKind::combo, f.cantileverBox.name, {74, 48, 60, 22});

    // Named, as they head the load row and the row of span edits.
    b.add(LayoutKind::text, "loadRowLabel", {146, 6, 80, 18}, LayoutAlign::right).text = "荷重ΣＷ";
    b.add(LayoutKind::text, "spanRowLabel",
          {146, kSpanPictureTop + kSpanEditTop, 80, kSpanEditHeight}, LayoutAlign::right)
        .text = "スパン[mm]";

    constexpr int kSpanEditWidth = 58;
    for (int span = 1; span <= 4; ++span)
        b.add(LayoutKind::edit, span_edit(f, span).name,
              span_row_edit(span_centre_x(span), kSpanEditWidth), LayoutAlign::centre);
    constexpr int kCantileverWidth = 46;
    b.add(LayoutKind::edit, f.cantileverLengthEdit.name,
          span_row_edit(left_cantilever_centre_x(), kCantileverWidth), LayoutAlign::centre);
    // Placed here for one span; it follows the last span (live_rect).
    b.add(LayoutKind::edit, f.rightCantileverLengthEdit.name,
          span_row_edit(right_cantilever_centre_x(1), kCantileverWidth), LayoutAlign::centre);
}

void add_command_panel(LayoutBuilder& b, const InputForm& f) {
    b.set_parent(f.commandPanel.name);
    LayoutItem& name = b.add(LayoutKind::display, f.programNameLabel.name, {14, 6, 220, 26});
    name.bold = true;
    name.fontPixels = 20;
    b.add(LayoutKind::display, f.versionLabel.name, {16, 32, 120, 18});
    b.add(LayoutKind::display, f.usageNoticeLink.name, {16, 56, 200, 20});

    const Button* commands[] = {&f.overviewButton, &f.settingsButton,  &f.loadButton,
                                &f.saveButton,     &f.calculateButton, &f.exitButton};
    int left = 246;
    for (const Button* command : commands) {
        const bool load = command == &f.loadButton;
        b.add(LayoutKind::button, command->name,
              {left, 20, load ? kCommandWidth - kRecentArrowWidth : kCommandWidth, 40});
        left += kCommandPitch;
    }
}

std::vector<LayoutItem> build_layout() {
    const InputForm f;
    std::vector<LayoutItem> items;
    LayoutBuilder b(items);
    add_panels(b, f);
    add_deck_panel(b, f);
    add_site_panel(b, f);
    add_wind_panel(b, f);
    add_direct_load_panel(b, f);
    add_snow_panel(b, f);
    add_other_load_panel(b, f);
    add_span_panel(b, f);
    add_command_panel(b, f);
    // The status bar lies over the foot of the form, whatever its height.
    b.set_parent({});
    b.add(LayoutKind::display, f.statusBar.name,
          {0, f.height - kStatusBarHeight, kMainWindowWidth, kStatusBarHeight});
    // The verdict while typing takes at most the right two thirds of the bar: the
    // hint before it always keeps a third.
    constexpr int kVerdictRoom = kMainWindowWidth * 2 / 3;
    b.set_parent(f.statusBar.name);
    b.add(LayoutKind::display, kLiveVerdictLabel,
          {kMainWindowWidth - kVerdictRoom, 0, kVerdictRoom, kStatusBarHeight}, LayoutAlign::right);
    return items;
}

} // namespace

const std::vector<LayoutItem>& main_window_layout() {
    static const std::vector<LayoutItem> kLayout = build_layout();
    return kLayout;
}

LayoutRect live_rect(const InputForm& form, const LayoutItem& item) {
    LayoutRect rect = item.rect;
    if (item.kind == LayoutKind::panel) {
        if (const Panel* panel = find_panel(form, item.name)) {
            rect.top = panel->top;
            rect.height = panel->height;
        }
    } else if (item.name == form.statusBar.name) {
        rect.top = form.height - rect.height;
    } else if (item.name == form.rightCantileverLengthEdit.name) {
        rect.left = span_row_edit(right_cantilever_centre_x(form.state.spanCount), rect.width).left;
    }
    return rect;
}

std::string picture_file(const InputForm& form, std::string_view picture_name) {
    if (picture_name == "roughnessPicture") return "Roughness.bmp";
    for (const Image* image :
         {&form.roofPicture, &form.buildingFormPicture, &form.canopyShapePicture})
        if (image->name == picture_name) return image->pictureFile;
    return {};
}

} // namespace korvex::form
