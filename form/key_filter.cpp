#include "form/key_filter.h"

#include <algorithm>
#include <array>

namespace korvex::form {

namespace {

constexpr std::array<std::string_view, 16> kDigitControls = {"eaveHeightEdit",
                                                             "buildingHeightEdit",
                                                             "spanDirectionLengthEdit",
                                                             "span1Edit",
                                                             "span2Edit",
                                                             "span3Edit",
                                                             "span4Edit",
                                                             "liveLoadSpin",
                                                             "snowDepthSpin",
                                                             "snowUnitWeightSpin",
                                                             "altitudeSpin",
                                                             "seaRatioSpin",
                                                             "otherDeadLoadSpin",
                                                             "directWindPositiveSpin",
                                                             "directWindNegativeSpin",
                                                             "directSnowLoadSpin"};

// The snow coefficients are decimals that may be negative.
constexpr std::array<std::string_view, 4> kDecimalControls = {
    "snowCoefAlphaEdit", "snowCoefBetaEdit", "snowCoefGammaEdit", "snowCoefRadiusEdit"};

bool unit_weight_from_table(const InputForm& form) {
    return form.surfaceTreatmentBox.itemIndex != 2;
}

} // namespace

bool accepts_key(const InputForm& form, std::string_view control, char32_t key) {
    if (control == form.spanCountSpin.name) return false;
    if (control == form.deckUnitWeightEdit.name) return !unit_weight_from_table(form);
    if (std::find(kDigitControls.begin(), kDigitControls.end(), control) != kDigitControls.end())
        return (key >= U'0' && key <= U'9') || key == kBackspace;
    if (std::find(kDecimalControls.begin(), kDecimalControls.end(), control) !=
        kDecimalControls.end())
        return (key >= U'0' && key <= U'9') || key == U'.' || key == U'-' || key == kBackspace;
    return true;
}

bool accepts_key_down(const InputForm& form, std::string_view control) {
    if (control == form.spanCountSpin.name) return false;
    if (control == form.deckUnitWeightEdit.name) return !unit_weight_from_table(form);
    return true;
}

} // namespace korvex::form
