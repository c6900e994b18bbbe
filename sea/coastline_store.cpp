#include "sea/coastline_store.h"

namespace korvex::sea {

const Coastline* CoastlineStore::coastline() const {
    if (!read_.coastline) read_ = read_coastline_file(file_);
    return read_.coastline.get();
}

} // namespace korvex::sea
