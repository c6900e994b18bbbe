#include "form/session.h"

#include "form/change_tracking.h"
#include "form/initialise.h"

namespace korvex::form {

std::optional<site::SiteError> start_session(Session& session,
                                             const std::filesystem::path& data_folder,
                                             const std::string& version,
                                             const std::filesystem::path& user_site_folder) {
    session.coefficients = calc::CoefficientSettings{};
    persist::show_settings(session.coefficientDialog, session.coefficients);
    persist::select_method(session.coefficientDialog, calc::LayoutMode::derivedLoads);
    session.printSettings = report::PrintSettings{};
    session.printDialog = persist::PrintSettingsDialog{};
    session.paths = persist::ProjectPaths{};
    session.siteTables = site::SiteTables{};
    session.siteTables.userFolder = user_site_folder;
    auto error = initialise_form(session.form, session.siteTables, data_folder, version);
    mark_unchanged(session);
    return error;
}

report::ReportDocument report_document(const Session& session, std::string date) {
    return {persist::settings_for_printing(session.printDialog, session.printSettings),
            session.paths.currentFilePath.string(), std::move(date)};
}

} // namespace korvex::form
