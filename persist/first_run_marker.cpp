#include "persist/first_run_marker.h"

#include "persist/user_folders.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace korvex::persist {

namespace fs = std::filesystem;

fs::path first_run_marker_path(const std::function<const char*(const char*)>& getenv) {
    return user_data_home(getenv) / "Velmora_DeckPlate" / "korvex_wood.dat";
}

namespace {

std::string failure(const fs::path& marker, const std::string& what) {
    return "初回起動の記録ファイル " + marker.string() + " を" + what +
           "できませんでした。プログラムはこのまま使用できます。";
}

} // namespace

FirstRunResult check_first_run(const fs::path& marker, const std::function<void()>& show_notice) {
    FirstRunResult result;
    std::error_code ec;
    const bool present = fs::is_directory(marker.parent_path(), ec) && fs::exists(marker, ec);
    if (!present) {
        show_notice();
        result.noticeShown = true;
        fs::create_directories(marker.parent_path(), ec);
        if (ec) {
            result.error = failure(marker, "作成");
            return result;
        }
    }

    std::array<unsigned char, 4> bytes{};
    std::size_t have = 0;
    {
        std::ifstream in(marker, std::ios::binary);
        if (in) {
            in.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
            have = static_cast<std::size_t>(in.gcount());
        }
    }
    const std::uint32_t stored = static_cast<std::uint32_t>(bytes[0]) | (bytes[1] << 8) |
                                 (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    if (have == 4 && stored == kFirstRunMarkerValue) return result;

    // Overwrite the first four bytes (creating the file when it is missing) and keep
    // anything after them.
    std::fstream out(marker, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) out.open(marker, std::ios::binary | std::ios::out | std::ios::trunc);
    const unsigned char value[4] = {kFirstRunMarkerValue, 0, 0, 0};
    if (out) {
        out.seekp(0);
        out.write(reinterpret_cast<const char*>(value), 4);
        out.flush();
    }
    if (!out) result.error = failure(marker, "書き込み");
    return result;
}

} // namespace korvex::persist
