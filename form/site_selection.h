#pragma once

// Choosing the prefecture and the area: the site values of the area, the
// displays of the snow panel, the snow depth by the chosen method, and the hint
// that tells whether the prefecture has its own snow rules.

#include <optional>
#include <string>

#include "form/input_form.h"
#include "site/site_tables.h"

namespace korvex::form {

// The change behaviour of prefectureBox (its item index is already set): refills the
// area list, selects the first area and reads the snow-zone file again. A broken
// snow-zone file stops the selection with a message naming the file and line.
std::optional<FormMessage> select_prefecture(InputForm& form, site::SiteTables& tables);

// The change behaviour of areaBox (its item index is already set).
void select_area(InputForm& form, const site::SiteTables& tables);

// The display step both selections end with (and start-up uses): V0 is shown by
// the callers; this shows altitude, table snow depth and R and sets the snow
// depth by the method. Where the area's snow zone has no coefficients the
// formula method is disabled and the typed-in method takes its place.
void show_site_values(InputForm& form);

std::string prefecture_rule_hint(const site::SiteValues& site);
std::string area_rule_hint(const site::SiteValues& site);

} // namespace korvex::form
