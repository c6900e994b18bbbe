#include <algorithm>

#include "common/number_parse.h"
#include "site/comma_text.h"
#include "site/data_file.h"
#include "site/site_tables.h"

namespace korvex::site {

namespace {

bool names_any_prefecture(const AddressRow& row) {
    return std::any_of(kPrefectureNames.begin(), kPrefectureNames.end(),
                       [&](const char* name) { return row_belongs_to(row, name); });
}

// Fields 4-8 of a row that names a prefecture must be integers: any selection
// may use the row, so a fault is reported at start-up rather than later.
std::optional<SiteError> read_numbers(AddressRow& row) {
    static constexpr const char* kFieldNames[5] = {"積雪区域", "基準風速V0", "標高", "垂直積雪量",
                                                   "細則の有無"};
    int* const targets[5] = {&row.snowZone, &row.baseWindSpeed, &row.tableAltitude,
                             &row.tableSnowDepth, &row.ruleFlag};
    for (int i = 0; i < 5; ++i) {
        const std::string& text = row.fields[4 + i];
        const auto value = common::parse_int(text);
        if (!value)
            return line_error(kAddressFileName, row.line,
                              std::string("「") + kFieldNames[i] + "」の値「" + text +
                                  "」が整数ではありません。");
        *targets[i] = *value;
    }
    row.hasNumbers = true;
    return std::nullopt;
}

} // namespace

bool row_belongs_to(const AddressRow& row, std::string_view prefecture_name) {
    // The name holds no comma or quote, so finding it in one field is the same as
    // finding it in the line joined again.
    return std::any_of(row.fields.begin(), row.fields.end(),
                       [prefecture_name](const std::string& field) {
                           return field.find(prefecture_name) != std::string::npos;
                       });
}

void apply_address_row(const AddressRow& row, SiteValues& values) {
    values.snowZone = row.snowZone;
    values.baseWindSpeed = row.baseWindSpeed;
    values.tableAltitude = row.tableAltitude;
    values.tableSnowDepth = row.tableSnowDepth;
    values.ruleFlag = row.ruleFlag;
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
    DataFileLines file = read_data_file(data_folder, kAddressFileName);
    if (file.error) return file.error;
    std::vector<AddressRow> rows;
    rows.reserve(file.lines.size());
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        AddressRow row;
        row.line = static_cast<int>(i) + 1;
        row.fields = split_comma_text(file.lines[i]);
        if (auto error = check_field_count(kAddressFileName, row.line, row.fields.size(),
                                           kAddressFieldCount))
            return error;
        if (names_any_prefecture(row))
            if (auto error = read_numbers(row)) return error;
        rows.push_back(std::move(row));
    }
    tables.dataFolder = data_folder;
    tables.addressRows = std::move(rows);
    fill_prefecture_areas(tables, kPrefectureNames[0], values, area_list);
    return std::nullopt;
}

} // namespace korvex::site
