#include "form/site_data.h"

#include <algorithm>
#include <map>
#include <set>
#include <system_error>
#include <utility>
#include <variant>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/site_selection.h"
#include "persist/atomic_file.h"
#include "sea/coordinate_text.h"
#include "site/area_search.h"
#include "site/user_site_table.h"

namespace korvex::form {

namespace {

using calc::ValueSource;

// The zone numbers the program gives the user's own zones start here, far above
// any zone of the notification's table and the shipped local zones (101-).
constexpr int kFirstUserZone = 1001;

std::string number_or_blank(int value, bool has_value) {
    return has_value ? std::to_string(value) : std::string();
}

std::string origin_word(const site::AddressRow& row, const site::SnowZoneRow* zone) {
    const std::string area = row.origin == ValueSource::user ? kUserRowWord : kShippedRowWord;
    if (!zone || zone->origin == row.origin) return area;
    return area +
           "（係数: " + (zone->origin == ValueSource::user ? kUserRowWord : kShippedRowWord) + "）";
}

std::optional<FormMessage> refuse(const std::string& text, const char* field) {
    return FormMessage{text, field};
}

struct CheckedRow {
    std::size_t prefectureIndex = 0;
    int baseWindSpeed = 0;
    int snowZone = 0;
    int altitude = -1;
    int snowDepth = -1;
    int ruleFlag = 0;
    bool hasCoefficients = false;
    double alpha = 0.0;
    double beta = 0.0;
    double gamma = 0.0;
    int radius = 0;
    std::optional<sea::GeoPoint> officePoint; // none: the office lines stay as they are
    std::string officeName;
};

// An integer field; empty gives `blank` when the field may be left empty.
std::optional<FormMessage> read_whole(const std::string& text, const std::string& name,
                                      const char* field, std::optional<int> blank, int& value) {
    if (common::trim(text).empty()) {
        if (!blank) return refuse(name + "を入力して下さい。", field);
        value = *blank;
        return std::nullopt;
    }
    const auto number = common::parse_int(text);
    if (!number) return refuse(name + "「" + text + "」が整数ではありません。", field);
    value = *number;
    return std::nullopt;
}

std::optional<FormMessage> read_coefficient(const std::string& text, const std::string& name,
                                            const char* field, double lowest, double highest,
                                            const std::string& range, double& value) {
    const auto number = common::parse_decimal(text);
    if (!number) return refuse(name + "「" + text + "」が数値ではありません。" + range, field);
    if (*number < lowest || *number > highest) return refuse(name + "は " + range, field);
    value = *number;
    return std::nullopt;
}

// The office point as the snow panel's site point reads; empty gives none.
std::optional<FormMessage> read_office(const UserSiteRow& row, CheckedRow& out) {
    out.officeName = common::trim(row.officeName);
    if (common::trim(row.officePoint).empty()) {
        if (out.officeName.empty()) return std::nullopt;
        return refuse("役所名を保存するには、役所の緯度・経度も入力して下さい。",
                      kSiteOfficePointField);
    }
    const auto read = sea::parse_coordinates(row.officePoint);
    if (const auto* message = std::get_if<std::string>(&read))
        return refuse("役所の緯度・経度「" + row.officePoint + "」を読めません。" + *message,
                      kSiteOfficePointField);
    out.officePoint = std::get<sea::GeoPoint>(read);
    return std::nullopt;
}

std::optional<FormMessage> check_row(const UserSiteRow& row, CheckedRow& out) {
    const auto prefecture =
        std::find(site::kPrefectureNames.begin(), site::kPrefectureNames.end(), row.prefecture);
    if (prefecture == site::kPrefectureNames.end())
        return refuse("都道府県を選んで下さい。", kSitePrefectureField);
    out.prefectureIndex = static_cast<std::size_t>(prefecture - site::kPrefectureNames.begin());
    if (common::trim(row.area).empty()) return refuse("地域名を入力して下さい。", kSiteAreaField);
    if (row.area != common::trim(row.area))
        return refuse("地域名の前後に空白を入れないで下さい。", kSiteAreaField);
    if (auto m = read_whole(row.baseWindSpeed, "基準風速V0", kSiteWindSpeedField, std::nullopt,
                            out.baseWindSpeed))
        return m;
    if (out.baseWindSpeed <= 0)
        return refuse("基準風速V0は 1 以上の整数で入力して下さい。", kSiteWindSpeedField);
    if (auto m = read_whole(row.snowZone, "積雪区域の番号", kSiteZoneField, 0, out.snowZone))
        return m;
    if (out.snowZone < 0)
        return refuse("積雪区域の番号は 0 以上の整数で入力して下さい。", kSiteZoneField);
    if (auto m = read_whole(row.altitude, "標高参考値", kSiteAltitudeField, -1, out.altitude))
        return m;
    if (auto m =
            read_whole(row.snowDepth, "垂直積雪量参考値", kSiteSnowDepthField, -1, out.snowDepth))
        return m;
    if (auto m = read_whole(row.ruleFlag, "細則の有無", kSiteRuleFlagField, 0, out.ruleFlag))
        return m;
    if (auto m = read_office(row, out)) return m;

    const std::string* const texts[4] = {&row.alpha, &row.beta, &row.gamma, &row.radius};
    const bool any = std::any_of(std::begin(texts), std::end(texts),
                                 [](const std::string* t) { return !common::trim(*t).empty(); });
    if (!any) return std::nullopt;
    out.hasCoefficients = true;
    if (auto m = read_coefficient(row.alpha, "係数α", kSiteAlphaField, 0.0, 0.01,
                                  "0～0.01 (m/m) で入力して下さい。", out.alpha))
        return m;
    if (auto m = read_coefficient(row.beta, "係数β", kSiteBetaField, -5.0, 5.0,
                                  "-5～5 で入力して下さい。", out.beta))
        return m;
    if (auto m = read_coefficient(row.gamma, "係数γ", kSiteGammaField, -5.0, 5.0,
                                  "-5～5 (m) で入力して下さい。", out.gamma))
        return m;
    if (auto m =
            read_whole(row.radius, "海率計算用半径R", kSiteRadiusField, std::nullopt, out.radius))
        return m;
    if (out.radius < 0 || out.radius > 100)
        return refuse("海率計算用半径Rは 0～100 (km) の整数で入力して下さい。", kSiteRadiusField);
    return std::nullopt;
}

const site::AddressRow* row_of(const site::SiteTables& tables, const std::string& prefecture,
                               const std::string& area) {
    return site::find_area_row(tables, prefecture, area);
}

int next_user_zone(const site::SiteTables& tables) {
    int highest = kFirstUserZone - 1;
    for (const site::SnowZoneRow& zone : tables.snowZoneRows)
        highest = std::max(highest, zone.snowZone);
    for (const site::AddressRow& row : tables.addressRows)
        if (row.hasNumbers) highest = std::max(highest, row.snowZone);
    return highest + 1;
}

// The address line: the fields the row had (reading, codes, note kept), the
// user's values over them.
std::vector<std::string> address_fields(const site::SiteTables& tables, const UserSiteRow& row,
                                        const CheckedRow& checked) {
    std::vector<std::string> fields;
    if (const site::AddressRow* known = row_of(tables, row.prefecture, row.area))
        fields.assign(known->fields.begin(),
                      known->fields.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(
                                                  known->fields.size(), site::kAddressNoteField)));
    else
        fields = {"-", "", "", "", "", "", "", "", "", "-", "", "-", "user"};
    fields.resize(site::kAddressNoteField);
    const std::size_t number = checked.prefectureIndex + 1; // JIS X 0401, two digits
    if (fields[10].empty()) fields[10] = (number < 10 ? "0" : "") + std::to_string(number);
    fields[1] = row.reading;
    fields[2] = row.prefecture;
    fields[3] = row.area;
    fields[4] = std::to_string(checked.snowZone);
    fields[5] = std::to_string(checked.baseWindSpeed);
    fields[6] = std::to_string(checked.altitude);
    fields[7] = std::to_string(checked.snowDepth);
    fields[8] = std::to_string(checked.ruleFlag);
    return fields;
}

bool same_coefficients(const site::SnowZoneRow& zone, const CheckedRow& row) {
    return zone.snowCoefA == row.alpha && zone.snowCoefB == row.beta &&
           zone.snowCoefC == row.gamma && zone.seaRatioRadius == row.radius;
}

// Points compared as the file keeps them, so that the list's own texts, read
// back, are the same point.
bool same_point(sea::GeoPoint a, sea::GeoPoint b) {
    return sea::coordinate_number(a.latitude) == sea::coordinate_number(b.latitude) &&
           sea::coordinate_number(a.longitude) == sea::coordinate_number(b.longitude);
}

// The office line of the row, or nothing when the area's office already stands
// there under that name: a row saved for its depth alone copies no shipped office.
std::optional<std::vector<std::string>>
office_fields(const site::SiteTables& tables, const UserSiteRow& row, const CheckedRow& checked) {
    if (!checked.officePoint) return std::nullopt;
    const sea::GeoPoint point = *checked.officePoint;
    const site::OfficeRow* known = site::find_office_row(tables, row.prefecture, row.area);
    const bool moved = !known || !same_point(known->point, point);
    if (!moved && known->officeName == checked.officeName) return std::nullopt;
    // A point the user types is the area's own office (0); a renamed office that
    // stays where it was keeps its kind, so a former town's row still says that
    // it stands at today's municipality's office (1).
    const bool current_municipality = !moved && known->currentMunicipality;
    return std::vector<std::string>{"-",
                                    row.prefecture,
                                    row.area,
                                    sea::coordinate_number(point.latitude),
                                    sea::coordinate_number(point.longitude),
                                    current_municipality ? "1" : "0",
                                    checked.officeName};
}

// A faulty user file is the user's to mend: it is never written over.
std::optional<FormMessage> refuse_faulty(const site::UserFileLines& file) {
    if (!file.error) return std::nullopt;
    return FormMessage{file.error->message +
                           "\nこのファイルを直すまで、地域データを保存できません。",
                       kSiteAreaField};
}

std::optional<FormMessage> write_user_file(const site::UserFileLines& file) {
    std::error_code ec;
    std::filesystem::create_directories(file.path.parent_path(), ec);
    if (ec)
        return FormMessage{"地域データのフォルダ " + file.path.parent_path().string() +
                               " を作れませんでした。",
                           kSiteAreaField};
    const std::string error =
        persist::write_file_atomically(file.path, site::user_file_bytes(file));
    if (!error.empty()) return FormMessage{error, kSiteAreaField};
    return std::nullopt;
}

// The input form after the tables changed: the selected prefecture's area list
// afresh, and the selected area's values again when the stored row is theirs.
void show_changed_row(Session& session, const UserSiteRow& row) {
    InputForm& form = session.form;
    if (form.site.prefectureName != row.prefecture) return;
    const std::string selected = item_text(form.areaBox);
    site::SiteValues unused;
    site::fill_prefecture_areas(session.siteTables, row.prefecture, unused, form.areaBox.items);
    const auto& areas = form.areaBox.items;
    const auto found = std::find(areas.begin(), areas.end(), selected);
    form.areaBox.itemIndex =
        found == areas.end() ? (areas.empty() ? -1 : 0) : static_cast<int>(found - areas.begin());
    if (selected == row.area) select_area(form, session.siteTables);
}

} // namespace

std::vector<SiteDataRow> site_data_rows(const site::SiteTables& tables) {
    // Every area's office, looked up once: the list is built again at each
    // filter keystroke of the page, and a search per row would scan the whole
    // office table for each of its two thousand rows. The last line of a key
    // counts, as in site::find_office_row.
    std::map<std::pair<std::string_view, std::string_view>, const site::OfficeRow*> offices;
    for (const site::OfficeRow& office : tables.officeRows)
        offices[{office.prefectureName, office.areaName}] = &office;
    std::vector<std::pair<std::size_t, SiteDataRow>> rows;
    std::set<std::pair<std::size_t, std::string>> listed;
    // The table's own rule: of two rows of one area the later counts.
    for (auto it = tables.addressRows.rbegin(); it != tables.addressRows.rend(); ++it) {
        const site::AddressRow& row = *it;
        if (!row.hasNumbers) continue;
        const auto prefecture = site::prefecture_index_of(row);
        if (!prefecture || !listed.insert({*prefecture, row.area_name()}).second) continue;
        const site::SnowZoneRow* zone = site::find_zone_row(tables, row.snowZone);
        SiteDataRow shown;
        shown.prefectureIndex = *prefecture;
        shown.prefecture = site::kPrefectureNames[*prefecture];
        shown.area = row.area_name();
        shown.reading = row.fields[1];
        shown.baseWindSpeed = std::to_string(row.baseWindSpeed);
        shown.snowZone = std::to_string(row.snowZone);
        if (zone) {
            shown.alpha = common::shortest_decimal(zone->snowCoefA);
            shown.beta = common::shortest_decimal(zone->snowCoefB);
            shown.gamma = common::shortest_decimal(zone->snowCoefC);
            shown.radius = std::to_string(zone->seaRatioRadius);
            shown.radiusKm = zone->seaRatioRadius;
        }
        shown.altitude = number_or_blank(row.tableAltitude, row.tableAltitude >= 0);
        shown.snowDepth = number_or_blank(row.tableSnowDepth, row.tableSnowDepth >= 0);
        shown.ruleFlag = std::to_string(row.ruleFlag);
        if (const auto found = offices.find({shown.prefecture, shown.area});
            found != offices.end()) {
            const site::OfficeRow* office = found->second;
            shown.officePoint = office->point;
            shown.latitude = sea::coordinate_number(office->point.latitude);
            shown.longitude = sea::coordinate_number(office->point.longitude);
            shown.office = office->officeName;
            shown.officeName = office->officeName;
            if (office->currentMunicipality) shown.office += "（現在の市町村の役所）";
        }
        shown.origin = origin_word(row, zone);
        shown.sourceNote = row.sourceNote;
        if (shown.sourceNote.empty() && zone) shown.sourceNote = zone->sourceNote;
        rows.emplace_back(static_cast<std::size_t>(&row - tables.addressRows.data()),
                          std::move(shown));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        if (a.second.prefectureIndex != b.second.prefectureIndex)
            return a.second.prefectureIndex < b.second.prefectureIndex;
        return a.first < b.first;
    });
    std::vector<SiteDataRow> out;
    out.reserve(rows.size());
    for (auto& [position, row] : rows) out.push_back(std::move(row));
    return out;
}

bool site_data_row_matches(const SiteDataRow& row, std::string_view filter) {
    const std::string wanted = site::to_hiragana(common::trim(std::string(filter)));
    if (wanted.empty()) return true;
    for (const std::string* text : {&row.area, &row.reading, &row.prefecture})
        if (site::to_hiragana(*text).find(wanted) != std::string::npos) return true;
    return false;
}

UserSiteRow user_site_row(const SiteDataRow& row) {
    return UserSiteRow{.prefecture = row.prefecture,
                       .area = row.area,
                       .reading = row.reading,
                       .baseWindSpeed = row.baseWindSpeed,
                       .snowZone = row.snowZone,
                       .alpha = row.alpha,
                       .beta = row.beta,
                       .gamma = row.gamma,
                       .radius = row.radius,
                       .altitude = row.altitude,
                       .snowDepth = row.snowDepth,
                       .ruleFlag = row.ruleFlag,
                       .officePoint =
                           row.officePoint ? row.latitude + ", " + row.longitude : std::string(),
                       .officeName = row.officeName,
                       .sourceNote = row.sourceNote};
}

UserRowSaved save_user_site_row(Session& session, const UserSiteRow& row) {
    site::SiteTables& tables = session.siteTables;
    if (tables.userFolder.empty())
        return {FormMessage{"ユーザーの地域データを保存するフォルダが決まっていません。",
                            kSiteAreaField},
                {}};
    CheckedRow checked;
    if (auto failure = check_row(row, checked)) return {failure, {}};

    site::UserFileLines addresses = site::read_user_address_lines(tables.userFolder);
    if (auto failure = refuse_faulty(addresses)) return {failure, {}};
    site::UserFileLines zones = site::read_user_zone_lines(tables.userFolder);
    if (auto failure = refuse_faulty(zones)) return {failure, {}};
    site::UserFileLines offices = site::read_user_office_lines(tables.userFolder);
    if (auto failure = refuse_faulty(offices)) return {failure, {}};

    std::string status = row.prefecture + " " + row.area + " を保存しました。";
    if (checked.hasCoefficients) {
        const site::SnowZoneRow* zone =
            checked.snowZone == 0 ? nullptr : site::find_zone_row(tables, checked.snowZone);
        if (checked.snowZone == 0) {
            checked.snowZone = next_user_zone(tables);
            status += "係数に積雪区域 " + std::to_string(checked.snowZone) + " を割り当てました。";
        }
        if (!zone || !same_coefficients(*zone, checked)) {
            site::put_user_zone_line(zones,
                                     {std::to_string(checked.snowZone), common::trim(row.alpha),
                                      common::trim(row.beta), common::trim(row.gamma),
                                      std::to_string(checked.radius)},
                                     row.sourceNote);
            if (auto failure = write_user_file(zones)) return {failure, {}};
            if (zone)
                status += "積雪区域 " + std::to_string(checked.snowZone) +
                          " の係数は、この区域の地域すべてに使われます。";
        }
    }
    if (auto fields = office_fields(tables, row, checked)) {
        site::put_user_office_line(offices, std::move(*fields), row.sourceNote);
        if (auto failure = write_user_file(offices)) return {failure, {}};
    }
    site::put_user_address_line(addresses, address_fields(tables, row, checked), row.sourceNote);
    if (auto failure = write_user_file(addresses)) return {failure, {}};

    if (auto error = site::reload_site_tables(tables))
        return {FormMessage{error->message, kSiteAreaField}, {}};
    show_changed_row(session, row);
    return {std::nullopt, status};
}

} // namespace korvex::form
