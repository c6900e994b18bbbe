#include <algorithm>
#include <cmath>

#include "common/number_parse.h"
#include "site/comma_text.h"
#include "site/data_file.h"
#include "site/site_tables.h"

namespace korvex::site {

std::optional<SiteError> read_office_fields(const std::string& file, int line,
                                            const std::vector<std::string>& fields,
                                            OfficeRow& row) {
    row.line = line;
    row.prefectureName = fields[1];
    row.areaName = fields[2];
    if (std::find(kPrefectureNames.begin(), kPrefectureNames.end(), row.prefectureName) ==
        kPrefectureNames.end())
        return line_error(
            file, line,
            "2 番目の項目「" + row.prefectureName +
                "」は都道府県名ではありません。「北海道」「青森県」のように書いて下さい。");
    if (row.areaName.empty()) return line_error(file, line, "3 番目の項目（地域名）がありません。");
    const auto latitude = common::parse_decimal(fields[3]);
    if (!latitude || std::fabs(*latitude) > 90.0)
        return line_error(file, line,
                          "「緯度」の値「" + fields[3] + "」が -90～90 の数値ではありません。");
    const auto longitude = common::parse_decimal(fields[4]);
    if (!longitude || std::fabs(*longitude) > 180.0)
        return line_error(file, line,
                          "「経度」の値「" + fields[4] + "」が -180～180 の数値ではありません。");
    row.point = {*latitude, *longitude};
    if (fields.size() > 5 && !fields[5].empty()) {
        const auto kind = common::parse_int(fields[5]);
        if (!kind || (*kind != 0 && *kind != 1))
            return line_error(file, line,
                              "「役所の種類」の値「" + fields[5] + "」は 0 か 1 にして下さい。");
        row.currentMunicipality = *kind == 1;
    }
    if (fields.size() > 6) row.officeName = fields[6];
    return std::nullopt;
}

std::optional<SiteError> read_shipped_office_rows(const std::filesystem::path& data_folder,
                                                  std::vector<OfficeRow>& rows) {
    rows.clear();
    std::error_code ec;
    if (!std::filesystem::exists(data_folder / kOfficeFileName, ec)) return std::nullopt;
    DataFileLines file = read_data_file(data_folder, kOfficeFileName);
    if (file.error) return file.error;
    for (std::size_t i = 1; i < file.lines.size(); ++i) { // line 1 is the header
        const int line = static_cast<int>(i) + 1;
        const auto fields = split_comma_text(file.lines[i]);
        if (auto error = check_field_count(kOfficeFileName, line, fields.size(), kOfficeFieldCount))
            return error;
        OfficeRow row;
        if (auto error = read_office_fields(kOfficeFileName, line, fields, row)) return error;
        rows.push_back(std::move(row));
    }
    return std::nullopt;
}

const OfficeRow* find_office_row(const SiteTables& tables, std::string_view prefecture_name,
                                 std::string_view area_name) {
    const OfficeRow* found = nullptr;
    for (const OfficeRow& row : tables.officeRows)
        if (row.prefectureName == prefecture_name && row.areaName == area_name) found = &row;
    return found;
}

} // namespace korvex::site
