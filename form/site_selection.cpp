#include "form/site_selection.h"

namespace korvex::form {

std::optional<FormMessage> select_prefecture(InputForm& form, site::SiteTables& tables) {
    site::SiteValues& site = form.site;
    site.prefectureName = item_text(form.prefectureBox);
    site::fill_prefecture_areas(tables, site.prefectureName, site, form.areaBox.items);
    form.areaBox.itemIndex = form.areaBox.items.empty() ? -1 : 0;
    site.areaName = item_text(form.areaBox);
    form.baseWindSpeedLabel.caption = std::to_string(site.baseWindSpeed);
    if (auto error = site::load_snow_zone_table(tables, site.snowZone, site))
        return FormMessage{error->message, form.prefectureBox.name};
    show_site_values(form);
    form.typedDepthRadio.hint = prefecture_rule_hint(site);
    return std::nullopt;
}

void select_area(InputForm& form, const site::SiteTables& tables) {
    site::SiteValues& site = form.site;
    site.prefectureName = item_text(form.prefectureBox);
    site.areaName = item_text(form.areaBox);
    if (const site::AddressRow* row =
            site::find_area_row(tables, site.prefectureName, site.areaName))
        site::apply_address_row(*row, site);
    form.baseWindSpeedLabel.caption = std::to_string(site.baseWindSpeed);
    site::find_snow_zone(tables, site.snowZone, site);
    show_site_values(form);
    form.typedDepthRadio.hint = area_rule_hint(site);
}

} // namespace korvex::form
