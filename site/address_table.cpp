#include <algorithm>

#include "common/number_parse.h"
#include "site/comma_text.h"
#include "site/data_file.h"
#include "site/site_tables.h"
#include "site/user_site_table.h"

namespace korvex::site {

namespace {

bool names_any_prefecture(const AddressRow& row) {
    return std::any_of(kPrefectureNames.begin(), kPrefectureNames.end(),
                       [&](const char* name) { return row_belongs_to(row, name); });
}

std::optional<SiteError> read_shipped_rows(const std::filesystem::path& data_folder,
                                           std::vector<AddressRow>& rows) {
    DataFileLines file = read_data_file(data_folder, kAddressFileName);
    if (file.error) return file.error;
    rows.clear();
    rows.reserve(file.lines.size());
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        AddressRow row;
        row.line = static_cast<int>(i) + 1;
        row.fields = split_comma_text(file.lines[i]);
        if (auto error = check_field_count(kAddressFileName, row.line, row.fields.size(),
                                           kAddressFieldCount))
            return error;
        // Fields 4-8 of a row that names a prefecture must be integers: any
        // selection may use the row, so a fault is reported at start-up.
        if (names_any_prefecture(row))
            if (auto error = read_address_numbers(kAddressFileName, row)) return error;
        rows.push_back(std::move(row));
    }
    return std::nullopt;
}

} // namespace

std::optional<SiteError> read_address_numbers(const std::string& file, AddressRow& row) {
    static constexpr const char* kFieldNames[5] = {"積雪区域", "基準風速V0", "標高", "垂直積雪量",
                                                   "細則の有無"};
    int* const targets[5] = {&row.snowZone, &row.baseWindSpeed, &row.tableAltitude,
                             &row.tableSnowDepth, &row.ruleFlag};
    for (int i = 0; i < 5; ++i) {
        const std::string& text = row.fields[4 + i];
        const auto value = common::parse_int(text);
        if (!value)
            return line_error(file, row.line,
                              std::string("「") + kFieldNames[i] + "」の値「" + text +
                                  "」が整数ではありません。");
        *targets[i] = *value;
    }
    row.hasNumbers = true;
    return std::nullopt;
}

bool row_belongs_to(const AddressRow& row, std::string_view prefecture_name) {
    // A user's row names its prefecture in field 2; its free note may well name
    // another one.
    if (row.origin == calc::ValueSource::user) return row.fields[2] == prefecture_name;
    // The name holds no comma or quote, so finding it in one field is the same as
    // finding it in the line joined again.
    return std::any_of(row.fields.begin(), row.fields.end(),
                       [prefecture_name](const std::string& field) {
                           return field.find(prefecture_name) != std::string::npos;
                       });
}

std::optional<std::size_t> prefecture_index_of(const AddressRow& row) {
    if (row.fields.size() > 2)
        for (std::size_t i = 0; i < kPrefectureNames.size(); ++i)
            if (row.fields[2] == kPrefectureNames[i]) return i;
    for (std::size_t i = 0; i < kPrefectureNames.size(); ++i)
        if (row_belongs_to(row, kPrefectureNames[i])) return i;
    return std::nullopt;
}

void apply_address_row(const AddressRow& row, SiteValues& values) {
    values.snowZone = row.snowZone;
    values.baseWindSpeed = row.baseWindSpeed;
    values.tableAltitude = row.tableAltitude;
    values.tableSnowDepth = row.tableSnowDepth;
    values.ruleFlag = row.ruleFlag;
    // Zone 0 and negative figures are the table saying it has no value.
    const auto from_row = [&row](bool has_value) {
        return has_value ? row.origin : calc::ValueSource::none;
    };
    values.sources.baseWindSpeed = row.origin;
    values.sources.snowZone = from_row(row.snowZone != 0);
    values.sources.tableAltitude = from_row(row.tableAltitude >= 0);
    values.sources.tableSnowDepth = from_row(row.tableSnowDepth >= 0);
}

void fill_prefecture_areas(const SiteTables& tables, std::string_view prefecture_name,
                           SiteValues& values, std::vector<std::string>& area_list) {
    area_list.clear();
    for (const AddressRow& row : tables.addressRows) {
        if (!row.hasNumbers || !row_belongs_to(row, prefecture_name)) continue;
        if (area_list.empty()) apply_address_row(row, values);
        area_list.push_back(row.area_name());
    }
}

const AddressRow* find_area_row(const SiteTables& tables, std::string_view prefecture_name,
                                std::string_view area_name) {
    const AddressRow* found = nullptr;
    for (const AddressRow& row : tables.addressRows)
        if (row.hasNumbers && row_belongs_to(row, prefecture_name) && row.area_name() == area_name)
            found = &row;
    return found;
}

std::optional<SiteError> load_address_table(const std::filesystem::path& data_folder,
                                            SiteTables& tables, SiteValues& values,
                                            std::vector<std::string>& area_list) {
    std::vector<AddressRow> rows;
    if (auto error = read_shipped_rows(data_folder, rows)) return error;
    std::vector<OfficeRow> offices;
    if (auto error = read_shipped_office_rows(data_folder, offices)) return error;
    tables.dataFolder = data_folder;
    tables.addressRows = std::move(rows);
    tables.officeRows = std::move(offices);
    tables.coastline =
        std::make_shared<const sea::CoastlineStore>(data_folder / sea::kCoastlineFileName);
    add_user_address_rows(tables);
    add_user_office_rows(tables);
    fill_prefecture_areas(tables, kPrefectureNames[0], values, area_list);
    return std::nullopt;
}

std::optional<SiteError> reload_site_tables(SiteTables& tables) {
    std::vector<AddressRow> rows;
    if (auto error = read_shipped_rows(tables.dataFolder, rows)) return error;
    std::vector<SnowZoneRow> zones;
    if (auto error = read_shipped_zone_rows(tables.dataFolder, zones)) return error;
    std::vector<OfficeRow> offices;
    if (auto error = read_shipped_office_rows(tables.dataFolder, offices)) return error;
    tables.addressRows = std::move(rows);
    tables.snowZoneRows = std::move(zones);
    tables.officeRows = std::move(offices);
    add_user_address_rows(tables);
    add_user_zone_rows(tables);
    add_user_office_rows(tables);
    return std::nullopt;
}

std::vector<SiteError> take_user_notices(SiteTables& tables) {
    std::vector<SiteError> notices;
    notices.swap(tables.userNotices);
    return notices;
}

} // namespace korvex::site
