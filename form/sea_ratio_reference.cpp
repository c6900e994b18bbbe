#include "form/sea_ratio_reference.h"

#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/spin_edits.h"
#include "sea/coordinate_text.h"
#include "sea/sea_ratio.h"
#include "sea/source_line.h"

namespace korvex::form {

namespace {

constexpr const char* kNoFigure = "[海率参考値 --- ]";

std::string office_note(const site::SitePoint& at) {
    if (at.source == site::PointSource::entered) return "建設地の位置で測りました。";
    const std::string office = at.officeName.empty() ? "役所" : at.officeName + "役所";
    if (at.currentMunicipality)
        return office + "の位置で測りました（合併前の旧市町村の役場の位置ではありません）。";
    return office + "の位置で測りました。";
}

struct Measured {
    std::optional<site::SeaRatioReference> reference;
    std::string why; // when there is none
};

Measured measure(const InputForm& form, const site::SiteTables& tables, int radius) {
    const site::SiteValues& site = form.site;
    if (!common::trim(form.siteCoordinatesEdit.text).empty() && !site.enteredPoint) {
        const auto read = sea::parse_coordinates(form.siteCoordinatesEdit.text);
        return {std::nullopt, std::get<std::string>(read)};
    }
    const auto at = site_point(site);
    if (!at)
        return {std::nullopt, "この地域の役所の位置が地域データにありません。建設地の緯度・経度を"
                              "入力すると、そこで測ります。"};
    const sea::Coastline* coastline = tables.coastline ? tables.coastline->coastline() : nullptr;
    if (!coastline)
        return {std::nullopt, tables.coastline ? tables.coastline->error()
                                               : std::string("地図データが読み込まれていません。")};
    const auto fraction = sea::sea_fraction(*coastline, at->point, radius * 1000.0);
    if (!fraction) return {std::nullopt, sea::outside_data_message(*coastline)};
    return {site::SeaRatioReference{*at, radius, *fraction, sea::sea_ratio_percent(*fraction)}, {}};
}

bool same_reference(const std::optional<site::SeaRatioReference>& a,
                    const std::optional<site::SeaRatioReference>& b) {
    if (!a || !b) return !a && !b;
    return a->at.point == b->at.point && a->radiusKm == b->radiusKm && a->percent == b->percent;
}

} // namespace

std::optional<site::SitePoint> site_point(const site::SiteValues& site) {
    if (site.enteredPoint)
        return site::SitePoint{
            *site.enteredPoint, site::PointSource::entered, calc::ValueSource::entered, false, {}};
    return site.officePoint;
}

std::optional<int> reference_radius(const InputForm& form) {
    const auto radius = common::parse_int(form.snowCoefRadiusEdit.text);
    if (!radius || *radius <= 0) return std::nullopt;
    return radius;
}

void show_site_point(InputForm& form, const site::SiteTables& tables) {
    site::SiteValues& site = form.site;
    site.officePoint.reset();
    if (const site::OfficeRow* row =
            site::find_office_row(tables, site.prefectureName, site.areaName))
        site.officePoint = site::SitePoint{row->point, site::PointSource::office, row->origin,
                                           row->currentMunicipality, row->officeName};
    refresh_sea_ratio_reference(form, tables);
}

void refresh_sea_ratio_reference(InputForm& form, const site::SiteTables& tables) {
    site::SiteValues& site = form.site;
    const auto radius = reference_radius(form);
    Measured measured;
    if (radius) measured = measure(form, tables, *radius);
    if (!same_reference(site.seaRatioReference, measured.reference))
        site.seaRatioFromReference = false;
    site.seaRatioReference = measured.reference;

    Label& label = form.seaRatioReferenceLabel;
    if (const auto& reference = site.seaRatioReference) {
        const bool entered = reference->at.source == site::PointSource::entered;
        label.caption = "[海率参考値 " + std::to_string(reference->percent) + " ％（" +
                        (entered ? "建設地" : "役所") + "）]";
        label.hint = "海率参考値（" + std::string(sea::kMapAttribution) + "、" + sea::kNoLakes +
                     "）|" + sea::sea_ratio_source_line(reference->at.point, reference->radiusKm) +
                     " " + office_note(reference->at);
    } else if (radius) {
        label.caption = kNoFigure;
        label.hint = "海率参考値は測れません|" + measured.why;
    } else {
        label.caption.clear();
        label.hint = "海率参考値|海率計算用半径Rが決まると、役所または建設地の位置で海率を測って"
                     "示します。";
    }
    form.seaMapButton.enabled = site.seaRatioReference.has_value();
    enable_take_button(form);
}

void enter_site_coordinates(InputForm& form, const site::SiteTables& tables,
                            const std::string& text) {
    form.siteCoordinatesEdit.text = text;
    form.site.enteredPoint.reset();
    if (!common::trim(text).empty()) {
        const auto read = sea::parse_coordinates(text);
        if (const auto* point = std::get_if<sea::GeoPoint>(&read)) form.site.enteredPoint = *point;
    }
    refresh_sea_ratio_reference(form, tables);
}

std::optional<FormMessage> check_site_coordinates(const InputForm& form) {
    const std::string& text = form.siteCoordinatesEdit.text;
    if (common::trim(text).empty()) return std::nullopt;
    const auto read = sea::parse_coordinates(text);
    if (const auto* message = std::get_if<std::string>(&read))
        return FormMessage{*message, form.siteCoordinatesEdit.name};
    return std::nullopt;
}

void take_sea_ratio_reference(InputForm& form) {
    if (!form.takeSeaRatioButton.enabled || !form.site.seaRatioReference) return;
    set_spin_value(form, form.seaRatioSpin, form.site.seaRatioReference->percent);
    form.site.seaRatioFromReference = true;
}

void enable_take_button(InputForm& form) {
    form.takeSeaRatioButton.enabled =
        form.site.seaRatioReference.has_value() && form.seaRatioSpin.enabled;
}

std::optional<report::SeaMapFigure> sea_map_figure(const site::SiteValues& site) {
    const auto& reference = site.seaRatioReference;
    if (!reference) return std::nullopt;
    return report::SeaMapFigure{reference->at.point, static_cast<double>(reference->radiusKm),
                                reference->fraction,
                                reference->at.source == site::PointSource::entered};
}

bool has_office_sea_map(const SiteDataRow& row) {
    return row.officePoint && row.radiusKm > 0;
}

std::optional<report::SeaMapFigure> office_sea_map_figure(const site::SiteTables& tables,
                                                          const SiteDataRow& row) {
    if (!has_office_sea_map(row) || !tables.coastline) return std::nullopt;
    const sea::Coastline* coastline = tables.coastline->coastline();
    if (!coastline) return std::nullopt;
    const auto fraction = sea::sea_fraction(*coastline, *row.officePoint, row.radiusKm * 1000.0);
    if (!fraction) return std::nullopt;
    return report::SeaMapFigure{*row.officePoint, static_cast<double>(row.radiusKm), *fraction,
                                false};
}

} // namespace korvex::form
