#pragma once

// The "地域データ" window without the window: every area of every prefecture
// with its values and where its row comes from, the filter, and the one command
// that stores a row of the user's own site table.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/session.h"
#include "sea/geo_point.h"

namespace korvex::form {

inline constexpr const char* kShippedRowWord = "標準";
inline constexpr const char* kUserRowWord = "ユーザー";

// One area as the list shows it; numbers as texts, "" where the tables have none.
struct SiteDataRow {
    std::size_t prefectureIndex = 0;
    std::string prefecture;
    std::string area;
    std::string reading;
    std::string baseWindSpeed;
    std::string snowZone;
    std::string alpha;
    std::string beta;
    std::string gamma;
    std::string radius;
    std::string altitude;
    std::string snowDepth;
    std::string ruleFlag;
    // Where the area's office stands: the point its sea-ratio reference is
    // measured at unless the site's own is entered.
    std::string latitude;
    std::string longitude;
    std::string office;     // its name; a split row's is marked as the current municipality's
    std::string officeName; // the name as its line holds it, unmarked
    std::optional<sea::GeoPoint> officePoint;
    int radiusKm = 0;       // the zone's R; 0 when the zone has none
    std::string origin;     // kShippedRowWord or kUserRowWord; the zone's own if it differs
    std::string sourceNote; // the user's "出典"
};

// The list's columns in order: the name of the value each shows, its title, the
// row member, and whether it is a number (set right).
struct SiteDataColumn {
    const char* name;
    const char* title;
    std::string SiteDataRow::*value;
    bool number;
};
inline constexpr SiteDataColumn kSiteDataColumns[] = {
    {"prefecture", "都道府県", &SiteDataRow::prefecture, false},
    {"area", "地域", &SiteDataRow::area, false},
    {"reading", "よみ", &SiteDataRow::reading, false},
    {"baseWindSpeed", "V0 (m/s)", &SiteDataRow::baseWindSpeed, true},
    {"snowZone", "積雪区域", &SiteDataRow::snowZone, true},
    {"alpha", "α", &SiteDataRow::alpha, true},
    {"beta", "β", &SiteDataRow::beta, true},
    {"gamma", "γ", &SiteDataRow::gamma, true},
    {"radius", "R (km)", &SiteDataRow::radius, true},
    {"altitude", "標高 (m)", &SiteDataRow::altitude, true},
    {"snowDepth", "垂直積雪量 (cm)", &SiteDataRow::snowDepth, true},
    {"ruleFlag", "細則", &SiteDataRow::ruleFlag, true},
    {"latitude", "役所の緯度", &SiteDataRow::latitude, true},
    {"longitude", "役所の経度", &SiteDataRow::longitude, true},
    {"office", "役所", &SiteDataRow::office, false},
    {"origin", "由来", &SiteDataRow::origin, false},
    {"sourceNote", "出典", &SiteDataRow::sourceNote, false},
};

// Every area of the tables, in prefecture and table order, each once.
std::vector<SiteDataRow> site_data_rows(const site::SiteTables& tables);

// The filter: any part of the area name, its reading or the prefecture name;
// katakana counts as hiragana. An empty filter lets every row through.
bool site_data_row_matches(const SiteDataRow& row, std::string_view filter);

// A row as the user types it in the window. Empty altitude, depth and rule
// marker mean "no value" (-1, -1, 0); the coefficients are all given or all left
// empty. The office point is read as the snow panel's site point is ("lat, lon"
// or degrees, minutes and seconds); left empty it changes no office line.
struct UserSiteRow {
    std::string prefecture;
    std::string area;
    std::string reading;
    std::string baseWindSpeed;
    std::string snowZone;
    std::string alpha;
    std::string beta;
    std::string gamma;
    std::string radius;
    std::string altitude;
    std::string snowDepth;
    std::string ruleFlag;
    std::string officePoint;
    std::string officeName;
    std::string sourceNote;
};

UserSiteRow user_site_row(const SiteDataRow& row);

// The window's fields, named by role for the focus of a refused row.
inline constexpr const char* kSitePrefectureField = "sitePrefectureBox";
inline constexpr const char* kSiteAreaField = "siteAreaEdit";
inline constexpr const char* kSiteReadingField = "siteReadingEdit";
inline constexpr const char* kSiteWindSpeedField = "siteWindSpeedEdit";
inline constexpr const char* kSiteZoneField = "siteZoneEdit";
inline constexpr const char* kSiteAlphaField = "siteAlphaEdit";
inline constexpr const char* kSiteBetaField = "siteBetaEdit";
inline constexpr const char* kSiteGammaField = "siteGammaEdit";
inline constexpr const char* kSiteRadiusField = "siteRadiusEdit";
inline constexpr const char* kSiteAltitudeField = "siteAltitudeEdit";
inline constexpr const char* kSiteSnowDepthField = "siteSnowDepthEdit";
inline constexpr const char* kSiteRuleFlagField = "siteRuleFlagEdit";
inline constexpr const char* kSiteOfficePointField = "siteOfficePointEdit";
inline constexpr const char* kSiteOfficeNameField = "siteOfficeNameEdit";
inline constexpr const char* kSiteSourceNoteField = "siteSourceNoteEdit";

// Each field with the member of the row it edits.
struct UserSiteField {
    const char* name;
    std::string UserSiteRow::*value;
};
inline constexpr UserSiteField kUserSiteFields[] = {
    {kSitePrefectureField, &UserSiteRow::prefecture},
    {kSiteAreaField, &UserSiteRow::area},
    {kSiteReadingField, &UserSiteRow::reading},
    {kSiteWindSpeedField, &UserSiteRow::baseWindSpeed},
    {kSiteZoneField, &UserSiteRow::snowZone},
    {kSiteAlphaField, &UserSiteRow::alpha},
    {kSiteBetaField, &UserSiteRow::beta},
    {kSiteGammaField, &UserSiteRow::gamma},
    {kSiteRadiusField, &UserSiteRow::radius},
    {kSiteAltitudeField, &UserSiteRow::altitude},
    {kSiteSnowDepthField, &UserSiteRow::snowDepth},
    {kSiteRuleFlagField, &UserSiteRow::ruleFlag},
    {kSiteOfficePointField, &UserSiteRow::officePoint},
    {kSiteOfficeNameField, &UserSiteRow::officeName},
    {kSiteSourceNoteField, &UserSiteRow::sourceNote},
};

struct UserRowSaved {
    std::optional<FormMessage> failure; // nothing was written
    std::string status;                 // what was stored, for the window to show
};

// Checks the row, puts it into the user's files in session.siteTables.userFolder
// (written atomically; every other line of them kept as it was), reads the
// tables again and, where the row is the selected area or its prefecture, shows
// the change in the input form with the selection behaviours. A row whose
// coefficients are given but whose zone is 0 gets a new zone number of its own.
// An office point or name that differs from the area's office goes into the
// user's office file.
UserRowSaved save_user_site_row(Session& session, const UserSiteRow& row);

} // namespace korvex::form
