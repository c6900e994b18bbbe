#include "common/number_parse.h"
#include "site/comma_text.h"
#include "site/data_file.h"
#include "site/site_tables.h"
#include "site/user_site_table.h"

namespace korvex::site {

namespace {

std::optional<SiteError> not_a_number(const std::string& file, int line, const char* field,
                                      const std::string& text, const char* kind) {
    return line_error(file, line,
                      std::string("「") + field + "」の値「" + text + "」が" + kind +
                          "ではありません。");
}

} // namespace

std::optional<SiteError> read_zone_fields(const std::string& file, int line,
                                          const std::vector<std::string>& fields,
                                          SnowZoneRow& row) {
    row.line = line;
    const auto zone = common::parse_int(fields[0]);
    if (!zone) return not_a_number(file, line, "積雪区域", fields[0], "整数");
    row.snowZone = *zone;
    static constexpr const char* kCoefNames[3] = {"α", "β", "γ"};
    double* const coefs[3] = {&row.snowCoefA, &row.snowCoefB, &row.snowCoefC};
    for (int i = 0; i < 3; ++i) {
        const auto value = common::parse_decimal(fields[1 + i]);
        if (!value) return not_a_number(file, line, kCoefNames[i], fields[1 + i], "数値");
        *coefs[i] = *value;
    }
    const auto radius = common::parse_int(fields[4]);
    if (!radius) return not_a_number(file, line, "R", fields[4], "整数");
    row.seaRatioRadius = *radius;
    return std::nullopt;
}

// Every line after the header is a zone; a fault anywhere would surface at the
// next lookup anyway, since the lookup reads through to the last line.
std::optional<SiteError> read_shipped_zone_rows(const std::filesystem::path& data_folder,
                                                std::vector<SnowZoneRow>& rows) {
    DataFileLines file = read_data_file(data_folder, kSnowZoneFileName);
    if (file.error) return file.error;
    rows.clear();
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const auto fields = split_comma_text(file.lines[i]);
        if (auto error =
                check_field_count(kSnowZoneFileName, line, fields.size(), kSnowZoneFieldCount))
            return error;
        if (i == 0) continue; // the header
        SnowZoneRow row;
        if (auto error = read_zone_fields(kSnowZoneFileName, line, fields, row)) return error;
        rows.push_back(row);
    }
    return std::nullopt;
}

const SnowZoneRow* find_zone_row(const SiteTables& tables, int zone) {
    const SnowZoneRow* found = nullptr;
    for (const SnowZoneRow& row : tables.snowZoneRows)
        if (row.snowZone == zone) found = &row;
    return found;
}

void find_snow_zone(const SiteTables& tables, int zone, SiteValues& values) {
    const SnowZoneRow* found = find_zone_row(tables, zone);
    values.zoneRegistered = found != nullptr;
    values.sources.snowCoefficients = found ? found->origin : calc::ValueSource::none;
    values.snowCoefA = found ? found->snowCoefA : 0.0;
    values.snowCoefB = found ? found->snowCoefB : 0.0;
    values.snowCoefC = found ? found->snowCoefC : 0.0;
    values.seaRatioRadius = found ? found->seaRatioRadius : 0;
}

std::optional<SiteError> load_snow_zone_table(SiteTables& tables, int zone, SiteValues& values) {
    std::vector<SnowZoneRow> rows;
    if (auto error = read_shipped_zone_rows(tables.dataFolder, rows)) return error;
    tables.snowZoneRows = std::move(rows);
    add_user_zone_rows(tables);
    find_snow_zone(tables, zone, values);
    return std::nullopt;
}

} // namespace korvex::site
