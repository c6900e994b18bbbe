#pragma once

// The main input window as plain state: one member per control, named as the
// control, with its design-time default, plus the window's own variables and
// the site values of the selected area. initialise_form fills what start-up sets.

#include <string>

#include "form/controls.h"
#include "form/hints.h"
#include "form/window_state.h"
#include "site/site_values.h"

namespace korvex::form {

inline constexpr const char* kMainCaption = "Korvex屋根計算プログラム-木造梁-";
inline constexpr const char* kHintSiteLists =
    "多雪地域判定に使用|風荷重、積雪荷重の計算に使用します。";
inline constexpr const char* kHintHeights = "下図を参照下さい。";
inline constexpr const char* kHintSpans = "スパン間隔を単位：㎜で入力して下さい。";

struct InputForm {
    std::string caption = kMainCaption;
    int height = 575;
    std::string activeControl = "deckTypeBox";

    // deckPanel: deck, fastening, surface treatment, unit weight
    ComboBox deckTypeBox{.name = "deckTypeBox",
                         .items = {"KX-50-12", "KX-50-16", "KX-75-12", "KX-75-16"},
                         .hint = "デッキを選択して下さい。"};
    ComboBox fastenerBox{.name = "fastenerBox",
                         .items = {"木ねじ SR-N60", "木ねじ SR5×105", "木ねじ SR5×105 2本"},
                         .hint = "木造梁との接合方法|木ねじを選択して下さい。"};
    ComboBox surfaceTreatmentBox{.name = "surfaceTreatmentBox",
                                 .items = {"Z12", "Z27", "他"},
                                 .hint = "デッキの表面処理材料を指定して下さい。"};
    Edit deckUnitWeightEdit{
        .name = "deckUnitWeightEdit", .text = "127", .hint = kHintUnitWeightDesign};

    // sitePanel: site
    ComboBox prefectureBox{.name = "prefectureBox", .items = {}, .hint = kHintSiteLists};
    ComboBox areaBox{.name = "areaBox", .items = {}, .hint = kHintSiteLists};
    CheckBox heavySnowCheck{
        .name = "heavySnowCheck",
        .caption = "",
        .checked = true,
        .hint =
            "告示1455号第1規定 垂直積雪量1ｍ以上の区域|垂直積雪量1ｍ以上の区域または積雪の初終"
            "間日数の平均値が30日以上の区域 （告示1455号：建築基準法施行令　第86条２項但し書規定）",
        .enabled = false};
    Label heavySnowLabel{.name = "heavySnowLabel", .caption = "多雪地域"};
    Button siteDataButton{.name = "siteDataButton",
                          .caption = "地域データ",
                          .hint = "地域データの一覧|全国の地域の基準風速・積雪区域・係数・標高・"
                                  "垂直積雪量を一覧し、自分の地域データを追加・修正します。"};

    // windPanel: wind
    Panel windPanel{.name = "windPanel", .top = 72, .height = 304};
    Label baseWindSpeedLabel{.name = "baseWindSpeedLabel", .caption = "32"};
    ComboBox roughnessBox{
        .name = "roughnessBox", .items = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"}, .hint = "右図を参照してください。"};
    Edit eaveHeightEdit{.name = "eaveHeightEdit", .text = "10000", .hint = kHintHeights};
    Edit buildingHeightEdit{.name = "buildingHeightEdit", .text = "15000", .hint = kHintHeights};
    Edit spanDirectionLengthEdit{
        .name = "spanDirectionLengthEdit", .text = "20000", .hint = kHintHeights};
    GroupBox roofTypeGroup{.name = "roofTypeGroup", .caption = "屋根の種類"};
    RadioButton monoPitchRoofRadio{.name = "monoPitchRoofRadio",
                                   .caption = "片流れ屋根",
                                   .checked = true,
                                   .fontColour = kNavy,
                                   .fontBold = true};
    RadioButton gableRoofRadio{.name = "gableRoofRadio", .caption = "切妻屋根"};
    RadioButton arcRoofRadio{.name = "arcRoofRadio", .caption = "円弧屋根"};
    RadioButton canopyRoofRadio{.name = "canopyRoofRadio", .caption = "独立上屋"};
    Image roofPicture{.name = "roofPicture", .pictureFile = "Shed_roof.bmp"};
    GroupBox buildingFormGroup{.name = "buildingFormGroup", .caption = "建物の形状"};
    RadioButton closedFormRadio{.name = "closedFormRadio",
                                .caption = "閉鎖型",
                                .checked = true,
                                .fontColour = kNavy,
                                .fontBold = true};
    RadioButton windwardOpenFormRadio{.name = "windwardOpenFormRadio", .caption = "風上解放型"};
    RadioButton leewardOpenFormRadio{.name = "leewardOpenFormRadio", .caption = "風下解放型"};
    Image buildingFormPicture{.name = "buildingFormPicture", .pictureFile = "Shape_close.bmp"};
    GroupBox canopyShapeGroup{
        .name = "canopyShapeGroup", .caption = "屋根の形状", .visible = false};
    RadioButton gableCanopyRadio{.name = "gableCanopyRadio",
                                 .caption = "切妻屋根",
                                 .checked = true,
                                 .fontColour = kNavy,
                                 .fontBold = true};
    RadioButton wingCanopyRadio{.name = "wingCanopyRadio", .caption = "翼型屋根"};
    Image canopyShapePicture{.name = "canopyShapePicture", .pictureFile = "Shape_gable.bmp"};

    // directLoadPanel: loads entered directly (same place as windPanel)
    Panel directLoadPanel{.name = "directLoadPanel", .top = 72, .height = 304, .visible = false};
    SpinEdit directWindPositiveSpin{.name = "directWindPositiveSpin",
                                    .value = 100,
                                    .minValue = 10,
                                    .maxValue = 90000,
                                    .increment = 100,
                                    .hint = "正圧の風荷重を入力して下さい。"};
    SpinEdit directWindNegativeSpin{.name = "directWindNegativeSpin",
                                    .value = 100,
                                    .minValue = 10,
                                    .maxValue = 90000,
                                    .increment = 100,
                                    .hint = "負圧の風荷重(絶対値)を入力して下さい。"};
    SpinEdit directSnowLoadSpin{.name = "directSnowLoadSpin",
                                .value = 100,
                                .minValue = 0,
                                .maxValue = 90000,
                                .increment = 100,
                                .hint = "雪荷重を入力して下さい。"};

    // snowPanel: snow
    Panel snowPanel{.name = "snowPanel", .top = 72, .height = 212};
    SpinEdit snowDepthSpin{
        .name = "snowDepthSpin",
        .value = 0,
        .minValue = 0,
        .maxValue = 9000,
        .increment = 10,
        .hint = "垂直積雪量1ｍ以上でρ＝３０以上です。 (多雪区域：施行令第86条2項参照）"};
    SpinEdit snowUnitWeightSpin{
        .name = "snowUnitWeightSpin",
        .value = 30,
        .minValue = 0,
        .maxValue = 50,
        .increment = 10,
        .hint = "注意：　多雪区域はρ＝３０で、ρは特定行政庁で指定する場合があります。(多雪区"
                "域 : 垂直積雪量1ｍ以上 施行令第86条２項）"};
    GroupBox snowMethodGroup{.name = "snowMethodGroup", .caption = "垂直積雪量の算定法"};
    RadioButton typedDepthRadio{.name = "typedDepthRadio",
                                .caption = "上欄へ入力",
                                .checked = true,
                                .hint = kHintDirectDepthDesign,
                                .fontColour = kNavy,
                                .fontBold = true};
    RadioButton formulaDepthRadio{
        .name = "formulaDepthRadio", .caption = "下記値より算出", .hint = kHintFormulaMethod};
    SpinEdit altitudeSpin{
        .name = "altitudeSpin",
        .value = 25,
        .minValue = 0,
        .maxValue = 3500,
        .increment = 5,
        .hint = "区域の標準的な標高|下記に表示される参考値は、行政庁所在地での高さです。積雪"
                "量の計算式は平成12年告示1455号参照。",
        .enabled = false};
    SpinEdit seaRatioSpin{
        .name = "seaRatioSpin",
        .value = 20,
        .minValue = 0,
        .maxValue = 100,
        .increment = 5,
        .hint = "半径Rに対する海の面積|海率は、半径Rに対する海の面積です。積雪量の計算式は平"
                "成12年告示1455号参照。",
        .enabled = false};
    Label tableSnowDepthLabel{
        .name = "tableSnowDepthLabel", .caption = "140", .hint = "特定行政庁の指定など参考値"};
    Label tableAltitudeLabel{.name = "tableAltitudeLabel", .caption = "25"};
    Label seaRatioRadiusLabel{.name = "seaRatioRadiusLabel", .caption = "R"};
    // The site's own point (optional): the sea ratio's reference is measured
    // there instead of at the area's office. The map shows the circle of R.
    Edit siteCoordinatesEdit{.name = "siteCoordinatesEdit", .hint = kHintSiteCoordinates};
    Button seaMapButton{
        .name = "seaMapButton", .caption = "地図", .hint = kHintSeaMap, .enabled = false};
    // "[海率参考値 NN ％（役所）]" whenever R is known; the button puts it into 海率.
    Label seaRatioReferenceLabel{.name = "seaRatioReferenceLabel"};
    Button takeSeaRatioButton{.name = "takeSeaRatioButton",
                              .caption = "採用",
                              .hint = kHintTakeSeaRatio,
                              .enabled = false};
    // The coefficients of the snow-depth formula: the area's zone fills them, the
    // user may type the local authority's own; empty where no zone is known.
    Edit snowCoefAlphaEdit{.name = "snowCoefAlphaEdit", .hint = kHintCoefAlpha, .enabled = false};
    Edit snowCoefBetaEdit{.name = "snowCoefBetaEdit", .hint = kHintCoefBeta, .enabled = false};
    Edit snowCoefGammaEdit{.name = "snowCoefGammaEdit", .hint = kHintCoefGamma, .enabled = false};
    Edit snowCoefRadiusEdit{
        .name = "snowCoefRadiusEdit", .hint = kHintCoefRadius, .enabled = false};

    // otherLoadPanel: other loads
    Panel otherLoadPanel{.name = "otherLoadPanel", .top = 284, .height = 85};
    SpinEdit otherDeadLoadSpin{
        .name = "otherDeadLoadSpin",
        .value = 100,
        .minValue = 0,
        .maxValue = 9000,
        .increment = 50,
        .hint = "デッキプレート以外の天井・屋根仕上げ・断熱材等の固定荷重(等分布)を入力して下"
                "さい。"};
    SpinEdit liveLoadSpin{.name = "liveLoadSpin",
                          .value = 0,
                          .minValue = 0,
                          .maxValue = 9000,
                          .increment = 50,
                          .hint = "歩行可能な場合など、必要とされる時に設定して下さい。"};

    // spanPanel: spans and cantilever; the visible span picture is state.spanPicture
    Panel spanPanel{.name = "spanPanel", .top = 376, .height = 92};
    Edit span1Edit{.name = "span1Edit", .text = "2500", .hint = kHintSpans};
    Edit span2Edit{.name = "span2Edit", .text = "2500", .hint = kHintSpans, .visible = false};
    Edit span3Edit{.name = "span3Edit", .text = "2500", .hint = kHintSpans, .visible = false};
    Edit span4Edit{.name = "span4Edit", .text = "2500", .hint = kHintSpans, .visible = false};
    SpinEdit spanCountSpin{.name = "spanCountSpin",
                           .value = 1,
                           .minValue = 1,
                           .maxValue = 4,
                           .increment = 1,
                           .hint =
                               "▲▼キーで設定[1～4]|▲▼キーでデッキ長さ方向のスパン数を設定します。"};
    ComboBox cantileverBox{.name = "cantileverBox",
                           .items = {"無し", "有り"},
                           .hint = "はね出しの有無を指定して下さい。"};
    Edit cantileverLengthEdit{.name = "cantileverLengthEdit",
                              .text = "500",
                              .hint =
                                  "左部はね出し長さを入力して下さい。入力範囲(Min-Max) 200～1000",
                              .visible = false};
    // The right cantilever: this window offers no way to ask for it, but the
    // calculation handles it for a caller that sets cantilever mode 2 or 3.
    Edit rightCantileverLengthEdit{
        .name = "rightCantileverLengthEdit", .text = "500", .visible = false};

    // commandPanel: program name, version and commands
    Panel commandPanel{.name = "commandPanel", .top = 468, .height = 84};
    Label programNameLabel{.name = "programNameLabel", .caption = "Korvex for wood"};
    Label versionLabel{.name = "versionLabel", .caption = "ver."};
    Label usageNoticeLink{.name = "usageNoticeLink", .caption = "本プログラムのご利用について"};
    Button overviewButton{.name = "overviewButton",
                          .caption = "概　要",
                          .hint = "プログラム説明|計算プログラムの概要を示します"};
    Button settingsButton{.name = "settingsButton",
                          .caption = "設　定",
                          .hint = "荷重設定の変更、荷重の検討比率を変更します。"};
    Button loadButton{.name = "loadButton",
                      .caption = "データ読込",
                      .hint = "保存データの読込み|保存済みのデータを読み込みます"};
    Button saveButton{.name = "saveButton",
                      .caption = "データ保存",
                      .hint = "保存|上書き保存 または 名前を付けてデータを保存"};
    Button calculateButton{.name = "calculateButton",
                           .caption = "計　算",
                           .hint = "結果表示|入力条件の基に計算を行い、結果を表示します"};
    Button exitButton{
        .name = "exitButton", .caption = "終　了", .hint = "プログラム終了|プログラムを終了します"};
    Label statusBar{.name = "statusBar"};

    WindowState state;
    site::SiteValues site;
};

// The focus moves to the control of that name.
inline void focus(InputForm& form, const std::string& control_name) {
    form.activeControl = control_name;
}

} // namespace korvex::form
