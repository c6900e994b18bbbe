#pragma once

// The span table on one printed A4 sheet: the subject box and top page number of
// the report's first sheet, the title, the design the table is for, the table of
// four deck types by one to four spans, how to read it, and the report's footer
// with the bottom page number.

#include <array>

#include "report/report_canvas.h"
#include "run/span_table.h"

namespace korvex::report {

inline constexpr const char* kSpanTableTitle = "Korvex構造計算(木造梁)－許容スパン表－";

// How to read the table; the window shows the same lines.
inline constexpr std::array<const char*, 4> kSpanTableNotes = {
    "許容スパン：600 mm から 10 mm 刻みの等スパンで、全ての荷重ケースの応力・たわみ・"
    "接合部の検討がＯＫとなる最長のスパン",
    "決定要因：許容スパンより 10 mm 長いスパンで最初にＮＧとなる検討と、その荷重ケース"
    "（「なし」は 600 mm での検討）",
    "デッキ最大長さ：はね出しを含むデッキの長さが最大長さに達し、それより長いスパンは"
    "検討できません",
    "各デッキの単位重量は表面処理に応じた値（表面処理「他」では入力された値）です",
};

// Draws the sheet after `begin_report` on paper and ends it as the last one.
void draw_span_table_page(ReportCanvas& canvas, const run::SpanTable& table);

} // namespace korvex::report
