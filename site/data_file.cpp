#include "site/data_file.h"

#include <fstream>
#include <iterator>

#include "common/text_encoding.h"

namespace korvex::site {

namespace {

std::string file_label(const std::string& file_name) {
    return "地域データファイル「" + file_name + "」";
}

SiteError file_error(const std::string& file_name, const std::filesystem::path& path,
                     const std::string& what) {
    return {file_name, 0, file_label(file_name) + what + "\n場所: " + path.string()};
}

// The first line whose bytes do not decode, so the message can point at it.
// Only byte-oriented encodings can be cut at line breaks before decoding.
int first_undecodable_line(std::string_view bytes) {
    const bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
    if (!utf8 && (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))) return 0;
    if (utf8) bytes.remove_prefix(3);
    const auto lines = common::split_lines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool ok = utf8 ? common::decode_file_text("\xEF\xBB\xBF" + line).has_value()
                             : common::cp932_to_utf8(line).has_value();
        if (!ok) return static_cast<int>(i) + 1;
    }
    return 0;
}

} // namespace

SiteError line_error(const std::string& file_name, int line, const std::string& what) {
    return {file_name, line,
            file_label(file_name) + "の " + std::to_string(line) + " 行目：" + what};
}

std::optional<SiteError> check_field_count(const std::string& file_name, int line,
                                           std::size_t count, std::size_t needed) {
    if (count >= needed) return std::nullopt;
    const std::string need = std::to_string(needed) + " 個以上の項目が必要です。";
    if (count == 0) return line_error(file_name, line, "空の行があります。行ごとに" + need);
    return line_error(file_name, line,
                      "項目が " + std::to_string(count) + " 個しかありません。" + need);
}

DataFileLines read_data_file(const std::filesystem::path& folder, const std::string& file_name) {
    return read_text_file(folder / file_name, file_name);
}

DataFileLines read_text_file(const std::filesystem::path& path, const std::string& file_name) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {{}, file_error(file_name, path, "が見つかりません。")};
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec))
        return {{}, file_error(file_name, path, "を読み込めません。")};
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return {{}, file_error(file_name, path, "を読み込めません。")};

    const auto text = common::decode_file_text(bytes);
    if (!text) {
        const std::string hint = "Shift_JIS、またはBOM付きのUTF-8かUTF-16で保存して下さい。";
        const int line = first_undecodable_line(bytes);
        if (line > 0) return {{}, line_error(file_name, line, "文字を読み取れません。" + hint)};
        return {{}, file_error(file_name, path, "の文字を読み取れません。" + hint)};
    }
    const bool unicode = bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
                         bytes.starts_with("\xFE\xFF");
    return {common::split_lines(*text), std::nullopt, unicode};
}

} // namespace korvex::site
