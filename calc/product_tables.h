#pragma once

// The fixed product tables: deck types, fasteners and deck unit weights.
// Every lookup outside its table gives 0 (the fastener capacity gives 1600).

namespace korvex::calc {

inline constexpr int kDeckTypeCount = 4;
inline constexpr int kFastenerCount = 3;
inline constexpr int kDeckWidthMm = 600;       // one deck sheet
inline constexpr int kScrewsPerDeckWidth = 3;  // screws per sheet and support
inline constexpr int kElasticModulus = 205000; // N/mm2

const char* deck_name(int deck_index);         // "" outside the table
double deck_height(int deck_index);            // mm
double deck_area(int deck_index);              // cm2
double deck_section_modulus(int deck_index);   // x10^3 mm3 per metre
double deck_moment_of_inertia(int deck_index); // x10^4 mm4 per metre

// surfaceIndex 0 "Z12", 1 "Z27"; N/m2
int deck_unit_weight(int surface_index, int deck_index);

const char* fastener_name(int fastener_index); // "" outside the table
int fastener_capacity(int fastener_index);     // N per screw

} // namespace korvex::calc
