#pragma once

// Writing a file so that a failure, a crash or a full disk never leaves it half
// written: the bytes go to a file beside it, which is then renamed over it.

#include <filesystem>
#include <string>

namespace korvex::persist {

// Returns an error message in Japanese naming the file, empty on success. The
// old file, if any, is untouched on failure.
std::string write_file_atomically(const std::filesystem::path& file, const std::string& bytes);

} // namespace korvex::persist
