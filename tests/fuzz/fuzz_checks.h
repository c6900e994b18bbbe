#pragma once

// The plain functions behind the fuzz targets. Each takes any bytes, runs them
// through the program's readers the way a user's file would go, and returns the
// broken promises it saw (empty when all is well). libFuzzer calls them from
// thin entry points; the test suite feeds them every kept finding, so a fixed
// fault stays fixed without clang.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "form/session.h"

namespace korvex::fuzz {

using Faults = std::vector<std::string>;

// A project file opened into a freshly started session on the shipped data
// folder, saved and opened again, then calculated and drawn in both modes.
Faults check_project_file(std::string_view bytes);

// The bytes up to the first form feed are "Data_Address.csv", the rest
// "Data_SnowfallV.csv"; every line goes through the comma-text splitter, then
// start-up reads the folder and every prefecture and area is selected.
Faults check_site_tables(std::string_view bytes);

// Lines "NAME=VALUE", each a change of the named control as the window makes
// it (any text, half-typed numbers included), to the form of a freshly started
// session; after every change the live verdict must agree with Calculate.
Faults check_form_edits(std::string_view bytes);

// The live verdict of the session against the window's Calculate pressed on a
// copy: the same message, or the same verdict with the largest ratio of the run.
Faults live_verdict_faults(const form::Session& session);

// The overview document's rich-text reader.
Faults check_rtf(std::string_view bytes);

// format_fixed, format_count, format_grouped and shortest_decimal over a double,
// a width, a number of decimals and an integer taken from the bytes.
Faults check_number_text(std::string_view bytes);

// A site's latitude and longitude as the snow panel and `--sea-ratio` read them:
// a point lies on the earth, and the texts the program writes for it read back.
Faults check_coordinates(std::string_view bytes);

// A coastline file: refused with a message naming it, or measured and mapped
// about the middle of its box with shares from 0 to 1.
Faults check_coastline(std::string_view bytes);

// A folder of its own for the files one process writes, removed at its end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A session as start-up leaves it on the shipped data folder. Starting reads the
// whole shipped address table: it is done once per process, and every input
// starts from a copy.
struct StartedSession {
    form::Session session;
    std::string startError;
};
const StartedSession& started_session();

// Target names as the folders of seeds and regressions spell them.
inline constexpr const char* kTargets[] = {"project_file", "site_tables", "rtf",        "number_text",
                                           "form_edits",   "coordinates", "coastline"};

Faults check_target(std::string_view target, std::string_view bytes);

} // namespace korvex::fuzz
