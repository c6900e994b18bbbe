#include "form/initialise.h"

#include "form/layout.h"
#include "form/sea_ratio_reference.h"
#include "form/site_selection.h"
#include "form/snow.h"

namespace korvex::form {

std::optional<site::SiteError> initialise_form(InputForm& form, site::SiteTables& tables,
                                               const std::filesystem::path& data_folder,
                                               const std::string& version) {
    form = InputForm{};
    form.prefectureBox.items.assign(site::kPrefectureNames.begin(), site::kPrefectureNames.end());
    form.prefectureBox.itemIndex = 0;

    site::SiteValues& site = form.site;
    if (auto error = site::load_address_table(data_folder, tables, site, form.areaBox.items))
        return error;
    form.areaBox.itemIndex = form.areaBox.items.empty() ? -1 : 0;
    form.state.buildingForm = calc::BuildingForm::closed;
    form.state.canopyShape = calc::CanopyShape::gable;
    if (auto error = site::load_snow_zone_table(tables, site.snowZone, site)) return error;
    site.prefectureName = item_text(form.prefectureBox);
    site.areaName = item_text(form.areaBox);

    form.versionLabel.caption = "ver." + version;
    form.statusBar.caption = startup_status_text(version);
    focus(form, form.deckTypeBox.name);

    // The first area is shown like any chosen one; the rule hint keeps its
    // design text until the user chooses.
    form.baseWindSpeedLabel.caption = std::to_string(site.baseWindSpeed);
    show_site_values(form);
    show_site_point(form, tables);

    form.altitudeSpin.enabled = false;
    form.seaRatioSpin.enabled = false;
    form.buildingFormGroup.visible = true;
    form.canopyShapeGroup.visible = false;
    apply_layout(form, calc::LayoutMode::derivedLoads);
    apply_snow_method(form, calc::SnowMethod::typedDepth);
    form.heavySnowCheck.enabled = false;
    return std::nullopt;
}

} // namespace korvex::form
