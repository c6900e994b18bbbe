#pragma once

// The user's own site table: files of the three shipped formats in the user's
// data folder that add to and override the shipped rows. An area row replaces
// the row of the same prefecture and area name, a zone row the zone of the same
// number, an office row the office of the same prefecture and area name; rows with new keys are
// added after the shipped ones, so the area lists keep their order and saved projects their area
// indexes. The shipped files are never written. Each user row may carry a free "出典" note in a
// column of its own, found by its title in the header.
//
// A user file with a fault is left out whole and told with its file and line;
// the shipped data still loads. Two rows of one key are told too, and the
// later one counts, as in the shipped table.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "site/site_tables.h"

namespace korvex::site {

inline constexpr const char* kSourceNoteTitle = "出典";
// Where the note stands when a file has no header naming it: after the
// shipped columns.
inline constexpr std::size_t kAddressNoteField = 13;
inline constexpr std::size_t kZoneNoteField = 5;
inline constexpr std::size_t kOfficeNoteField = 7;
inline constexpr const char* kUserAddressHeader =
    "No,kana,todofuken,chiku,snow_zone,V0,altitude_m,snow_cm,rule_flag,office_postcode,"
    "pref_code,city_code,note,出典";
inline constexpr const char* kUserZoneHeader = "zone,alpha,beta,gamma,R,出典";
inline constexpr const char* kUserOfficeHeader =
    "No,todofuken,chiku,lat,lon,office_kind,office,出典";

template <class Row> struct UserFile {
    bool present = false;
    std::vector<Row> rows;          // in file order
    std::optional<SiteError> error; // the whole file is left out
    std::vector<SiteError> notices; // told, but the file is used
};

// The lines of a user file, kept as they are so that putting one row in loses
// nothing else of the file.
struct UserFileLines {
    std::filesystem::path path;
    bool present = false;
    std::vector<std::string> lines;
    bool unicode = false;           // read from a file with a byte-order mark
    std::optional<SiteError> error; // unreadable or faulty: never written over
};

UserFile<AddressRow> read_user_address_file(const std::filesystem::path& folder);
UserFile<SnowZoneRow> read_user_zone_file(const std::filesystem::path& folder);
UserFile<OfficeRow> read_user_office_file(const std::filesystem::path& folder);

// User rows over the table's rows, in file order, so the later of two wins.
void merge_user_address_rows(std::vector<AddressRow>& rows,
                             const std::vector<AddressRow>& user_rows);
void merge_user_zone_rows(std::vector<SnowZoneRow>& rows,
                          const std::vector<SnowZoneRow>& user_rows);
void merge_user_office_rows(std::vector<OfficeRow>& rows, const std::vector<OfficeRow>& user_rows);

// Reads the user's file of tables.userFolder (when set) and merges it; what is
// wrong with it goes to tables.userNotices, once per run.
void add_user_address_rows(SiteTables& tables);
void add_user_zone_rows(SiteTables& tables);
void add_user_office_rows(SiteTables& tables);

// The user's files as lines, checked as the reading above checks them.
UserFileLines read_user_address_lines(const std::filesystem::path& folder);
UserFileLines read_user_zone_lines(const std::filesystem::path& folder);
UserFileLines read_user_office_lines(const std::filesystem::path& folder);

// Puts the fields in as one line, with the note in the file's "出典" column:
// over the last line of the same key (prefecture and area name, or zone
// number), else at the end; a file without lines gets its header first.
void put_user_address_line(UserFileLines& file, std::vector<std::string> fields,
                           const std::string& note);
void put_user_zone_line(UserFileLines& file, std::vector<std::string> fields,
                        const std::string& note);
void put_user_office_line(UserFileLines& file, std::vector<std::string> fields,
                          const std::string& note);

// One line of comma text; a field with a comma, quote or blank is quoted.
std::string comma_line(const std::vector<std::string>& fields);

// The bytes to write: Shift_JIS with CR LF like the shipped files, or UTF-8 with
// its byte-order mark when the file came so or a character has no Shift_JIS form.
std::string user_file_bytes(const UserFileLines& file);

} // namespace korvex::site
