#pragma once

// The span table (許容スパン表): for the design in the form, every deck type with
// one to four equal spans, each with the longest span whose calculation passes
// every check of every load case. Each trial is the Calculate command itself on
// a copy of the form with that deck, span count and span, so the table follows
// every rule the report follows and holds no rule of its own.

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "common/json.h"
#include "form/session.h"
#include "run/span_table.h"

namespace korvex::form {

// Trials scan down from the longest admissible span in strides of this many
// millimetres, then in 10 mm steps within the last stride: a stride keeps the
// table quick, the steps make the answer exact where it lies.
inline constexpr int kSpanTableStride = 50;

// The table, or the message Calculate gives for the design (a height that is no
// number, an overhang out of range, a unit weight of nothing …): spans and deck
// types are the table's to choose, everything else must already calculate.
std::variant<run::SpanTable, FormMessage> build_span_table(const Session& session);

// The deck's unit weight in the table: the weight the form shows for that deck
// with the surface treatment chosen; with "他" the weight typed in, for every deck.
std::string span_table_unit_weight(const InputForm& form, int deck_index);

// {"rows": [{"deckIndex", "deckName", "spanCount", "maxSpan" (null when none),
//            "governing": {"kind", "case" (null for deckLength)}}]}
common::JsonObject span_table_json(const run::SpanTable& table);

// The table for a spreadsheet: UTF-8 with a byte-order mark, CR LF, one row per
// deck type and span count.
std::string span_table_csv(const run::SpanTable& table);

// A cell as the window and the page show it, one line each: the span, what
// stops a longer one, and its load case when it has one.
std::vector<std::string> span_table_cell_lines(const run::SpanTableCell& cell);

// The file a save of the table proposes: beside the project file, named after
// it, or "許容スパン表" in `fallback_folder` while there is none. `extension`
// with its dot (".csv").
std::filesystem::path span_table_proposal(const persist::ProjectPaths& paths,
                                          const std::filesystem::path& fallback_folder,
                                          const char* extension);

} // namespace korvex::form
