#include <filesystem>
#include <fstream>
#include <memory>

#include "form/calculate.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/session.h"
#include "tests/fuzz/fuzz_checks.h"
#include "tests/limits/report_checks.h"

namespace korvex::fuzz {

namespace {

namespace fs = std::filesystem;

const ScratchFolder& project_folder() {
    static const ScratchFolder kFolder{"project"};
    return kFolder;
}

void write_file(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void add_all(Faults& faults, const std::string& prefix, const limits::Faults& more) {
    for (const auto& fault : more) faults.push_back(prefix + fault);
}

} // namespace

Faults check_project_file(std::string_view bytes) {
    Faults faults;
    const StartedSession& base = started_session();
    if (!base.startError.empty()) return {"the shipped data folder: " + base.startError};
    const fs::path file = project_folder().path() / "input.kvxw";
    write_file(file, bytes);

    auto session = std::make_unique<form::Session>(base.session);
    const form::LoadOutcome outcome = form::load_project(*session, file);
    const auto before = form::collect_project_lines(base.session);
    const auto after = form::collect_project_lines(*session);
    if (!outcome.applied) {
        if (outcome.messages.empty()) faults.push_back("a refused file gave no message");
        if (after != before) faults.push_back("a refused file changed the form");
        return faults;
    }
    if (outcome.failed && outcome.messages.empty())
        faults.push_back("loading stopped without a message");
    // Every project has its 65 lines; one with typed snow coefficients lines
    // 65-69 too, one with the site's own point or a sea ratio taken from its
    // reference every line of the table.
    const site::SiteValues& site = session->form.site;
    const std::size_t lines =
        site.enteredPoint || site.seaRatioFromReference ? form::project_line_table().size()
        : site.coefficientsEntered ? static_cast<std::size_t>(persist::kProjectLineCount) + 5
                                   : static_cast<std::size_t>(persist::kProjectLineCount);
    if (after.size() != lines)
        faults.push_back("collected " + std::to_string(after.size()) + " lines");

    if (!outcome.failed) {
        // What was loaded is saved and opened again unchanged, so a file passed
        // between colleagues does not drift.
        const fs::path saved = project_folder().path() / "saved.kvxw";
        const std::string error = form::save_project(*session, saved);
        if (error.empty()) {
            auto again = std::make_unique<form::Session>(base.session);
            const form::LoadOutcome reloaded = form::load_project(*again, saved);
            if (!reloaded.applied || reloaded.failed)
                faults.push_back("a saved project does not load again");
            else if (form::collect_project_lines(*again) != after)
                faults.push_back("a saved project loads into another state");
        }
    }

    add_all(faults, "live verdict: ", live_verdict_faults(*session));
    if (form::calculate(*session)) return faults;
    add_all(faults, "result: ", limits::result_faults(*session));
    add_all(faults, "report: ", limits::drawn_report_faults(*session));
    return faults;
}

} // namespace korvex::fuzz
