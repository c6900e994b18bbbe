#pragma once

// The program without windows: `korvex --json FILE.kvxw` loads a project as
// "データ読込" does, presses Calculate and prints the results as JSON.

#include <filesystem>
#include <string>

namespace korvex::app {

enum ExitCode : int {
    kExitOk = 0,
    kExitProgramData = 1, // the data folder is missing or broken
    kExitBadFile = 2,     // unreadable, no project, or loading stopped
    kExitInvalidInput = 3 // the design does not pass the Calculate command's checks
};

struct HeadlessRequest {
    std::filesystem::path project;
    std::filesystem::path programFolder;
    std::string version;
};

// Prints the JSON document on stdout and returns the exit code.
int print_results_json(const HeadlessRequest& request);

} // namespace korvex::app
