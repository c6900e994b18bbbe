#include "site/user_site_table.h"

#include <algorithm>
#include <map>
#include <utility>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "site/comma_text.h"
#include "site/data_file.h"

namespace korvex::site {

namespace {

using calc::ValueSource;

const char* const kLeftOut = "\nこのファイルは使わずに、標準の地域データで続けます。";

SiteError left_out(SiteError error) {
    error.message += kLeftOut;
    return error;
}

bool is_prefecture_name(std::string_view text) {
    return std::find(kPrefectureNames.begin(), kPrefectureNames.end(), text) !=
           kPrefectureNames.end();
}

bool names_a_prefecture(const std::vector<std::string>& fields) {
    return std::any_of(fields.begin(), fields.end(), [](const std::string& field) {
        return std::any_of(
            kPrefectureNames.begin(), kPrefectureNames.end(),
            [&field](const char* name) { return field.find(name) != std::string::npos; });
    });
}

// The header's column titled "出典", else the column after the shipped ones.
std::size_t note_column(const std::vector<std::string>& header, std::size_t otherwise) {
    const auto found = std::find_if(header.begin(), header.end(), [](const std::string& title) {
        return common::trim(title) == kSourceNoteTitle;
    });
    return found == header.end() ? otherwise : static_cast<std::size_t>(found - header.begin());
}

// The first line is a header when it names no prefecture and its zone field is
// no number: a row without a known prefecture is a fault to be told, not a header.
bool is_address_header(const std::vector<std::string>& fields) {
    return !names_a_prefecture(fields) &&
           (fields.size() <= 4 || !common::parse_int(fields[4]).has_value());
}

bool is_zone_header(const std::vector<std::string>& fields) {
    return fields.empty() || !common::parse_int(fields[0]).has_value();
}

std::optional<SiteError> text_fault(const std::string& file,
                                    const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find('\0') != std::string::npos)
            return line_error(file, static_cast<int>(i) + 1,
                              "テキストファイルではありません（文字でないバイトがあります）。"
                              "地域データは CSV 形式のテキストで保存して下さい。");
    return std::nullopt;
}

SiteError duplicate(const std::string& file, int line, int earlier, const std::string& key) {
    return line_error(file, line,
                      key + "は " + std::to_string(earlier) + " 行目と重なっています。後の " +
                          std::to_string(line) + " 行目を使います。");
}

UserFile<AddressRow> parse_address_lines(const std::string& file,
                                         const std::vector<std::string>& lines) {
    UserFile<AddressRow> out;
    out.present = true;
    std::size_t note = kAddressNoteField;
    std::map<std::pair<std::string, std::string>, int> seen;
    const auto fail = [&out](SiteError error) {
        out.rows.clear();
        out.notices.clear();
        out.error = left_out(std::move(error));
        return out;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        AddressRow row;
        row.line = line;
        row.origin = ValueSource::user;
        row.fields = split_comma_text(lines[i]);
        if (i == 0 && is_address_header(row.fields)) {
            note = note_column(row.fields, kAddressNoteField);
            continue;
        }
        if (auto error = check_field_count(file, line, row.fields.size(), kAddressFieldCount))
            return fail(*error);
        if (!is_prefecture_name(row.fields[2]))
            return fail(line_error(file, line,
                                   "3 番目の項目「" + row.fields[2] +
                                       "」は都道府県名ではありません。「北海道」「青森県」の"
                                       "ように書いて下さい。"));
        if (common::trim(row.fields[3]).empty())
            return fail(line_error(file, line, "4 番目の項目（地域名）がありません。"));
        if (auto error = read_address_numbers(file, row)) return fail(*error);
        if (note < row.fields.size()) row.sourceNote = row.fields[note];
        const auto key = std::pair{row.fields[2], row.fields[3]};
        if (const auto earlier = seen.find(key); earlier != seen.end())
            out.notices.push_back(
                duplicate(file, line, earlier->second, "「" + key.first + " " + key.second + "」"));
        seen[key] = line;
        out.rows.push_back(std::move(row));
    }
    return out;
}

UserFile<SnowZoneRow> parse_zone_lines(const std::string& file,
                                       const std::vector<std::string>& lines) {
    UserFile<SnowZoneRow> out;
    out.present = true;
    std::size_t note = kZoneNoteField;
    std::map<int, int> seen;
    const auto fail = [&out](SiteError error) {
        out.rows.clear();
        out.notices.clear();
        out.error = left_out(std::move(error));
        return out;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const auto fields = split_comma_text(lines[i]);
        if (i == 0 && is_zone_header(fields)) {
            note = note_column(fields, kZoneNoteField);
            continue;
        }
        if (auto error = check_field_count(file, line, fields.size(), kSnowZoneFieldCount))
            return fail(*error);
        SnowZoneRow row;
        if (auto error = read_zone_fields(file, line, fields, row)) return fail(*error);
        // Zone 0 is the address table's "zone not known": coefficients for it
        // would be given to every area nobody has looked up.
        if (row.snowZone <= 0)
            return fail(line_error(
                file, line, "積雪区域の番号は 1 以上にして下さい（0 は「区域不明」を表します）。"));
        row.origin = ValueSource::user;
        if (note < fields.size()) row.sourceNote = fields[note];
        if (const auto earlier = seen.find(row.snowZone); earlier != seen.end())
            out.notices.push_back(duplicate(file, line, earlier->second,
                                            "積雪区域 " + std::to_string(row.snowZone) + " "));
        seen[row.snowZone] = line;
        out.rows.push_back(row);
    }
    return out;
}

// The first line is a header when its latitude field is no number.
bool is_office_header(const std::vector<std::string>& fields) {
    return fields.size() <= 3 || !common::parse_decimal(fields[3]).has_value();
}

UserFile<OfficeRow> parse_office_lines(const std::string& file,
                                       const std::vector<std::string>& lines) {
    UserFile<OfficeRow> out;
    out.present = true;
    std::size_t note = kOfficeNoteField;
    std::map<std::pair<std::string, std::string>, int> seen;
    const auto fail = [&out](SiteError error) {
        out.rows.clear();
        out.notices.clear();
        out.error = left_out(std::move(error));
        return out;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const auto fields = split_comma_text(lines[i]);
        if (i == 0 && is_office_header(fields)) {
            note = note_column(fields, kOfficeNoteField);
            continue;
        }
        if (auto error = check_field_count(file, line, fields.size(), kOfficeFieldCount))
            return fail(*error);
        OfficeRow row;
        if (auto error = read_office_fields(file, line, fields, row)) return fail(*error);
        row.origin = ValueSource::user;
        // The note's column is the user's; it is never the office's name.
        if (note < fields.size()) row.sourceNote = fields[note];
        if (note == 6) row.officeName.clear();
        const auto key = std::pair{row.prefectureName, row.areaName};
        if (const auto earlier = seen.find(key); earlier != seen.end())
            out.notices.push_back(
                duplicate(file, line, earlier->second, "「" + key.first + " " + key.second + "」"));
        seen[key] = line;
        out.rows.push_back(std::move(row));
    }
    return out;
}

// Reads the file's lines; a missing file is no fault, it is simply not there.
UserFileLines read_lines(const std::filesystem::path& folder, const char* file_name) {
    UserFileLines file;
    file.path = folder / file_name;
    std::error_code ec;
    if (!std::filesystem::exists(file.path, ec)) return file;
    file.present = true;
    DataFileLines read = read_text_file(file.path, file.path.string());
    if (read.error) {
        file.error = left_out(*read.error);
        return file;
    }
    if (auto error = text_fault(file.path.string(), read.lines)) {
        file.error = left_out(*error);
        return file;
    }
    file.lines = std::move(read.lines);
    file.unicode = read.unicode;
    return file;
}

template <class Row, class Parse>
UserFile<Row> read_user_file(const std::filesystem::path& folder, const char* file_name,
                             Parse parse) {
    UserFileLines file = read_lines(folder, file_name);
    UserFile<Row> out;
    out.present = file.present;
    if (file.error) {
        out.error = file.error;
        return out;
    }
    if (!file.present) return out;
    return parse(file.path.string(), file.lines);
}

void tell(SiteTables& tables, const SiteError& notice) {
    auto& told = tables.toldNotices;
    if (std::find(told.begin(), told.end(), notice.message) != told.end()) return;
    told.push_back(notice.message);
    tables.userNotices.push_back(notice);
}

template <class Row> void tell_all(SiteTables& tables, const UserFile<Row>& file) {
    if (file.error) tell(tables, *file.error);
    for (const SiteError& notice : file.notices) tell(tables, notice);
}

template <class Matches>
void put_line(UserFileLines& file, const char* header, std::size_t note_field,
              bool (*is_header)(const std::vector<std::string>&), std::vector<std::string> fields,
              const std::string& note, Matches same_key) {
    if (file.lines.empty()) file.lines.emplace_back(header);
    const auto first = split_comma_text(file.lines.front());
    const std::size_t column = is_header(first) ? note_column(first, note_field) : note_field;
    if (fields.size() <= column) fields.resize(column + 1);
    fields[column] = note;
    const std::string line = comma_line(fields);
    for (std::size_t i = file.lines.size(); i-- > 0;) {
        if (same_key(split_comma_text(file.lines[i]))) {
            file.lines[i] = line;
            return;
        }
    }
    file.lines.push_back(line);
}

// The file's lines, with the fault its reading would find: a faulty file is
// never written over.
template <class Parse>
UserFileLines read_checked_lines(const std::filesystem::path& folder, const char* file_name,
                                 Parse parse) {
    UserFileLines file = read_lines(folder, file_name);
    if (file.present && !file.error) file.error = parse(file.path.string(), file.lines).error;
    return file;
}

// Whether a line is of the area the fields name: prefecture and area name at
// `prefecture_field` and the field after it (the address and office files
// differ only in where they stand).
auto same_area_key(const std::vector<std::string>& fields, std::size_t prefecture_field) {
    return [prefecture = fields[prefecture_field], area = fields[prefecture_field + 1],
            prefecture_field](const std::vector<std::string>& line) {
        return line.size() > prefecture_field + 1 && line[prefecture_field] == prefecture &&
               line[prefecture_field + 1] == area;
    };
}

} // namespace

UserFile<AddressRow> read_user_address_file(const std::filesystem::path& folder) {
    return read_user_file<AddressRow>(folder, kAddressFileName, parse_address_lines);
}

UserFile<SnowZoneRow> read_user_zone_file(const std::filesystem::path& folder) {
    return read_user_file<SnowZoneRow>(folder, kSnowZoneFileName, parse_zone_lines);
}

UserFile<OfficeRow> read_user_office_file(const std::filesystem::path& folder) {
    return read_user_file<OfficeRow>(folder, kOfficeFileName, parse_office_lines);
}

void merge_user_address_rows(std::vector<AddressRow>& rows,
                             const std::vector<AddressRow>& user_rows) {
    for (const AddressRow& user : user_rows) {
        const std::string& prefecture = user.fields[2];
        auto same = std::find_if(rows.rbegin(), rows.rend(), [&](const AddressRow& row) {
            return row.hasNumbers && row.area_name() == user.area_name() &&
                   row_belongs_to(row, prefecture);
        });
        if (same != rows.rend())
            *same = user;
        else
            rows.push_back(user);
    }
}

void merge_user_zone_rows(std::vector<SnowZoneRow>& rows,
                          const std::vector<SnowZoneRow>& user_rows) {
    for (const SnowZoneRow& user : user_rows) {
        auto same = std::find_if(rows.rbegin(), rows.rend(), [&](const SnowZoneRow& row) {
            return row.snowZone == user.snowZone;
        });
        if (same != rows.rend())
            *same = user;
        else
            rows.push_back(user);
    }
}

void merge_user_office_rows(std::vector<OfficeRow>& rows, const std::vector<OfficeRow>& user_rows) {
    for (const OfficeRow& user : user_rows) {
        auto same = std::find_if(rows.rbegin(), rows.rend(), [&](const OfficeRow& row) {
            return row.prefectureName == user.prefectureName && row.areaName == user.areaName;
        });
        if (same != rows.rend())
            *same = user;
        else
            rows.push_back(user);
    }
}

void add_user_address_rows(SiteTables& tables) {
    if (tables.userFolder.empty()) return;
    const UserFile<AddressRow> file = read_user_address_file(tables.userFolder);
    tell_all(tables, file);
    if (!file.error) merge_user_address_rows(tables.addressRows, file.rows);
}

void add_user_zone_rows(SiteTables& tables) {
    if (tables.userFolder.empty()) return;
    const UserFile<SnowZoneRow> file = read_user_zone_file(tables.userFolder);
    tell_all(tables, file);
    if (!file.error) merge_user_zone_rows(tables.snowZoneRows, file.rows);
}

void add_user_office_rows(SiteTables& tables) {
    if (tables.userFolder.empty()) return;
    const UserFile<OfficeRow> file = read_user_office_file(tables.userFolder);
    tell_all(tables, file);
    if (!file.error) merge_user_office_rows(tables.officeRows, file.rows);
}

UserFileLines read_user_address_lines(const std::filesystem::path& folder) {
    return read_checked_lines(folder, kAddressFileName, parse_address_lines);
}

UserFileLines read_user_zone_lines(const std::filesystem::path& folder) {
    return read_checked_lines(folder, kSnowZoneFileName, parse_zone_lines);
}

UserFileLines read_user_office_lines(const std::filesystem::path& folder) {
    return read_checked_lines(folder, kOfficeFileName, parse_office_lines);
}

void put_user_address_line(UserFileLines& file, std::vector<std::string> fields,
                           const std::string& note) {
    const auto same_area = same_area_key(fields, 2);
    put_line(file, kUserAddressHeader, kAddressNoteField, is_address_header, std::move(fields),
             note, same_area);
}

void put_user_zone_line(UserFileLines& file, std::vector<std::string> fields,
                        const std::string& note) {
    const auto zone = common::parse_int(fields[0]);
    put_line(file, kUserZoneHeader, kZoneNoteField, is_zone_header, std::move(fields), note,
             [zone](const std::vector<std::string>& line) {
                 return zone && !line.empty() && common::parse_int(line[0]) == zone;
             });
}

void put_user_office_line(UserFileLines& file, std::vector<std::string> fields,
                          const std::string& note) {
    const auto same_area = same_area_key(fields, 1);
    put_line(file, kUserOfficeHeader, kOfficeNoteField, is_office_header, std::move(fields), note,
             same_area);
}

std::string comma_line(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        const bool quoted = std::any_of(field.begin(), field.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return c == ',' || c == '"' || u <= ' ';
        });
        if (i > 0) line += ',';
        if (!quoted) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

std::string user_file_bytes(const UserFileLines& file) {
    std::string text;
    for (const std::string& line : file.lines) text += line + "\r\n";
    if (!file.unicode)
        if (auto cp932 = common::utf8_to_cp932(text)) return *cp932;
    return "\xEF\xBB\xBF" + text;
}

} // namespace korvex::site
