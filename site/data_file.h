#pragma once

// Reading one site data file into decoded lines, with a message naming the file
// (and the line, where one is to blame) when it is missing or unreadable.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "site/site_tables.h"

namespace korvex::site {

struct DataFileLines {
    std::vector<std::string> lines; // UTF-8
    std::optional<SiteError> error;
    bool unicode = false; // the file began with a UTF-8 or UTF-16 byte-order mark
};

DataFileLines read_data_file(const std::filesystem::path& folder, const std::string& file_name);

// The same for a file anywhere; messages name it as `shown_name`.
DataFileLines read_text_file(const std::filesystem::path& path, const std::string& shown_name);

SiteError line_error(const std::string& file_name, int line, const std::string& what);

// Checks the field count of one split line.
std::optional<SiteError> check_field_count(const std::string& file_name, int line,
                                           std::size_t count, std::size_t needed);

} // namespace korvex::site
