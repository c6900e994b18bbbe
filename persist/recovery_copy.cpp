#include "persist/recovery_copy.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "persist/atomic_file.h"

namespace korvex::persist {

namespace fs = std::filesystem;

fs::path recovery_copy_file(const fs::path& folder) {
    return folder / kRecoveryCopyName;
}

bool has_recovery_copy(const fs::path& folder) {
    std::error_code ec;
    return fs::exists(recovery_copy_file(folder), ec);
}

std::string write_recovery_copy(const fs::path& folder, const ProjectLines& lines,
                                const fs::path& origin) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "フォルダ " + folder.string() + " を作成できませんでした。";
    // The origin goes first: a copy is never offered with the origin of another.
    if (std::string error = write_file_atomically(folder / kRecoveryOriginName, origin.string());
        !error.empty())
        return error;
    return write_project_file(recovery_copy_file(folder), lines);
}

std::optional<std::variant<RecoveryCopy, ReadFailure>> read_recovery_copy(const fs::path& folder) {
    if (!has_recovery_copy(folder)) return std::nullopt;
    auto read = read_project_file(recovery_copy_file(folder));
    if (auto* failure = std::get_if<ReadFailure>(&read)) return *failure;
    RecoveryCopy copy;
    copy.lines = std::move(std::get<ProjectLines>(read));
    std::ifstream origin(folder / kRecoveryOriginName, std::ios::binary);
    if (origin) copy.origin = std::string(std::istreambuf_iterator<char>(origin), {});
    return copy;
}

void remove_recovery_copy(const fs::path& folder) {
    std::error_code ignored;
    fs::remove(recovery_copy_file(folder), ignored);
    fs::remove(folder / kRecoveryOriginName, ignored);
}

} // namespace korvex::persist
