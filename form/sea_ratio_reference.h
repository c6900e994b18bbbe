#pragma once

// The sea ratio's reference beside 海率: measured at the site's point (the
// coordinates entered in the snow panel, else the area's office) within the
// circle of the R field's radius whenever R is known, shown as
// "[海率参考値 NN ％（役所）]" or "（建設地）" with its source in the hint, and
// put into 海率 only when the user takes it.

#include <optional>
#include <string>

#include "form/input_form.h"
#include "form/site_data.h"
#include "report/sea_map.h"
#include "site/site_tables.h"

namespace korvex::form {

// The point the reference is measured at: the one entered, else the area's
// office; none when neither is known.
std::optional<site::SitePoint> site_point(const site::SiteValues& site);

// The R field's radius when it is a whole number of km above 0.
std::optional<int> reference_radius(const InputForm& form);

// The end of every site selection: the area's office from the office table,
// and the reference measured again.
void show_site_point(InputForm& form, const site::SiteTables& tables);

// Measures the reference again and shows it. A reference that changes (point,
// radius or figure) no longer counts as the sea ratio's source.
void refresh_sea_ratio_reference(InputForm& form, const site::SiteTables& tables);

// The change of siteCoordinatesEdit: the text is kept as typed; a text that
// reads is the site's point, an empty one gives the office back.
void enter_site_coordinates(InputForm& form, const site::SiteTables& tables,
                            const std::string& text);

// The message for an entered text that does not read, with siteCoordinatesEdit
// to focus: when the focus leaves the field, and at Calculate.
std::optional<FormMessage> check_site_coordinates(const InputForm& form);

// takeSeaRatioButton: the reference into seaRatioSpin (its change behaviour
// runs), which then counts as taken from it. Nothing without a reference or
// while 海率 is not in use.
void take_sea_ratio_reference(InputForm& form);

// Whether the take button may be pressed: a reference, and 海率 in use.
void enable_take_button(InputForm& form);

// The map of the reference: its point, R and share; none without a reference.
std::optional<report::SeaMapFigure> sea_map_figure(const site::SiteValues& site);

// Whether a row of the site data list has a map to show: an office point and
// an R (the 地図 button's state in both editions).
bool has_office_sea_map(const SiteDataRow& row);

// The map of a row of the site data list: its office within the zone's R. None
// when the row has no office point or R, or the map data does not reach it.
std::optional<report::SeaMapFigure> office_sea_map_figure(const site::SiteTables& tables,
                                                          const SiteDataRow& row);

} // namespace korvex::form
