#pragma once

// The coastline file of the data folder, written by data/tools/cut_coastline.py
// from OpenStreetMap's seas (ODbL 1.0): "KVXSEA01", the box as four int32
// (west, south, east, north in 1e-5 degrees), the ring and point counts as
// uint32, then per ring its point count and each point's change from the point
// before, as LEB128 numbers (the changes zigzag-coded). All little-endian.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "sea/coastline.h"

namespace korvex::sea {

inline constexpr const char* kCoastlineFileName = "Data_Coastline.bin";

struct CoastlineRead {
    std::shared_ptr<const Coastline> coastline; // null on failure
    std::string error;                          // the Japanese message, naming the file
};

CoastlineRead read_coastline_file(const std::filesystem::path& path);

// The bytes of such a file; messages name it `shown_name`.
CoastlineRead parse_coastline(std::string_view bytes, const std::string& shown_name);

} // namespace korvex::sea
