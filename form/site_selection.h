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
// area list, selects the first area and reads the snow-zone file again. Both
// selections end with the area's office point and the sea ratio's reference. A broken
// snow-zone file stops the selection with a message naming the file and line.
std::optional<FormMessage> select_prefecture(InputForm& form, site::SiteTables& tables);

// The change behaviour of areaBox (its item index is already set).
void select_area(InputForm& form, const site::SiteTables& tables);

// A match of the area search chosen: its prefecture is selected, then its area,
// each with its own behaviour, as if the user had picked both from the lists.
// An area no longer in the list (the tables changed) leaves the prefecture's
// first area selected.
std::optional<FormMessage> choose_area(InputForm& form, site::SiteTables& tables,
                                       std::size_t prefecture_index, const std::string& area_name);

// The display step both selections end with (and start-up uses): V0 is shown by
// the callers; this shows altitude, table snow depth and R and sets the snow
// depth by the method. The coefficient fields are filled from the area's snow
// zone, or emptied where it has none.
void show_site_values(InputForm& form);

std::string prefecture_rule_hint(const site::SiteValues& site);
std::string area_rule_hint(const site::SiteValues& site);

} // namespace korvex::form
