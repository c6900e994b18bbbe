#include "form/result_json.h"

#include <string_view>

#include "form/sea_ratio_reference.h"
#include "run/utilization.h"
#include "sea/sea_ratio.h"

namespace korvex::form {

namespace {

using common::JsonArray;
using common::JsonObject;
using common::JsonValue;

template <typename Container> JsonArray numbers(const Container& values) {
    JsonArray array;
    for (const auto& v : values) array.emplace_back(static_cast<double>(v));
    return array;
}

template <typename Rows> JsonArray matrix(const Rows& rows) {
    JsonArray array;
    for (const auto& row : rows) array.emplace_back(numbers(row));
    return array;
}

JsonArray strings(const std::vector<std::string>& values) {
    return {values.begin(), values.end()};
}

std::string text(std::string_view s) {
    return std::string(s);
}

JsonObject inputs_json(const calc::DesignInputs& in) {
    return JsonObject{
        {"deckIndex", in.deckIndex},
        {"deckName", text(in.deckName)},
        {"deckUnitWeight", in.deckUnitWeight},
        {"sectionModulus", in.sectionModulus},
        {"momentOfInertia", in.momentOfInertia},
        {"fastenerIndex", in.fastenerIndex},
        {"fastenerName", text(in.fastenerName)},
        {"jointCapacityEnd", in.jointCapacityEnd},
        {"jointCapacityMid", in.jointCapacityMid},
        {"heavySnowArea", in.heavySnowArea},
        {"prefectureName", text(in.prefectureName)},
        {"areaName", text(in.areaName)},
        {"baseWindSpeed", in.baseWindSpeed},
        {"altitude", in.altitude},
        {"seaRatio", in.seaRatio},
        {"seaRatioRadius", in.seaRatioRadius},
        {"snowCoefA", in.snowCoefA},
        {"snowCoefB", in.snowCoefB},
        {"snowCoefC", in.snowCoefC},
        {"roughnessCategory", in.roughnessCategory},
        {"eaveHeightCm", in.eaveHeightCm},
        {"buildingHeightCm", in.buildingHeightCm},
        {"spanDirectionLengthCm", in.spanDirectionLengthCm},
        {"roofType", calc::code(in.roofType)},
        {"roofKind", calc::code(in.roofKind)},
        {"roofTypeName", text(in.roofTypeName)},
        {"buildingForm", calc::code(in.buildingForm)},
        {"buildingFormName", text(in.buildingFormName)},
        {"canopyShape", calc::code(in.canopyShape)},
        {"canopyShapeName", text(in.canopyShapeName)},
        {"snowDepthComputed", in.snowMethod == calc::SnowMethod::formula},
        {"snowDepth", in.snowDepth},
        {"snowUnitWeight", in.snowUnitWeight},
        {"snowLoad", in.snowLoad},
        {"liveLoad", in.liveLoad},
        {"otherDeadLoad", in.otherDeadLoad},
        {"spanCount", in.spanCount},
        {"spanLength", numbers(in.spanLength)},
        {"cantileverMode", calc::code(in.cantileverMode)},
        {"leftCantileverLength", in.leftCantileverLength},
        {"rightCantileverLength", in.rightCantileverLength},
        {"totalDeckLength", in.totalDeckLength},
        {"beamTypeName", text(in.beamTypeName)},
        {"directLoadInput", in.directLoadInput},
        {"directWindPositive", in.directWindPositive},
        {"directWindNegative", in.directWindNegative},
        {"maxDeckLength", in.maxDeckLength},
        {"designStrength", in.designStrength},
        {"comboRatio", matrix(in.comboRatio)},
    };
}

JsonObject sources_json(const calc::SiteSources& s) {
    const auto name = [](calc::ValueSource source) {
        return text(calc::value_source_name(source));
    };
    return JsonObject{
        {"baseWindSpeed", name(s.baseWindSpeed)},       {"snowZone", name(s.snowZone)},
        {"tableAltitude", name(s.tableAltitude)},       {"tableSnowDepth", name(s.tableSnowDepth)},
        {"snowCoefficients", name(s.snowCoefficients)},
    };
}

const char* point_source_name(site::PointSource source) {
    return source == site::PointSource::entered ? "entered" : "office";
}

JsonValue coordinates_json(const std::optional<site::SitePoint>& at) {
    if (!at) return {};
    return JsonObject{{"lat", at->point.latitude},
                      {"lon", at->point.longitude},
                      {"source", point_source_name(at->source)},
                      {"currentMunicipalityOffice", at->currentMunicipality}};
}

JsonValue sea_ratio_reference_json(const site::SiteValues& s) {
    if (!s.seaRatioReference) return {};
    const site::SeaRatioReference& r = *s.seaRatioReference;
    JsonObject o = sea_ratio_json(r.at.point, r.radiusKm, r.fraction);
    o.emplace_back("source", point_source_name(r.at.source));
    o.emplace_back("takenIntoSeaRatio", s.seaRatioFromReference);
    return o;
}

JsonObject site_json(const site::SiteValues& s) {
    return JsonObject{
        {"prefectureName", text(s.prefectureName)},
        {"areaName", text(s.areaName)},
        {"snowZone", s.snowZone},
        {"baseWindSpeed", s.baseWindSpeed},
        {"tableAltitude", s.tableAltitude},
        {"tableSnowDepth", s.tableSnowDepth},
        {"ruleFlag", s.ruleFlag},
        {"snowCoefA", s.snowCoefA},
        {"snowCoefB", s.snowCoefB},
        {"snowCoefC", s.snowCoefC},
        {"seaRatioRadius", s.seaRatioRadius},
        {"altitude", s.altitude},
        {"seaRatio", s.seaRatio},
        {"formulaSnowDepth", s.formulaSnowDepth},
        {"sources", sources_json(s.sources)},
        {"coordinates", coordinates_json(site_point(s))},
        {"seaRatioReference", sea_ratio_reference_json(s)},
    };
}

JsonObject wind_json(const calc::WindResult& w) {
    return JsonObject{
        {"roofAngle", w.roofAngle},
        {"meanHeight", w.meanHeight},
        {"heightDifference", w.heightDifference},
        {"riseRatio", w.riseRatio},
        {"heightRatio", w.heightRatio},
        {"zb", w.zb},
        {"zg", w.zg},
        {"alpha", w.alpha},
        {"exposureFactor", w.exposureFactor},
        {"velocityPressure", w.velocityPressure},
        {"gustFactor", w.gustFactor},
        {"externalCoefficient", w.externalCoefficient},
        {"peakExternalPositive", w.peakExternalPositive},
        {"peakExternalNegative", numbers(w.peakExternalNegative)},
        {"internalPositive", w.internalPositive},
        {"internalNegative", w.internalNegative},
        {"peakPositive", numbers(w.peakPositive)},
        {"peakNegative", numbers(w.peakNegative)},
        {"pressurePositive", numbers(w.pressurePositive)},
        {"pressureNegative", numbers(w.pressureNegative)},
        {"positiveCount", w.positiveCount},
        {"negativeCount", w.negativeCount},
        {"wallHeight", w.wallHeight},
        {"wallHeightFactor", w.wallHeightFactor},
        {"wallGustFactor", w.wallGustFactor},
        {"wallPeakExternal", w.wallPeakExternal},
        {"wallInternal", w.wallInternal},
        {"wallPeak", w.wallPeak},
        {"wallVelocityPressure", w.wallVelocityPressure},
        {"wallPressure", w.wallPressure},
        {"cantileverWind", w.cantileverWind},
    };
}

JsonObject increase_json(const calc::SnowIncrease& i) {
    return JsonObject{{"status", i.status},
                      {"factor", i.factor},
                      {"rawFactor", i.rawFactor},
                      {"drValue", i.drValue},
                      {"shapeFactor", i.shapeFactor}};
}

JsonObject loads_json(const calc::LoadSet& l) {
    JsonArray texts;
    for (const auto& t : l.caseText) texts.emplace_back(t);
    return JsonObject{
        {"deadAndLiveLoad", l.deadAndLiveLoad},
        {"snowLoad", l.snowLoad},
        {"windPositive", l.windPositive},
        {"windNegative", l.windNegative},
        {"wallPressure", l.wallPressure},
        {"heavySnowRatios", l.heavySnowRatios},
        {"ratioGP", numbers(l.ratioGP)},
        {"ratioP", numbers(l.ratioP)},
        {"ratioS", numbers(l.ratioS)},
        {"ratioW", numbers(l.ratioW)},
        {"caseLoad", numbers(l.caseLoad)},
        {"caseText", texts},
        {"windPass", text(calc::wind_pass_text(l.windPass))},
    };
}

void add_case_results(JsonObject& o, const analysis::CaseResults& r) {
    o.emplace_back("reactions", matrix(r.reactions));
    o.emplace_back("end_forces", matrix(r.endForces));
    o.emplace_back("span_moment", numbers(r.spanMoment));
    o.emplace_back("span_moment_x", numbers(r.spanMomentX));
    o.emplace_back("span_deflection", numbers(r.spanDeflection));
    o.emplace_back("cantilever_check_moment", numbers(r.cantileverCheckMoment));
    o.emplace_back("cantilever_check_deflection", numbers(r.cantileverCheckDeflection));
    o.emplace_back("max_moment", r.maxMoment);
    o.emplace_back("max_deflection", r.maxDeflection);
    o.emplace_back("deflection_ratio", r.deflectionRatio);
    o.emplace_back("governing_span_length", r.governingSpanLength);
    o.emplace_back("reaction_v1", r.reactionV1);
    o.emplace_back("reaction_v2", r.reactionV2);
}

JsonObject check_page_json(const run::CheckPage& page) {
    JsonObject o{{"label", text(page.label)},
                 {"windPass", text(calc::wind_pass_text(page.windPass))},
                 {"W_total", page.wTotal},
                 {"caseText", text(page.caseText)}};
    add_case_results(o, page.results);
    JsonArray checks;
    for (const run::CheckLine& line : page.lines)
        checks.emplace_back(JsonObject{{"kind", run::check_kind_name(line.kind)},
                                       {"value", line.value},
                                       {"limit", line.limit},
                                       {"ratio", run::check_ratio(line)},
                                       {"ok", line.ok}});
    o.emplace_back("checks", checks);
    return o;
}

JsonObject diagram_block_json(const run::DiagramBlock& block) {
    const analysis::CaseResults& r = block.results;
    return JsonObject{
        {"label", text(block.label)},
        {"max_moment", r.maxMoment},
        {"max_deflection", r.maxDeflection},
        {"span_moment", numbers(r.spanMoment)},
        {"span_moment_x", numbers(r.spanMomentX)},
        {"span_deflection", numbers(r.spanDeflection)},
        {"moment_samples", matrix(r.momentSamples)},
        {"deflection_samples", matrix(r.deflectionSamples)},
        {"cantilever_moment_samples", matrix(r.cantileverMomentSamples)},
        {"cantilever_deflection_samples", matrix(r.cantileverDeflectionSamples)},
    };
}

// The check that comes closest to its limit, or null when nothing was checked.
JsonValue utilization_json(const run::CalculationRun& run) {
    const auto largest = run::utilization(run);
    if (!largest) return {};
    const run::CheckPage& page = run.checkPages[largest->page];
    return JsonObject{
        {"maxRatio", largest->maxRatio},
        {"governing", JsonObject{{"case", text(page.label)},
                                 {"kind", run::check_kind_name(page.lines[largest->line].kind)}}},
    };
}

} // namespace

JsonObject results_json(const Session& s, const std::vector<std::string>& messages) {
    JsonArray pages;
    for (const auto& page : s.run.checkPages) pages.emplace_back(check_page_json(page));
    JsonArray blocks;
    for (const auto& block : s.run.diagramBlocks) blocks.emplace_back(diagram_block_json(block));
    const run::CheckCounters& c = s.run.verdict.counters;
    return JsonObject{
        {"inputs", inputs_json(s.inputs)},
        {"site", site_json(s.form.site)},
        {"wind", s.inputs.directLoadInput ? JsonValue() : JsonValue(wind_json(s.wind))},
        {"snowIncrease", increase_json(s.increase)},
        {"loads", loads_json(s.loads)},
        {"checkPages", pages},
        {"counters",
         JsonObject{{"stress", c.stress}, {"deflection", c.deflection}, {"joint", c.joint}}},
        {"verdict", text(s.run.verdict.text)},
        {"utilization", utilization_json(s.run)},
        {"diagramBlocks", blocks},
        {"messages", strings(messages)},
    };
}

JsonObject sea_ratio_json(sea::GeoPoint centre, double radius_km, double fraction) {
    return JsonObject{{"lat", centre.latitude},
                      {"lon", centre.longitude},
                      {"radiusKm", radius_km},
                      {"seaRatio", sea::rounded_sea_fraction(fraction)},
                      {"percent", sea::sea_ratio_percent(fraction)}};
}

JsonObject error_json(const std::string& message, const std::string& control) {
    return JsonObject{
        {"error", JsonObject{{"message", text(message)},
                             {"control", control.empty() ? JsonValue() : text(control)}}}};
}

} // namespace korvex::form
