#include <gtest/gtest.h>

#include "calc/product_tables.h"

namespace korvex::calc {
namespace {

TEST(ProductTables, DeckPropertiesAndOutOfRange) {
    EXPECT_DOUBLE_EQ(deck_section_modulus(3) * 1000, 52700);
    EXPECT_DOUBLE_EQ(deck_moment_of_inertia(3) * 10000, 2160000);
    EXPECT_DOUBLE_EQ(deck_area(0), 9.784);
    EXPECT_DOUBLE_EQ(deck_height(2), 75);
    for (int bad : {-1, 4}) {
        EXPECT_EQ(deck_height(bad), 0);
        EXPECT_EQ(deck_area(bad), 0);
        EXPECT_EQ(deck_section_modulus(bad), 0);
        EXPECT_EQ(deck_moment_of_inertia(bad), 0);
        EXPECT_EQ(deck_unit_weight(0, bad), 0);
    }
}

TEST(ProductTables, UnitWeightsBySurface) {
    const int z12[] = {127, 169, 138, 183};
    const int z27[] = {131, 172, 142, 188};
    for (int deck = 0; deck < kDeckTypeCount; ++deck) {
        EXPECT_EQ(deck_unit_weight(0, deck), z12[deck]);
        EXPECT_EQ(deck_unit_weight(1, deck), z27[deck]);
    }
    EXPECT_EQ(deck_unit_weight(2, 0), 0); // "他": typed by the user
}

TEST(ProductTables, FastenerCapacityDefaultsTo1600) {
    EXPECT_EQ(fastener_capacity(0), 1600);
    EXPECT_EQ(fastener_capacity(1), 1120);
    EXPECT_EQ(fastener_capacity(2), 1625);
    EXPECT_EQ(fastener_capacity(3), 1600);
    EXPECT_EQ(fastener_capacity(-1), 1600);
    EXPECT_STREQ(fastener_name(2), "木ねじ SR5×105 2本");
}

} // namespace
} // namespace korvex::calc
