#include "tests/support/limit_designs.h"

#include <string>

#include "form/layout.h"
#include "form/roof.h"
#include "form/spans.h"
#include "form/spin_edits.h"

namespace korvex::testing {

namespace {

const LimitDesign kDesigns[] = {
    {.name = "every field at its minimum",
     .roughness = 0,
     .h1 = "0",
     .h2 = "0",
     .d = "0",
     .v0 = 0,
     .snowDepth = 0,
     .snowUnitWeight = 0,
     .otherDead = 0,
     .spans = {1},
     .ratio = 0.0,
     .maxDeckLength = 1},
    {.name = "every field at its maximum",
     .deck = 3,
     .fastener = 2,
     .surface = 2,
     .unitWeight = "9000",
     .roughness = 3,
     .h1 = "999999",
     .h2 = "999999",
     .d = "999999",
     .roof = calc::RoofType::arc,
     .building = calc::BuildingForm::leewardOpen,
     .v0 = 46,
     .snowDepth = 9000,
     .snowUnitWeight = 50,
     .live = 9000,
     .otherDead = 9000,
     .spans = {22250, 22250, 22250, 22250},
     .cantilever = 1000,
     .strength = 235,
     .maxDeckLength = 90000},
    {.name = "V0 0, D 0, H1 = H2 = 0", .h1 = "0", .h2 = "0", .d = "0", .v0 = 0},
    {.name = "canopy with H1 = H2 = 0",
     .h1 = "0",
     .h2 = "0",
     .roof = calc::RoofType::canopy,
     .canopy = calc::CanopyShape::wing},
    {.name = "arc roof with D 0", .d = "0", .roof = calc::RoofType::arc},
    {.name = "gable with the eaves above the ridge",
     .h1 = "20000",
     .h2 = "1000",
     .roof = calc::RoofType::gable},
    {.name = "one span of 12000 mm", .spans = {12000}},
    {.name = "four spans and a cantilever at 12000 mm",
     .spans = {2800, 2800, 2800, 2800},
     .cantilever = 800},
    {.name = "a short end span beside a cantilever lifts its support",
     .spans = {2500, 100},
     .cantilever = 500},
    {.name = "a long cantilever beside short spans deflects most",
     .spans = {200, 200},
     .cantilever = 1000},
    {.name = "snow depth 9000 cm", .snowDepth = 9000, .snowUnitWeight = 50},
    {.name = "heavy snow on a long span with a cantilever",
     .snowDepth = 9000,
     .snowUnitWeight = 50,
     .spans = {11000},
     .cantilever = 1000},
    {.name = "ratios of 0", .ratio = 0.0},
    {.name = "ratios of 0 with loads entered directly",
     .layout = calc::LayoutMode::directLoads,
     .ratio = 0.0},
    {.name = "direct loads of 90000 N/m2",
     .layout = calc::LayoutMode::directLoads,
     .windPositive = 90000,
     .windNegative = 90000,
     .snowLoad = 90000,
     .spans = {12000}},
    {.name = "direct loads at their minimum",
     .otherDead = 0,
     .layout = calc::LayoutMode::directLoads,
     .windPositive = 10,
     .windNegative = 10,
     .snowLoad = 0,
     .spans = {200, 200, 200, 200},
     .cantilever = 200},
    {.name = "direct loads of 90000 N/m2 on four spans and a cantilever",
     .layout = calc::LayoutMode::directLoads,
     .windPositive = 90000,
     .windNegative = 90000,
     .snowLoad = 90000,
     .spans = {2750, 2750, 2750, 2750},
     .cantilever = 1000},
    {.name = "a deck of 90000 mm in one span", .spans = {90000}, .maxDeckLength = 90000},
    {.name = "a typed unit weight of a tenth", .surface = 2, .unitWeight = "0.1"},
};

} // namespace

std::span<const LimitDesign> limit_designs() {
    return kDesigns;
}

void set_limit_design(form::Session& s, const LimitDesign& d) {
    form::InputForm& f = s.form;
    f.deckTypeBox.itemIndex = d.deck;
    f.fastenerBox.itemIndex = d.fastener;
    f.surfaceTreatmentBox.itemIndex = d.surface;
    if (d.surface == 2) f.deckUnitWeightEdit.text = d.unitWeight;
    f.roughnessBox.itemIndex = d.roughness;
    f.eaveHeightEdit.text = d.h1;
    f.buildingHeightEdit.text = d.h2;
    f.spanDirectionLengthEdit.text = d.d;
    form::select_roof_type(f, d.roof);
    form::select_building_form(f, d.building);
    form::select_canopy_shape(f, d.canopy);
    if (d.v0) f.site.baseWindSpeed = *d.v0;
    form::set_spin_value(f, f.snowDepthSpin, d.snowDepth);
    form::set_spin_value(f, f.snowUnitWeightSpin, d.snowUnitWeight);
    form::set_spin_value(f, f.liveLoadSpin, d.live);
    form::set_spin_value(f, f.otherDeadLoadSpin, d.otherDead);
    form::set_spin_value(f, f.directWindPositiveSpin, d.windPositive);
    form::set_spin_value(f, f.directWindNegativeSpin, d.windNegative);
    form::set_spin_value(f, f.directSnowLoadSpin, d.snowLoad);
    form::apply_layout(f, d.layout);

    const int count = static_cast<int>(d.spans.size());
    while (f.spanCountSpin.value != count)
        form::set_spin_value(f, f.spanCountSpin,
                             f.spanCountSpin.value + (count > f.spanCountSpin.value ? 1 : -1));
    for (int span = 1; span <= count; ++span)
        form::span_edit(f, span).text = std::to_string(d.spans[static_cast<std::size_t>(span - 1)]);
    f.cantileverBox.itemIndex = d.cantilever > 0 ? 1 : 0;
    form::update_spans(f);
    if (d.cantilever > 0) f.cantileverLengthEdit.text = std::to_string(d.cantilever);

    s.coefficients.designStrength = d.strength;
    s.coefficients.maxDeckLength = d.maxDeckLength;
    if (d.ratio)
        for (auto& row : s.coefficients.comboRatio) row.fill(*d.ratio);
}

} // namespace korvex::testing
