#pragma once

// The two site tables read from the data folder: the areas of every prefecture
// ("Data_Address.csv") and the coefficients of the snow zones
// ("Data_SnowfallV.csv"). A broken file is reported as a SiteError whose message
// names the file and the line, so start-up can show it and end in order.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sea/coastline_store.h"
#include "sea/geo_point.h"
#include "site/site_values.h"

namespace korvex::site {

inline constexpr const char* kAddressFileName = "Data_Address.csv";
inline constexpr const char* kSnowZoneFileName = "Data_SnowfallV.csv";
inline constexpr std::size_t kAddressFieldCount = 9;
inline constexpr std::size_t kSnowZoneFieldCount = 5;
// The third table: where each area's office stands, keyed like the area rows
// by prefecture and area name. Optional: without it no area has a point.
inline constexpr const char* kOfficeFileName = "Data_Office.csv";
inline constexpr std::size_t kOfficeFieldCount = 5;

// The prefecture list in its fixed order: project files store the index.
inline constexpr std::array<const char*, 47> kPrefectureNames = {
    "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県",   "福島県", "茨城県",
    "栃木県", "群馬県", "埼玉県", "千葉県", "東京都", "神奈川県", "山梨県", "長野県",
    "新潟県", "富山県", "石川県", "福井県", "岐阜県", "静岡県",   "愛知県", "三重県",
    "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県", "鳥取県", "島根県",
    "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県",   "高知県", "福岡県",
    "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};

struct SiteError {
    std::string file;    // file name, e.g. "Data_Address.csv"
    int line = 0;        // 1-based; 0 when the fault is not in one line
    std::string message; // complete Japanese text for the user
};

// One line of the address file. The numbers are read only for lines that name a
// prefecture; a header line names none and keeps has_numbers false.
struct AddressRow {
    int line = 0; // 1-based line in the file
    std::vector<std::string> fields;
    calc::ValueSource origin = calc::ValueSource::table; // shipped, or the user's table
    std::string sourceNote; // the user's "出典" note; shipped rows have none
    bool hasNumbers = false;
    int snowZone = 0;
    int baseWindSpeed = 0;
    int tableAltitude = -1;
    int tableSnowDepth = -1;
    int ruleFlag = 0;

    const std::string& area_name() const { return fields[3]; }
};

// One line of the snow-zone file after its header.
struct SnowZoneRow {
    int line = 0;
    calc::ValueSource origin = calc::ValueSource::table;
    std::string sourceNote;
    int snowZone = 0;
    double snowCoefA = 0.0;
    double snowCoefB = 0.0;
    double snowCoefC = 0.0;
    int seaRatioRadius = 0;
};

// One line of the office file: No, prefecture, area, latitude, longitude, and
// optionally the kind (1: the current municipality's office) and its name.
struct OfficeRow {
    int line = 0;
    calc::ValueSource origin = calc::ValueSource::table;
    std::string sourceNote;
    std::string prefectureName;
    std::string areaName;
    sea::GeoPoint point;
    // A split row 市(旧A・B) has the office of the current municipality, which
    // may lie outside the former towns the row names.
    bool currentMunicipality = false;
    std::string officeName;
};

struct SiteTables {
    std::filesystem::path dataFolder; // where the snow-zone file is read again
    // The user's own site files, which add to and override the shipped rows;
    // empty when the program runs without them.
    std::filesystem::path userFolder;
    std::vector<AddressRow> addressRows;
    std::vector<SnowZoneRow> snowZoneRows;
    std::vector<OfficeRow> officeRows;
    // The coastline of the data folder, read when a sea ratio is first asked for.
    std::shared_ptr<const sea::CoastlineStore> coastline;
    // What is wrong with the user's files, each told once: the snow-zone file is
    // read again at every prefecture choice, and a fault must not nag.
    std::vector<SiteError> userNotices;
    std::vector<std::string> toldNotices;
};

// Reads the address file of `data_folder` (and the user's, from
// tables.userFolder) and the office file into the tables, sets up the
// coastline, and fills the area list and the site values from the rows of the
// first prefecture. On an error of the shipped file the
// tables, the list and the values are left as they were; a faulty user file is
// queued in userNotices and left out.
std::optional<SiteError> load_address_table(const std::filesystem::path& data_folder,
                                            SiteTables& tables, SiteValues& values,
                                            std::vector<std::string>& area_list);

// The three tables read afresh, shipped then user, without touching any site
// values: after the user's table changed.
std::optional<SiteError> reload_site_tables(SiteTables& tables);

// A row belongs to a prefecture when the name occurs anywhere in it.
bool row_belongs_to(const AddressRow& row, std::string_view prefecture_name);

// The index in kPrefectureNames of the row's prefecture: the one field 2 names,
// else the first whose name occurs in the row.
std::optional<std::size_t> prefecture_index_of(const AddressRow& row);

// Fields 4-8 as integers into the row's numbers, or the message naming the
// file (as `file` gives it) and the line.
std::optional<SiteError> read_address_numbers(const std::string& file, AddressRow& row);

// Fields 0-4 of a snow-zone line into `row`, or the message.
std::optional<SiteError> read_zone_fields(const std::string& file, int line,
                                          const std::vector<std::string>& fields, SnowZoneRow& row);

// The zone's row in the table in memory (the last of that number), or null.
const SnowZoneRow* find_zone_row(const SiteTables& tables, int zone);

// Moves the queued notices of the user's files out, each only once in a run.
std::vector<SiteError> take_user_notices(SiteTables& tables);

void apply_address_row(const AddressRow& row, SiteValues& values);

// Area names of the prefecture in file order into `area_list`; the first row's
// numbers into `values`. A prefecture without rows leaves `values` alone.
void fill_prefecture_areas(const SiteTables& tables, std::string_view prefecture_name,
                           SiteValues& values, std::vector<std::string>& area_list);

// The last row of the prefecture whose area name is exactly `areaName`.
const AddressRow* find_area_row(const SiteTables& tables, std::string_view prefecture_name,
                                std::string_view area_name);

// Reads the snow-zone file again (it may have been edited since) and looks up
// `zone`. On an error the table in memory and the values stay as they were.
std::optional<SiteError> load_snow_zone_table(SiteTables& tables, int zone, SiteValues& values);

// The rows of the shipped snow-zone file of `data_folder`, header left out.
std::optional<SiteError> read_shipped_zone_rows(const std::filesystem::path& data_folder,
                                                std::vector<SnowZoneRow>& rows);

// Looks up `zone` in the table in memory; the last matching line wins. Without
// a match the coefficients are cleared and zone_registered becomes false.
void find_snow_zone(const SiteTables& tables, int zone, SiteValues& values);

// The shipped office file of `data_folder`, header left out; no file gives no
// rows.
std::optional<SiteError> read_shipped_office_rows(const std::filesystem::path& data_folder,
                                                  std::vector<OfficeRow>& rows);

// Fields 0-6 of an office line into `row`, or the message.
std::optional<SiteError> read_office_fields(const std::string& file, int line,
                                            const std::vector<std::string>& fields, OfficeRow& row);

// The area's office (the last line of its key), or null.
const OfficeRow* find_office_row(const SiteTables& tables, std::string_view prefecture_name,
                                 std::string_view area_name);

} // namespace korvex::site
