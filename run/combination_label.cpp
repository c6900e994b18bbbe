#include "run/load_case_run.h"

#include "common/number_text.h"

namespace korvex::run {

namespace {

std::string factor_text(double factor) {
    return common::format_fixed(factor, 4, 2);
}

// "＋", the factor unless it is 1, and the load letter.
std::string term(double factor, const char* letter) {
    return std::string("＋") + (factor == 1.0 ? "" : factor_text(factor)) + letter;
}

} // namespace

std::string combination_label(const std::string& case_name, int case_index,
                              const analysis::CaseFactors& f, bool left_cantilever, LabelForm form,
                              bool negative_pass) {
    std::string label = case_name;
    if (f.cG != 0.0) label += f.cG == 1.0 ? "Ｇ＋Ｐ" : factor_text(f.cG) + "(Ｇ＋Ｐ)";
    if (left_cantilever) label += term(f.cP, "Ｐ");
    if (f.cS != 0.0) label += term(f.cS, "Ｓ");
    if (case_index != kLongTerm && f.cW != 0.0) {
        label += term(f.cW, "Ｗ");
        if (form == LabelForm::diagram) label += negative_pass ? "（負圧）" : "（正圧）";
    }
    return label;
}

} // namespace korvex::run
