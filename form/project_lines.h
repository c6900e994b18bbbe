#pragma once

// The lines of a project file and the controls they come from and go back to,
// as one table that saving and loading both walk. Loading puts the values back
// in line order and runs the window's own change behaviours as if the user had
// entered them.

#include <functional>
#include <string>
#include <vector>

#include "form/session.h"
#include "persist/project_file.h"

namespace korvex::form {

struct ProjectApplyReport {
    // Messages to show one after the other, e.g. a ratio line that is no number.
    std::vector<std::string> messages;
    // Loading stopped at a line that had to be a number; the lines before it stay
    // applied, the rest keeps its previous state.
    bool stopped = false;
};

// How a line is read back.
enum class LineKind {
    identification, // must contain the identification text
    listIndex,      // an index into a list; anything else gives the default
    choice,         // the file code of a closed set; anything else gives the default
    text,           // copied unchanged
    integer,        // an integer, or the default
    strictInteger,  // an integer, or the loading stops with a message
    ratio,          // a combination ratio 0..100, or the default with a message
    unitWeight,     // a number written back plainly, or the text kept as typed
    ignored,        // written, never read
    flag,           // "1" turns on the lines after it; anything else, or no line, leaves them off
};

class LineLoader;

struct ProjectLine {
    int number = 0; // from 0
    const char* meaning = "";
    LineKind kind = LineKind::text;
    const char* defaultText = ""; // what a missing or unreadable line stands for
    const char* field = "";       // the control or record the line belongs to
    std::function<std::string(const Session&)> save;
    // Puts the line back; false stops the loading (the report says why).
    std::function<bool(LineLoader&)> load;
    // Whether saving writes the line; empty: always. Only the lines at the end
    // of the file may be left out, so every other line keeps its number.
    std::function<bool(const Session&)> written{};
};

// Every line of a project file, in file order: the 65 lines every project has,
// then lines 65-69 that a design with typed snow coefficients writes, and lines
// 70-73 that a design with the site's own point, or a sea ratio taken from its
// reference, writes (with lines 65-69 before them, line 65 "0" when nothing
// was typed). Older programs read the first 65 lines and leave the rest.
const std::vector<ProjectLine>& project_line_table();

persist::ProjectLines collect_project_lines(const Session& session);

// Applies the lines after line 0 (identified by the caller). A file with fewer
// lines reads the missing ones as empty.
ProjectApplyReport apply_project_lines(Session& session, const persist::ProjectLines& lines);

} // namespace korvex::form
