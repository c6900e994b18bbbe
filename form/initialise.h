#pragma once

// Start-up of the main window's state: design defaults, the site tables, the
// first prefecture and its first area, the site displays, the typed-in snow
// method and the layout with derived loads; the focus on deckTypeBox.

#include <filesystem>
#include <optional>
#include <string>

#include "form/input_form.h"
#include "site/site_tables.h"

namespace korvex::form {

// A missing or broken site data file ends the start-up with its message; the
// caller shows it and closes in order.
std::optional<site::SiteError> initialise_form(InputForm& form, site::SiteTables& tables,
                                               const std::filesystem::path& data_folder,
                                               const std::string& version);

} // namespace korvex::form
