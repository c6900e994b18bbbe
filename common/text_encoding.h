#pragma once

// Texts live in the program as UTF-8. Files on disk are Shift_JIS (code page 932),
// and a file that starts with a UTF-8 or UTF-16 byte-order mark is read in that
// encoding instead. Conversion happens only at the file boundary.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex::common {

// Number of bytes the text takes in code page 932: one for ASCII and half-width
// katakana, two for every other character. Layout code estimates widths with it.
std::size_t cp932_byte_length(std::string_view utf8);

// nullopt when a character has no code page 932 form.
std::optional<std::string> utf8_to_cp932(std::string_view utf8);

// nullopt when the bytes are not valid code page 932.
std::optional<std::string> cp932_to_utf8(std::string_view bytes);

// Decodes a whole file: UTF-8 or UTF-16 (LE/BE) after a byte-order mark, else
// code page 932. nullopt when the bytes are not valid in that encoding.
std::optional<std::string> decode_file_text(std::string_view bytes);

// Splits at CR LF, LF or CR. A final line break does not start another line.
std::vector<std::string> split_lines(std::string_view text);

} // namespace korvex::common
