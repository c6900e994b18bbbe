#pragma once

// A project file from start-up to Calculate, or to the span table, without a
// window: what the command line and the browser edition do for `--json` and
// `--span-table`, so both give the same answer for the same file.

#include <filesystem>
#include <string>
#include <vector>

#include "form/session.h"
#include "run/span_table.h"

namespace korvex::form {

// Where the run stopped, if it did.
enum class RunStop {
    none,
    programData,  // the site tables are missing or broken
    badFile,      // unreadable, no project, or loading stopped
    invalidInput, // the design does not pass Calculate's checks
};

struct RunFailure {
    RunStop stop = RunStop::none;
    std::string message;
    std::string control; // the control Calculate focuses, for a refused design
};

struct ProjectSource {
    std::filesystem::path dataFolder;     // the shipped site tables
    std::filesystem::path userSiteFolder; // the user's own site files, or empty
    std::string version;                  // shown after "ver."
    std::filesystem::path project;
};

// Start-up and loading, as the window does them. The notices to show beside the
// results (a faulty user site file, a line the loading mended) go to `messages`.
RunFailure open_project(Session& session, const ProjectSource& source,
                        std::vector<std::string>& messages);

// Start-up, loading, then Calculate.
RunFailure open_and_calculate(Session& session, const ProjectSource& source,
                              std::vector<std::string>& messages);

// The JSON text `korvex --json` prints for the project: the results, or the
// failure with its control.
std::string project_json_text(Session& session, const ProjectSource& source);

struct SpanTableRun {
    RunFailure failure; // stop none: `table` holds the table
    run::SpanTable table;
};

// Start-up and loading, then the span table. The table chooses the deck types
// and spans itself; everything else must calculate as it is, or the run stops
// with Calculate's message and control.
SpanTableRun open_span_table(Session& session, const ProjectSource& source);

// The JSON text `korvex --span-table` prints for the project: the table, or the
// failure with its control.
std::string project_span_table_json_text(Session& session, const ProjectSource& source);

} // namespace korvex::form
