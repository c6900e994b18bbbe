#include "persist/project_file.h"

#include "persist/atomic_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/text_encoding.h"

namespace korvex::persist {

namespace fs = std::filesystem;

std::variant<ProjectLines, ReadFailure> read_project_file(const fs::path& file) {
    const std::string name = file.string();
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return ReadFailure{"ファイル " + name + " が見つからないか、読み込めません。"};
    const auto size = fs::file_size(file, ec);
    if (ec) return ReadFailure{"ファイル " + name + " を読み込めません。"};
    if (size > kMaxProjectFileBytes)
        return ReadFailure{"ファイル " + name +
                           " は大きすぎるため読み込めません。データファイルではありません。"};

    std::ifstream in(file, std::ios::binary);
    if (!in) return ReadFailure{"ファイル " + name + " を開けません。"};
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) return ReadFailure{"ファイル " + name + " を読み込めません。"};

    const auto text = common::decode_file_text(bytes);
    if (!text)
        return ReadFailure{"ファイル " + name +
                           " の文字を読み取れません（Shift_JIS、または BOM 付きの UTF-8・"
                           "UTF-16 で保存されたファイルのみ読み込めます）。"};
    ProjectLines lines = common::split_lines(*text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kMaxProjectLineBytes)
            return ReadFailure{"ファイル " + name + " の " + std::to_string(i + 1) +
                               " 行目が長すぎるため読み込めません。データファイルではありません。"};
    }
    return lines;
}

bool is_project(const ProjectLines& lines) {
    return !lines.empty() && lines[0].find(kProjectIdentification) != std::string::npos;
}

EncodedProject encode_project_file(const ProjectLines& lines) {
    EncodedProject file;
    for (const std::string& line : lines) {
        const auto encoded = common::utf8_to_cp932(line);
        if (!encoded)
            return {{},
                    "「" + line + "」に Shift_JIS で保存できない文字が含まれているため、" +
                        "保存できません。"};
        file.bytes += *encoded;
        file.bytes += "\r\n";
    }
    return file;
}

std::string write_project_file(const fs::path& file, const ProjectLines& lines) {
    const EncodedProject encoded = encode_project_file(lines);
    if (!encoded.error.empty()) return encoded.error;
    return write_file_atomically(file, encoded.bytes);
}

SaveProposal propose_save(const ProjectPaths& paths, const fs::path& program_folder) {
    const fs::path& from =
        !paths.lastOpenedPath.empty() ? paths.lastOpenedPath : paths.lastSavedPath;
    if (from.empty()) return {program_folder / "Data", "Data.kvxw"};
    fs::path name = from.filename();
    name.replace_extension(kProjectExtension);
    return {from.parent_path(), name.string()};
}

fs::path propose_open_folder(const ProjectPaths& paths, const fs::path& program_folder) {
    if (!paths.lastOpenedPath.empty()) return paths.lastOpenedPath.parent_path();
    if (!paths.lastSavedPath.empty()) return paths.lastSavedPath.parent_path();
    return program_folder / "Data";
}

fs::path with_project_extension(fs::path file) {
    if (file.extension() != kProjectExtension) file += kProjectExtension;
    return file;
}

std::string project_caption(const fs::path& file) {
    return "Korvex for wood [" + file.string() + "]";
}

} // namespace korvex::persist
