#include "persist/user_folders.h"

namespace korvex::persist {

namespace fs = std::filesystem;

fs::path user_data_home(const Getenv& getenv) {
    if (const char* xdg = getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
    if (const char* home = getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share";
    return fs::path(".local") / "share";
}

fs::path korvex_data_folder(const Getenv& getenv) {
    return user_data_home(getenv) / "korvex";
}

fs::path user_site_data_folder(const Getenv& getenv) {
    return korvex_data_folder(getenv) / "Load_data";
}

} // namespace korvex::persist
