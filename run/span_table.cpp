#include "run/span_table.h"

#include "common/number_text.h"

namespace korvex::run {

GoverningKind governing_kind(CheckKind check) {
    switch (check) {
    case CheckKind::stress:
    case CheckKind::cantileverStress:
        return GoverningKind::stress;
    case CheckKind::deflection:
    case CheckKind::cantileverDeflection:
        return GoverningKind::deflection;
    case CheckKind::jointEnd:
    case CheckKind::jointMid:
    case CheckKind::cantileverJoint:
        return GoverningKind::joint;
    }
    return GoverningKind::stress;
}

std::optional<GoverningCheck> first_failed_check(const CalculationRun& run) {
    for (const CheckPage& page : run.checkPages)
        for (const CheckLine& line : page.lines)
            if (!line.ok) return GoverningCheck{governing_kind(line.kind), page.caseRun.caseName};
    return std::nullopt;
}

const char* governing_kind_name(GoverningKind kind) {
    switch (kind) {
    case GoverningKind::stress:
        return "stress";
    case GoverningKind::deflection:
        return "deflection";
    case GoverningKind::joint:
        return "joint";
    case GoverningKind::deckLength:
        return "deckLength";
    }
    return "";
}

const char* governing_kind_text(GoverningKind kind) {
    switch (kind) {
    case GoverningKind::stress:
        return "応力";
    case GoverningKind::deflection:
        return "たわみ";
    case GoverningKind::joint:
        return "接合部";
    case GoverningKind::deckLength:
        return "デッキ最大長さ";
    }
    return "";
}

std::string max_span_text(const SpanTableCell& cell) {
    if (!cell.maxSpan) return "なし";
    return common::group_thousands(std::to_string(*cell.maxSpan)) + " mm";
}

std::string governing_text(const GoverningCheck& governing) {
    std::string text = governing_kind_text(governing.kind);
    if (!governing.caseName.empty()) text += "：" + governing.caseName;
    return text;
}

} // namespace korvex::run
