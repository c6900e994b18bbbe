#include <filesystem>
#include <fstream>

#include "common/text_encoding.h"
#include "form/initialise.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "site/comma_text.h"
#include "site/site_tables.h"
#include "tests/fuzz/fuzz_checks.h"

namespace korvex::fuzz {

namespace {

namespace fs = std::filesystem;

// One data folder per process, rewritten for every input.
const fs::path& scratch_folder() {
    static const ScratchFolder kFolder("site");
    return kFolder.path();
}

void write_file(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void check_split(std::string_view line, Faults& faults) {
    const auto fields = site::split_comma_text(line);
    std::size_t bytes = 0;
    for (const auto& field : fields) bytes += field.size();
    if (bytes > line.size() || fields.size() > line.size() + 1)
        faults.push_back("split of a line of " + std::to_string(line.size()) + " bytes gave " +
                         std::to_string(fields.size()) + " fields of " + std::to_string(bytes) +
                         " bytes");
}

void check_snow_spins(const form::InputForm& f, const std::string& where, Faults& faults) {
    for (const form::SpinEdit* spin : {&f.snowDepthSpin, &f.altitudeSpin, &f.seaRatioSpin})
        if (spin->value < spin->minValue || spin->value > spin->maxValue)
            faults.push_back(where + ": " + spin->name + " = " + std::to_string(spin->value));
}

} // namespace

Faults check_site_tables(std::string_view bytes) {
    Faults faults;
    const auto split_at = bytes.find('\f');
    const std::string_view address = bytes.substr(0, split_at);
    const std::string_view zones =
        split_at == std::string_view::npos ? std::string_view{} : bytes.substr(split_at + 1);
    for (std::string_view file : {address, zones})
        if (const auto text = common::decode_file_text(file))
            for (const auto& line : common::split_lines(*text)) check_split(line, faults);

    const fs::path& folder = scratch_folder();
    write_file(folder / site::kAddressFileName, address);
    write_file(folder / site::kSnowZoneFileName, zones);
    form::InputForm f;
    site::SiteTables tables;
    if (const auto error = form::initialise_form(f, tables, folder, "fuzz")) {
        if (error->message.empty()) faults.push_back("start-up failed without a message");
        return faults;
    }
    check_snow_spins(f, "start-up", faults);
    for (int p = 0; p < static_cast<int>(site::kPrefectureNames.size()); ++p) {
        f.prefectureBox.itemIndex = p;
        if (const auto message = form::select_prefecture(f, tables)) {
            if (message->text.empty()) faults.push_back("a selection failed without a message");
            continue;
        }
        const int areas = static_cast<int>(f.areaBox.items.size());
        for (int a = 0; a < areas; ++a) {
            f.areaBox.itemIndex = a;
            form::select_area(f, tables);
            for (calc::SnowMethod method :
                 {calc::SnowMethod::formula, calc::SnowMethod::typedDepth}) {
                form::select_snow_method(f, method);
                check_snow_spins(f, f.site.prefectureName + " " + f.site.areaName, faults);
            }
        }
    }
    return faults;
}

} // namespace korvex::fuzz
