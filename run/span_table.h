#pragma once

// What the span table holds: for each deck type and span count, the longest
// equal span whose calculation passes every check, and the check that fails
// just above it. The search itself runs the Calculate command and lives with
// the input form (form/span_table.h); these are the records the window, the
// printed page, the CSV and the JSON all read.

#include <optional>
#include <string>
#include <vector>

#include "run/run_records.h"

namespace korvex::run {

// The spans tried: from 600 mm in steps of 10 mm.
inline constexpr int kShortestTableSpan = 600;
inline constexpr int kTableSpanStep = 10;

// What stops a longer span: one of the three kinds of check, or the maximum deck
// length when the longest span the deck length admits still passes.
enum class GoverningKind { stress, deflection, joint, deckLength };

struct GoverningCheck {
    GoverningKind kind = GoverningKind::stress;
    std::string caseName; // the case of the failing check; empty for deckLength
};

struct SpanTableCell {
    int deckIndex = 0;
    std::string deckName;
    int spanCount = 1;
    // The longest span the maximum deck length admits with this span count and
    // the overhang, on the 10 mm grid; below 600 mm no span is tried at all.
    int longestAdmissible = 0;
    std::optional<int> maxSpan; // none when even 600 mm fails
    GoverningCheck governing;   // at maxSpan + 10 mm, or at 600 mm when none passes
};

// The design the table is for, as label and value texts ("所在地", "北海道 札幌市").
struct SpanTableCondition {
    std::string label;
    std::string value;
};

struct SpanTable {
    std::vector<SpanTableCondition> conditions;
    std::vector<SpanTableCell> cells; // deck by deck, span counts 1 to 4 within each
};

// The first check of the run that fails, in the order of the report: case by
// case, and within a case as its check page prints them. None when all pass.
std::optional<GoverningCheck> first_failed_check(const CalculationRun& run);

GoverningKind governing_kind(CheckKind check);

// "stress", "deflection", "joint", "deckLength": the JSON's names.
const char* governing_kind_name(GoverningKind kind);
// "応力", "たわみ", "接合部", "デッキ最大長さ": the window's and the page's.
const char* governing_kind_text(GoverningKind kind);

// "2,730 mm", or "なし" when even 600 mm fails.
std::string max_span_text(const SpanTableCell& cell);
// "たわみ：長期", "デッキ最大長さ".
std::string governing_text(const GoverningCheck& governing);

} // namespace korvex::run
