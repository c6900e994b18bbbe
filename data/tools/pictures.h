#pragma once

// The pictures of the data folder: roof types, building forms, canopy roof
// shapes and the terrain roughness categories.

#include <QImage>

namespace korvex::pictures {

inline constexpr int kRoofWidth = 270;
inline constexpr int kRoofHeight = 64;
inline constexpr int kFormWidth = 270;
inline constexpr int kFormHeight = 60;
inline constexpr int kRoughnessWidth = 188;
inline constexpr int kRoughnessHeight = 96;

QImage shed_roof();
QImage gable_roof();
QImage circular_arc_roof();
QImage independent_roof();

QImage closed_building();
QImage windward_open_building();
QImage leeward_open_building();
QImage gable_canopy();
QImage wing_canopy();

QImage roughness_categories();

} // namespace korvex::pictures
