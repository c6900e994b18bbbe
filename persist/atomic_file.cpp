#include "persist/atomic_file.h"

#include <fstream>
#include <random>
#include <system_error>

namespace korvex::persist {

namespace fs = std::filesystem;

std::string write_file_atomically(const fs::path& file, const std::string& bytes) {
    std::random_device random;
    const fs::path temporary = file.parent_path() / (file.filename().string() + ".tmp" +
                                                     std::to_string(random() % 1000000));
    const std::string failed = "ファイル " + file.string() + " に保存できませんでした。";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return failed + "保存先のフォルダに書き込めません。";
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return failed + "書き込み中にエラーが発生しました。";
        }
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failed + "元のファイルはそのまま残っています。";
    }
    return {};
}

} // namespace korvex::persist
