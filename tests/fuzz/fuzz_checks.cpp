#include "tests/fuzz/fuzz_checks.h"

#include <unistd.h>

namespace korvex::fuzz {

ScratchFolder::ScratchFolder(const std::string& name)
    : path_(std::filesystem::temp_directory_path() /
            ("korvex_fuzz_" + name + "_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

const StartedSession& started_session() {
    static const StartedSession kStarted = [] {
        StartedSession started;
        if (const auto error = form::start_session(started.session, KORVEX_DATA_DIR, "fuzz"))
            started.startError = error->message;
        return started;
    }();
    return kStarted;
}

Faults check_target(std::string_view target, std::string_view bytes) {
    if (target == "project_file") return check_project_file(bytes);
    if (target == "site_tables") return check_site_tables(bytes);
    if (target == "rtf") return check_rtf(bytes);
    if (target == "number_text") return check_number_text(bytes);
    if (target == "form_edits") return check_form_edits(bytes);
    if (target == "coordinates") return check_coordinates(bytes);
    if (target == "coastline") return check_coastline(bytes);
    return {"no fuzz target \"" + std::string(target) + "\""};
}

} // namespace korvex::fuzz
