#pragma once

// The project file (*.kvxw) on disk: 65 text lines in Shift_JIS with CR LF, the
// first one identifying the file. This is the file side only; which control each
// line belongs to is the input form's business.

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace korvex::persist {

inline constexpr int kProjectLineCount = 65;
inline constexpr const char* kProjectIdentification = "korvex for wood";
inline constexpr const char* kNotAProjectMessage = "「Korvex木造梁」用のデータではありません。";
inline constexpr const char* kProjectExtension = ".kvxw";

// A project is a few hundred bytes; anything far larger is not one of ours and is
// refused before it is read whole.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 1024 * 1024;
inline constexpr std::size_t kMaxProjectLineBytes = 10000;

using ProjectLines = std::vector<std::string>; // UTF-8, without line breaks

struct ReadFailure {
    std::string message;
};

// Reads and decodes the whole file (Shift_JIS, or UTF-8/UTF-16 after a byte-order
// mark). Fails with a clear message for a missing, unreadable, oversized or
// undecodable file.
std::variant<ProjectLines, ReadFailure> read_project_file(const std::filesystem::path& file);

// Line 0 contains the identification (case-sensitive).
bool is_project(const ProjectLines& lines);

// The file's bytes: the lines in Shift_JIS, each ending with CR LF; or the
// message for a line that Shift_JIS cannot hold (then no bytes).
struct EncodedProject {
    std::string bytes;
    std::string error;
};
EncodedProject encode_project_file(const ProjectLines& lines);

// Writes the lines as encode_project_file encodes them. The file is written beside
// the target and renamed over it, so a failure never damages an existing project.
// Returns an error message, empty on success.
std::string write_project_file(const std::filesystem::path& file, const ProjectLines& lines);

// The file paths a running program remembers.
struct ProjectPaths {
    std::filesystem::path lastOpenedPath;  // the file last chosen in the open dialog
    std::filesystem::path lastSavedPath;   // the file last written
    std::filesystem::path currentFilePath; // the project's file, printed in the footer
};

struct SaveProposal {
    std::filesystem::path folder;
    std::string fileName;
};

// The save dialog proposes the opened file's folder and name (extension .kvxw),
// else the saved file's, else "Data.kvxw" in the folder "Data" beside the program.
SaveProposal propose_save(const ProjectPaths& paths, const std::filesystem::path& program_folder);

// The open dialog starts in the opened file's folder, else the saved file's, else
// the folder "Data" beside the program.
std::filesystem::path propose_open_folder(const ProjectPaths& paths,
                                          const std::filesystem::path& program_folder);

// A name chosen without the extension receives ".kvxw".
std::filesystem::path with_project_extension(std::filesystem::path file);

// "Korvex for wood [" + path + "]"
std::string project_caption(const std::filesystem::path& file);

} // namespace korvex::persist
