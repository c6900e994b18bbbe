#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "common/json.h"
#include "form/calculate.h"
#include "form/layout.h"
#include "form/span_table.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

using run::GoverningKind;

// What a brute-force scan finds for one cell: every span from 600 mm to the
// longest the deck length admits, each one pressed through Calculate on the
// whole session.
struct Scanned {
    std::optional<int> maxSpan;
    GoverningKind kind = GoverningKind::deckLength;
    std::string caseName;
};

// The first failing check of the run, in report order, by the test's own walk.
std::optional<std::pair<GoverningKind, std::string>> first_failure(const run::CalculationRun& r) {
    for (const run::CheckPage& page : r.checkPages)
        for (const run::CheckLine& line : page.lines) {
            if (line.ok) continue;
            GoverningKind kind = GoverningKind::joint;
            if (line.kind == run::CheckKind::stress ||
                line.kind == run::CheckKind::cantileverStress)
                kind = GoverningKind::stress;
            if (line.kind == run::CheckKind::deflection ||
                line.kind == run::CheckKind::cantileverDeflection)
                kind = GoverningKind::deflection;
            return std::pair{kind, page.caseRun.caseName};
        }
    return std::nullopt;
}

Scanned brute_force(const Session& design, int deck, int span_count) {
    Session s = design;
    s.form.deckTypeBox.itemIndex = deck;
    update_unit_weight(s.form);
    while (s.form.spanCountSpin.value < span_count)
        set_spin_value(s.form, s.form.spanCountSpin, s.form.spanCountSpin.value + 1);
    const int overhang =
        s.form.cantileverLengthEdit.visible ? std::stoi(s.form.cantileverLengthEdit.text) : 0;
    const int top = (s.coefficients.maxDeckLength - overhang) / span_count / 10 * 10;

    std::vector<std::optional<std::pair<GoverningKind, std::string>>> failures;
    for (int span = 600; span <= top; span += 10) {
        for (int i = 1; i <= span_count; ++i) span_edit(s.form, i).text = std::to_string(span);
        const auto refused = calculate(s);
        EXPECT_FALSE(refused) << refused->text;
        failures.push_back(first_failure(s.run));
    }
    Scanned scanned;
    std::size_t above = 0; // the index of the span that governs
    for (std::size_t i = failures.size(); i-- > 0;) {
        if (!failures[i]) {
            scanned.maxSpan = 600 + 10 * static_cast<int>(i);
            above = i + 1;
            break;
        }
    }
    if (above < failures.size()) {
        scanned.kind = failures[above]->first;
        scanned.caseName = failures[above]->second;
    }
    return scanned;
}

class SpanTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        ASSERT_FALSE(start_session(session, folder.path(), "1.0"));
    }

    void expect_brute_force_answers() {
        const auto built = build_span_table(session);
        ASSERT_TRUE(std::holds_alternative<run::SpanTable>(built))
            << std::get<FormMessage>(built).text;
        const run::SpanTable& table = std::get<run::SpanTable>(built);
        ASSERT_EQ(table.cells.size(), 16u);
        for (const run::SpanTableCell& cell : table.cells) {
            SCOPED_TRACE(cell.deckName + " × " + std::to_string(cell.spanCount));
            const Scanned scanned = brute_force(session, cell.deckIndex, cell.spanCount);
            EXPECT_EQ(cell.maxSpan, scanned.maxSpan);
            EXPECT_EQ(cell.governing.kind, scanned.kind);
            EXPECT_EQ(cell.governing.caseName, scanned.caseName);
        }
    }

    korvex::testing::DataFolder folder;
    Session session;
};

// Sapporo with 200 cm of snow: every case of a heavy-snow area, the no-snow
// suction case among them.
TEST_F(SpanTableTest, HeavySnowDesignMatchesABruteForceScan) {
    set_spin_value(session.form, session.form.snowDepthSpin, 200);
    ASSERT_TRUE(session.form.heavySnowCheck.checked);
    expect_brute_force_answers();
}

// A 1000 mm overhang in an ordinary area: short spans fail where the overhang
// lifts the deck off its far support, longer ones pass, the longest fail again.
// A search that stopped at the first failure from 600 mm up would find nothing.
TEST_F(SpanTableTest, OverhangDesignMatchesABruteForceScan) {
    InputForm& f = session.form;
    set_spin_value(f, f.snowDepthSpin, 30);
    ASSERT_FALSE(f.heavySnowCheck.checked);
    f.cantileverBox.itemIndex = 1;
    update_spans(f);
    f.cantileverLengthEdit.text = "1000";
    expect_brute_force_answers();

    const auto built = build_span_table(session);
    const run::SpanTable& table = std::get<run::SpanTable>(built);
    const run::SpanTableCell& kx50_16 = table.cells[4];
    ASSERT_EQ(kx50_16.deckName, "KX-50-16");
    ASSERT_EQ(kx50_16.spanCount, 1);
    ASSERT_TRUE(kx50_16.maxSpan);
    EXPECT_GT(*kx50_16.maxSpan, 2000);
    session.form.span1Edit.text = "600";
    set_spin_value(f, f.spanCountSpin, 1);
    f.deckTypeBox.itemIndex = 1;
    update_unit_weight(f);
    ASSERT_FALSE(calculate(session));
    EXPECT_NE(session.run.verdict.counters.joint + session.run.verdict.counters.deflection +
                  session.run.verdict.counters.stress,
              0)
        << "600 mm fails with this overhang";
}

// The table tries its own spans and deck types; every other input must pass
// Calculate's checks, and the first that does not is reported as Calculate does.
TEST_F(SpanTableTest, ADesignCalculateRefusesGivesItsMessage) {
    session.form.span1Edit.text = "abc"; // the table's to choose: no fault
    ASSERT_TRUE(std::holds_alternative<run::SpanTable>(build_span_table(session)));

    session.form.eaveHeightEdit.text = "";
    const auto refused = build_span_table(session);
    ASSERT_TRUE(std::holds_alternative<FormMessage>(refused));
    EXPECT_EQ(std::get<FormMessage>(refused).focus, "eaveHeightEdit");
}

TEST_F(SpanTableTest, EachDeckTakesItsOwnUnitWeight) {
    InputForm& f = session.form;
    struct Case {
        int surface;
        const char* typed;
        std::array<const char*, 4> weights;
    };
    const Case cases[] = {
        {0, "", {"127", "169", "138", "183"}},
        {1, "", {"131", "172", "142", "188"}},
        // "他": the weight the user typed holds for every deck.
        {2, "150.5", {"150.5", "150.5", "150.5", "150.5"}},
    };
    for (const Case& c : cases) {
        f.surfaceTreatmentBox.itemIndex = c.surface;
        update_unit_weight(f);
        if (c.surface == 2) f.deckUnitWeightEdit.text = c.typed;
        for (int deck = 0; deck < 4; ++deck)
            EXPECT_EQ(span_table_unit_weight(f, deck), c.weights[static_cast<std::size_t>(deck)])
                << c.surface << " " << deck;
    }
}

// When even the longest span the deck length admits passes, the deck length is
// what stops a longer span; when the overhang leaves no room for 600 mm spans,
// there is nothing to try.
TEST_F(SpanTableTest, TheDeckLengthBoundsTheSpans) {
    session.coefficients.maxDeckLength = 2800;
    set_spin_value(session.form, session.form.snowDepthSpin, 30);
    session.form.cantileverBox.itemIndex = 1;
    update_spans(session.form);
    session.form.cantileverLengthEdit.text = "400";
    const auto built = build_span_table(session);
    ASSERT_TRUE(std::holds_alternative<run::SpanTable>(built));
    const run::SpanTable& table = std::get<run::SpanTable>(built);
    const run::SpanTableCell& three = table.cells[2]; // 3 × 800 + 400 = 2800
    EXPECT_EQ(three.longestAdmissible, 800);
    EXPECT_EQ(three.maxSpan, 800);
    EXPECT_EQ(three.governing.kind, GoverningKind::deckLength);
    const run::SpanTableCell& four = table.cells[3]; // 4 × 600 + 400 = 2800
    EXPECT_EQ(four.longestAdmissible, 600);
    session.coefficients.maxDeckLength = 2700;
    const run::SpanTable shorter = std::get<run::SpanTable>(build_span_table(session));
    EXPECT_FALSE(shorter.cells[3].maxSpan);
    EXPECT_EQ(shorter.cells[3].governing.kind, GoverningKind::deckLength);
}

run::SpanTable two_cell_table() {
    run::SpanTable table;
    run::SpanTableCell passing;
    passing.deckName = "KX-50-12";
    passing.spanCount = 2;
    passing.maxSpan = 2730;
    passing.governing = {GoverningKind::deflection, "短期（暴風時負圧）"};
    run::SpanTableCell none;
    none.deckIndex = 3;
    none.deckName = "KX-75-16";
    none.spanCount = 4;
    none.governing = {GoverningKind::joint, "長期"};
    run::SpanTableCell bounded = passing;
    bounded.spanCount = 3;
    bounded.maxSpan = 4000;
    bounded.governing = {GoverningKind::deckLength, ""};
    table.cells = {passing, none, bounded};
    return table;
}

TEST(SpanTableExport, JsonRowsCarryTheAnswerAndWhatGovernsIt) {
    const std::string json = common::to_json_text(span_table_json(two_cell_table()));
    EXPECT_EQ(json, R"({
    "rows": [
        {
            "deckIndex": 0,
            "deckName": "KX-50-12",
            "governing": {
                "case": "短期（暴風時負圧）",
                "kind": "deflection"
            },
            "maxSpan": 2730,
            "spanCount": 2
        },
        {
            "deckIndex": 3,
            "deckName": "KX-75-16",
            "governing": {
                "case": "長期",
                "kind": "joint"
            },
            "maxSpan": null,
            "spanCount": 4
        },
        {
            "deckIndex": 0,
            "deckName": "KX-50-12",
            "governing": {
                "case": null,
                "kind": "deckLength"
            },
            "maxSpan": 4000,
            "spanCount": 3
        }
    ]
}
)");
}

TEST(SpanTableExport, CsvOpensInASpreadsheetAsUtf8) {
    const std::string csv = span_table_csv(two_cell_table());
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "デッキ種類,スパン数,許容スパン(mm),決定要因,荷重ケース\r\n"
                   "KX-50-12,2,2730,たわみ,短期（暴風時負圧）\r\n"
                   "KX-75-16,4,なし,接合部,長期\r\n"
                   "KX-50-12,3,4000,デッキ最大長さ,\r\n");
    EXPECT_EQ(run::max_span_text(two_cell_table().cells[0]), "2,730 mm");
    EXPECT_EQ(run::governing_text(two_cell_table().cells[0].governing),
              "たわみ：短期（暴風時負圧）");
}

TEST(SpanTableExport, CellsShowTheSpanWhatGovernsAndItsCase) {
    const run::SpanTable table = two_cell_table();
    EXPECT_EQ(span_table_cell_lines(table.cells[0]),
              (std::vector<std::string>{"2,730 mm", "たわみ", "短期（暴風時負圧）"}));
    EXPECT_EQ(span_table_cell_lines(table.cells[1]),
              (std::vector<std::string>{"なし", "接合部", "長期"}));
    EXPECT_EQ(span_table_cell_lines(table.cells[2]),
              (std::vector<std::string>{"4,000 mm", "デッキ最大長さ"}));
}

TEST(SpanTableExport, SavesProposeAFileNamedAfterTheProject) {
    persist::ProjectPaths paths;
    EXPECT_EQ(span_table_proposal(paths, "/home/u", ".csv"), "/home/u/許容スパン表.csv");
    paths.currentFilePath = "/d/倉庫.kvxw";
    EXPECT_EQ(span_table_proposal(paths, "/home/u", ".pdf"), "/d/倉庫_許容スパン表.pdf");
    // The browser edition knows its files by name alone.
    paths.currentFilePath = "倉庫.kvxw";
    EXPECT_EQ(span_table_proposal(paths, "", ".csv"), "倉庫_許容スパン表.csv");
}

} // namespace
} // namespace korvex::form
