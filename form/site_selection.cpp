#include "form/site_selection.h"

#include <algorithm>

#include "form/sea_ratio_reference.h"

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
    show_site_point(form, tables);
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
    show_site_point(form, tables);
    form.typedDepthRadio.hint = area_rule_hint(site);
}

std::optional<FormMessage> choose_area(InputForm& form, site::SiteTables& tables,
                                       std::size_t prefecture_index, const std::string& area_name) {
    if (prefecture_index >= form.prefectureBox.items.size()) return std::nullopt;
    form.prefectureBox.itemIndex = static_cast<int>(prefecture_index);
    if (auto message = select_prefecture(form, tables)) return message;
    const auto& areas = form.areaBox.items;
    const auto found = std::find(areas.begin(), areas.end(), area_name);
    if (found == areas.end()) return std::nullopt;
    form.areaBox.itemIndex = static_cast<int>(found - areas.begin());
    select_area(form, tables);
    return std::nullopt;
}

} // namespace korvex::form
