#pragma once

// The coastline file of a data folder, read when a sea ratio is first asked
// for: the desktop reads its 200 kB in a few milliseconds, and the browser
// edition loads the file only for the designs that need it.

#include <filesystem>
#include <memory>
#include <string>

#include "sea/coastline_file.h"

namespace korvex::sea {

class CoastlineStore {
public:
    explicit CoastlineStore(std::filesystem::path file) : file_(std::move(file)) {}

    // The coastline, or null (error() says why); a failed read is tried again at
    // the next call, since the file may have come in the meantime.
    const Coastline* coastline() const;
    const std::string& error() const { return read_.error; }
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    mutable CoastlineRead read_;
};

} // namespace korvex::sea
