#pragma once

// The coastline file of a data folder, read when a sea ratio is first asked
// for: the desktop reads its 200 kB in a few milliseconds, and the browser
// edition brings the file in only for the designs that need it.

#include <filesystem>
#include <memory>
#include <string>

#include "sea/coastline_file.h"

namespace korvex::sea {

class CoastlineStore {
public:
    explicit CoastlineStore(std::filesystem::path file) : file_(std::move(file)) {}

    // A store whose file is brought into the folder later, when a ratio is
    // first asked for: until it is there, error() says `awaited` (that it is on
    // its way) rather than that it is missing.
    CoastlineStore(std::filesystem::path file, std::string awaited)
        : file_(std::move(file)), awaited_(std::move(awaited)) {}

    // The coastline, or null (error() says why); a failed read is tried again at
    // the next call, since the file may have come in the meantime.
    const Coastline* coastline() const;
    const std::string& error() const { return read_.error; }
    const std::filesystem::path& file() const { return file_; }

    // Whether a ratio was asked for while the awaited file was not there yet:
    // the file should now be brought in.
    bool awaiting() const { return awaiting_; }

private:
    std::filesystem::path file_;
    std::string awaited_;
    mutable CoastlineRead read_;
    mutable bool awaiting_ = false;
};

} // namespace korvex::sea
