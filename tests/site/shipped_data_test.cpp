#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/number_parse.h"
#include "common/number_text.h"
#include "site/site_tables.h"

namespace korvex::site {
namespace {

// The data files the program ships, read whole as the program reads them.
TEST(ShippedSiteData, EveryPrefectureHasAreasAndEveryZoneExists) {
    SiteTables tables;
    SiteValues values;
    std::vector<std::string> areas;
    const auto error = load_address_table(KORVEX_DATA_DIR, tables, values, areas);
    ASSERT_FALSE(error) << error->message;
    ASSERT_FALSE(load_snow_zone_table(tables, values.snowZone, values));
    EXPECT_FALSE(areas.empty());

    for (const char* prefecture : kPrefectureNames) {
        fill_prefecture_areas(tables, prefecture, values, areas);
        EXPECT_FALSE(areas.empty()) << prefecture;
    }

    std::set<int> zones;
    for (const SnowZoneRow& row : tables.snowZoneRows) zones.insert(row.snowZone);
    for (const AddressRow& row : tables.addressRows) {
        if (!row.hasNumbers) continue;
        // Membership is by the name anywhere in the line, so a row naming two
        // prefectures would turn up in both lists.
        const auto named =
            std::count_if(kPrefectureNames.begin(), kPrefectureNames.end(),
                          [&](const char* prefecture) { return row_belongs_to(row, prefecture); });
        EXPECT_EQ(named, 1) << "line " << row.line;
        if (row.snowZone != 0) {
            EXPECT_TRUE(zones.count(row.snowZone)) << "line " << row.line;
        }
    }

    // The snow panel shows a zone's coefficients as texts and computes from what
    // it shows: the text must read back to the very value of the table.
    for (const SnowZoneRow& row : tables.snowZoneRows)
        for (double coefficient : {row.snowCoefA, row.snowCoefB, row.snowCoefC})
            EXPECT_EQ(common::parse_decimal(common::shortest_decimal(coefficient)), coefficient)
                << "zone " << row.snowZone;
}

// Every area row has its office's point, keyed by its prefecture and area
// name; the split rows 市(旧A・B) are marked as having the current
// municipality's office.
TEST(ShippedSiteData, EveryAreaHasItsOfficePointInJapan) {
    SiteTables tables;
    SiteValues values;
    std::vector<std::string> areas;
    ASSERT_FALSE(load_address_table(KORVEX_DATA_DIR, tables, values, areas));
    std::size_t rows = 0;
    for (const AddressRow& row : tables.addressRows) {
        if (!row.hasNumbers) continue;
        ++rows;
        const OfficeRow* office = find_office_row(tables, row.fields[2], row.area_name());
        ASSERT_NE(office, nullptr) << row.area_name();
        EXPECT_EQ(office->currentMunicipality, row.area_name().find("(旧") != std::string::npos)
            << row.area_name();
        EXPECT_TRUE(office->point.latitude > 24.0 && office->point.latitude < 45.6 &&
                    office->point.longitude > 122.9 && office->point.longitude < 146.0)
            << row.area_name();
    }
    EXPECT_EQ(tables.officeRows.size(), rows);
}

} // namespace
} // namespace korvex::site
