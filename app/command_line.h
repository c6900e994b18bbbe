#pragma once

// The program without windows: load a project as "データ読込" does, press
// Calculate, and write the results as JSON on stdout (`--json`), the printed
// report as a PDF file (`--pdf OUT.pdf`) or the screen report as a PNG image
// (`--png OUT.png`); or work out the design's span table and write it as JSON
// on stdout (`--span-table`) or as the window's CSV file (`--span-table-csv OUT.csv`); or
// measure one sea ratio (`--sea-ratio LAT,LON RADIUS_KM`).

#include <filesystem>
#include <string>

namespace korvex::app {

enum ExitCode : int {
    kExitOk = 0,
    kExitProgramData = 1,  // the data folder is missing or broken, or the output failed
    kExitBadFile = 2,      // unreadable, no project, or loading stopped
    kExitInvalidInput = 3, // the design does not pass the Calculate command's checks
};

enum class HeadlessOutput { json, pdf, png, spanTable, spanTableCsv };

struct HeadlessRequest {
    HeadlessOutput output = HeadlessOutput::json;
    std::filesystem::path outputFile; // PDF, PNG or CSV
    std::filesystem::path project;
    std::filesystem::path programFolder;
    std::string version;
};

// Returns the exit code. With JSON (results or span table) every failure is a
// JSON document on stdout; otherwise failures are reported on stderr.
int run_headless(const HeadlessRequest& request);

// `--sea-ratio`: {"lat", "lon", "radiusKm", "seaRatio", "percent"} on stdout; a
// point or radius that does not read, or a circle beyond the map data, gives
// {"error": ...} and kExitBadFile (2), a missing map data file kExitProgramData.
int run_sea_ratio(const std::filesystem::path& program_folder, const std::string& point,
                  const std::string& radius_km);

} // namespace korvex::app
