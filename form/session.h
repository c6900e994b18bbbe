#pragma once

// The one owner of every record that lives as long as the program: the input
// form with its window state and site values, the site tables, the settings and
// dialogs, the project paths, and the records of the last calculation. The
// window, the command line and the tests each create one and pass it down.

#include <filesystem>
#include <optional>
#include <string>

#include "calc/coefficient_settings.h"
#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "calc/snow.h"
#include "calc/wind.h"
#include "form/input_form.h"
#include "persist/coefficient_dialog.h"
#include "persist/print_settings_dialog.h"
#include "persist/project_file.h"
#include "report/print_settings.h"
#include "report/report_canvas.h"
#include "report/report_data.h"
#include "run/run_records.h"
#include "site/site_tables.h"

namespace korvex::form {

struct Session {
    InputForm form;
    site::SiteTables siteTables;

    calc::CoefficientSettings coefficients;
    persist::CoefficientDialog coefficientDialog;
    report::PrintSettings printSettings;
    persist::PrintSettingsDialog printDialog;
    persist::ProjectPaths paths;
    // The project lines of the design last started with, loaded or saved; the
    // form has unsaved edits while its own lines differ (form/change_tracking.h).
    persist::ProjectLines unchangedLines;

    // The last calculation; printing draws from these without gathering again.
    calc::DesignInputs inputs;
    calc::CalculationData data;
    calc::WindResult wind;
    calc::SnowIncrease increase;
    calc::LoadSet loads;
    run::CalculationRun run;
    report::WindowSnapshot snapshot;

    report::ReportData report_data() const {
        return {inputs, data, wind, increase, loads, run, snapshot};
    }
};

// Start-up of the session: standard coefficients and print settings, no project
// file, and the input form on the site tables of `dataFolder`, with the user's
// own site files of `userSiteFolder` over them (none when it is empty); the form
// as it starts has no unsaved edits. A missing or broken shipped site file ends
// start-up with its message; what is wrong with a user file waits in
// siteTables.userNotices.
std::optional<site::SiteError> start_session(Session& session,
                                             const std::filesystem::path& data_folder,
                                             const std::string& version,
                                             const std::filesystem::path& user_site_folder = {});

// What every printed sheet carries besides its drawing: the print settings, the
// project file for the footer and the date it is printed on (yyyy/MM/dd).
report::ReportDocument report_document(const Session& session, std::string date);

} // namespace korvex::form
