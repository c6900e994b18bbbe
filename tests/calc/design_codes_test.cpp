#include <gtest/gtest.h>

#include "calc/design_codes.h"

namespace korvex::calc {
namespace {

// Each closed set's codes as the project file stores them: the file's ranges do
// not overlap between neighbouring choice lines, and nothing outside them reads
// as a value.
TEST(DesignCodes, FileCodesRoundTripAndRefuseEverythingElse) {
    EXPECT_EQ(file_code(RoofType::monoPitch), 3);
    EXPECT_EQ(file_code(RoofType::canopy), 6);
    EXPECT_EQ(file_code(BuildingForm::closed), 7);
    EXPECT_EQ(file_code(BuildingForm::leewardOpen), 9);
    EXPECT_EQ(file_code(CanopyShape::wing), 11);
    EXPECT_EQ(file_code(SnowMethod::typedDepth), 1);
    EXPECT_EQ(file_code(SnowMethod::formula), 2);
    EXPECT_EQ(file_code(LayoutMode::directLoads), 1);

    for (int c = 3; c <= 6; ++c) EXPECT_EQ(file_code(*from_file_code<RoofType>(c)), c);
    for (int c = 7; c <= 9; ++c) EXPECT_EQ(file_code(*from_file_code<BuildingForm>(c)), c);
    for (int bad : {2, 7, -2147483647 - 1, 2147483647}) EXPECT_FALSE(from_file_code<RoofType>(bad));
    for (int bad : {0, 6, 10, 2147483647}) EXPECT_FALSE(from_file_code<BuildingForm>(bad));
    for (int bad : {9, 12}) EXPECT_FALSE(from_file_code<CanopyShape>(bad));
    for (int bad : {0, 3}) EXPECT_FALSE(from_file_code<SnowMethod>(bad));
    EXPECT_FALSE(from_code<CantileverMode>(4));
    EXPECT_FALSE(from_code<CantileverMode>(-1));
}

TEST(DesignCodes, DerivedValuesOfTheSets) {
    EXPECT_EQ(roof_kind(RoofType::monoPitch), RoofKind::pitched);
    EXPECT_EQ(roof_kind(RoofType::gable), RoofKind::pitched);
    EXPECT_EQ(roof_kind(RoofType::arc), RoofKind::arc);
    EXPECT_EQ(roof_kind(RoofType::canopy), RoofKind::canopy);
    EXPECT_TRUE(has_left_cantilever(CantileverMode::both));
    EXPECT_FALSE(has_left_cantilever(CantileverMode::right));
    EXPECT_TRUE(has_right_cantilever(CantileverMode::right));
    EXPECT_EQ(wind_pass_text(WindPass::positive), "Ps");
    EXPECT_EQ(wind_pass_text(WindPass::negative), "Ms");
}

} // namespace
} // namespace korvex::calc
