#include "sea/coastline_store.h"

namespace korvex::sea {

const Coastline* CoastlineStore::coastline() const {
    if (read_.coastline) return read_.coastline.get();
    read_ = read_coastline_file(file_);
    std::error_code ec;
    awaiting_ = !read_.coastline && !awaited_.empty() && !std::filesystem::exists(file_, ec);
    if (awaiting_) read_.error = awaited_;
    return read_.coastline.get();
}

} // namespace korvex::sea
