#include "form/initialise.h"

#include "form/layout.h"
#include "form/site_selection.h"
#include "form/snow.h"

namespace korvex::form {

std::optional<site::SiteError> initialise_form(InputForm& form, site::SiteTables& tables,
                                               const std::filesystem::path& data_folder,
                                               const std::string& version) {
    form = InputForm{};
    form.ComboBox3.items.assign(site::kPrefectureNames.begin(), site::kPrefectureNames.end());
    form.ComboBox3.item_index = 0;

    site::SiteValues& site = form.site;
    if (auto error = site::load_address_table(data_folder, tables, site, form.ComboBox4.items))
        return error;
    form.ComboBox4.item_index = form.ComboBox4.items.empty() ? -1 : 0;
    form.state.buildingForm = 0;
    form.state.canopyShape = 0;
    if (auto error = site::load_snow_zone_table(tables, site.snowZone, site)) return error;
    site.prefectureName = item_text(form.ComboBox3);
    site.areaName = item_text(form.ComboBox4);

    form.StaticText2.caption = "ver." + version;
    form.StatusBar1.caption = startup_status_text(version);
    focus(form, form.ComboBox1.name);

    // The first area is shown like any chosen one; the rule hint keeps its
    // design text until the user chooses.
    form.Label39.caption = std::to_string(site.baseWindSpeed);
    show_site_values(form);

    form.CSpinEdit4.enabled = false;
    form.CSpinEdit5.enabled = false;
    form.GroupBox5.visible = true;
    form.GroupBox4.visible = false;
    apply_layout(form, 0);
    apply_snow_method(form, kDirectDepth);
    form.CheckBox1.enabled = false;
    return std::nullopt;
}

} // namespace korvex::form
