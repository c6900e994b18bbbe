#include "sea/coastline_store.h"

namespace korvex::sea {

const Coastline* CoastlineStore::coastline() const {
    if (read_.coastline) return read_.coastline.get();
    // A file still on its way is not looked for as a missing one.
    std::error_code ec;
    awaiting_ = !awaited_.empty() && !std::filesystem::exists(file_, ec);
    read_ = awaiting_ ? CoastlineRead{nullptr, awaited_} : read_coastline_file(file_);
    return read_.coastline.get();
}

} // namespace korvex::sea
