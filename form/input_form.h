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
    std::string active_control = "ComboBox1";

    // Panel1: deck, fastening, surface treatment, unit weight
    ComboBox ComboBox1{.name = "ComboBox1",
                       .items = {"KX-50-12", "KX-50-16", "KX-75-12", "KX-75-16"},
                       .hint = "デッキを選択して下さい。"};
    ComboBox ComboBox2{.name = "ComboBox2",
                       .items = {"木ねじ SR-N60", "木ねじ SR5×105", "木ねじ SR5×105 2本"},
                       .hint = "木造梁との接合方法|木ねじを選択して下さい。"};
    ComboBox ComboBox7{.name = "ComboBox7",
                       .items = {"Z12", "Z27", "他"},
                       .hint = "デッキの表面処理材料を指定して下さい。"};
    Edit Edit99{.name = "Edit99", .text = "127", .hint = kHintUnitWeightDesign};

    // Panel2: site
    ComboBox ComboBox3{.name = "ComboBox3", .items = {}, .hint = kHintSiteLists};
    ComboBox ComboBox4{.name = "ComboBox4", .items = {}, .hint = kHintSiteLists};
    CheckBox CheckBox1{
        .name = "CheckBox1",
        .caption = "",
        .checked = true,
        .hint =
            "告示1455号第1規定 垂直積雪量1ｍ以上の区域|垂直積雪量1ｍ以上の区域または積雪の初終"
            "間日数の平均値が30日以上の区域 （告示1455号：建築基準法施行令　第86条２項但し書規定）",
        .enabled = false};
    Label Label34{.name = "Label34", .caption = "多雪地域"};

    // Panel6: wind
    Panel Panel6{.name = "Panel6", .top = 72, .height = 304};
    Label Label39{.name = "Label39", .caption = "32"};
    ComboBox ComboBox5{
        .name = "ComboBox5", .items = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"}, .hint = "右図を参照してください。"};
    Edit Edit1{.name = "Edit1", .text = "10000", .hint = kHintHeights};
    Edit Edit2{.name = "Edit2", .text = "15000", .hint = kHintHeights};
    Edit Edit3{.name = "Edit3", .text = "20000", .hint = kHintHeights};
    GroupBox GroupBox3{.name = "GroupBox3", .caption = "屋根の種類"};
    RadioButton RadioButton3{.name = "RadioButton3",
                             .caption = "片流れ屋根",
                             .checked = true,
                             .font_colour = kNavy,
                             .font_bold = true};
    RadioButton RadioButton4{.name = "RadioButton4", .caption = "切妻屋根"};
    RadioButton RadioButton5{.name = "RadioButton5", .caption = "円弧屋根"};
    RadioButton RadioButton6{.name = "RadioButton6", .caption = "独立上屋"};
    Image Image2{.name = "Image2", .picture_file = "Shed_roof.bmp"};
    GroupBox GroupBox5{.name = "GroupBox5", .caption = "建物の形状"};
    RadioButton RadioButton7{.name = "RadioButton7",
                             .caption = "閉鎖型",
                             .checked = true,
                             .font_colour = kNavy,
                             .font_bold = true};
    RadioButton RadioButton8{.name = "RadioButton8", .caption = "風上解放型"};
    RadioButton RadioButton9{.name = "RadioButton9", .caption = "風下解放型"};
    Image Image5{.name = "Image5", .picture_file = "Shape_close.bmp"};
    GroupBox GroupBox4{.name = "GroupBox4", .caption = "屋根の形状", .visible = false};
    RadioButton RadioButton10{.name = "RadioButton10",
                              .caption = "切妻屋根",
                              .checked = true,
                              .font_colour = kNavy,
                              .font_bold = true};
    RadioButton RadioButton11{.name = "RadioButton11", .caption = "翼型屋根"};
    Image Image4{.name = "Image4", .picture_file = "Shape_gable.bmp"};

    // Panel9: loads entered directly (same place as Panel6)
    Panel Panel9{.name = "Panel9", .top = 72, .height = 304, .visible = false};
    SpinEdit CSpinEdit8{.name = "CSpinEdit8",
                        .value = 100,
                        .min_value = 10,
                        .max_value = 90000,
                        .increment = 100,
                        .hint = "正圧の風荷重を入力して下さい。"};
    SpinEdit CSpinEdit9{.name = "CSpinEdit9",
                        .value = 100,
                        .min_value = 10,
                        .max_value = 90000,
                        .increment = 100,
                        .hint = "負圧の風荷重(絶対値)を入力して下さい。"};
    SpinEdit CSpinEdit10{.name = "CSpinEdit10",
                         .value = 100,
                         .min_value = 0,
                         .max_value = 90000,
                         .increment = 100,
                         .hint = "雪荷重を入力して下さい。"};

    // Panel4: snow
    Panel Panel4{.name = "Panel4", .top = 72, .height = 212};
    SpinEdit CSpinEdit2{
        .name = "CSpinEdit2",
        .value = 0,
        .min_value = 0,
        .max_value = 9000,
        .increment = 10,
        .hint = "垂直積雪量1ｍ以上でρ＝３０以上です。 (多雪区域：施行令第86条2項参照）"};
    SpinEdit CSpinEdit3{
        .name = "CSpinEdit3",
        .value = 30,
        .min_value = 0,
        .max_value = 50,
        .increment = 10,
        .hint = "注意：　多雪区域はρ＝３０で、ρは特定行政庁で指定する場合があります。(多雪区"
                "域 : 垂直積雪量1ｍ以上 施行令第86条２項）"};
    GroupBox GroupBox1{.name = "GroupBox1", .caption = "垂直積雪量の算定法"};
    RadioButton RadioButton1{.name = "RadioButton1",
                             .caption = "上欄へ入力",
                             .checked = true,
                             .hint = kHintDirectDepthDesign,
                             .font_colour = kNavy,
                             .font_bold = true};
    RadioButton RadioButton2{
        .name = "RadioButton2", .caption = "下記値より算出", .hint = kHintFormulaMethod};
    SpinEdit CSpinEdit4{
        .name = "CSpinEdit4",
        .value = 25,
        .min_value = 0,
        .max_value = 3500,
        .increment = 5,
        .hint = "区域の標準的な標高|下記に表示される参考値は、行政庁所在地での高さです。積雪"
                "量の計算式は平成12年告示1455号参照。",
        .enabled = false};
    SpinEdit CSpinEdit5{
        .name = "CSpinEdit5",
        .value = 20,
        .min_value = 0,
        .max_value = 100,
        .increment = 5,
        .hint = "半径Rに対する海の面積|海率は、半径Rに対する海の面積です。積雪量の計算式は平"
                "成12年告示1455号参照。",
        .enabled = false};
    Label Label12{.name = "Label12", .caption = "140", .hint = "特定行政庁の指定など参考値"};
    Label Label37{.name = "Label37", .caption = "25"};
    Label Label16{.name = "Label16", .caption = "R"};

    // Panel3: other loads
    Panel Panel3{.name = "Panel3", .top = 284, .height = 85};
    SpinEdit CSpinEdit7{
        .name = "CSpinEdit7",
        .value = 100,
        .min_value = 0,
        .max_value = 9000,
        .increment = 50,
        .hint = "デッキプレート以外の天井・屋根仕上げ・断熱材等の固定荷重(等分布)を入力して下"
                "さい。"};
    SpinEdit CSpinEdit1{.name = "CSpinEdit1",
                        .value = 0,
                        .min_value = 0,
                        .max_value = 9000,
                        .increment = 50,
                        .hint = "歩行可能な場合など、必要とされる時に設定して下さい。"};

    // Panel8: spans and cantilever; the visible span picture is state.spanPicture
    Panel Panel8{.name = "Panel8", .top = 376, .height = 92};
    Edit Edit4{.name = "Edit4", .text = "2500", .hint = kHintSpans};
    Edit Edit5{.name = "Edit5", .text = "2500", .hint = kHintSpans, .visible = false};
    Edit Edit6{.name = "Edit6", .text = "2500", .hint = kHintSpans, .visible = false};
    Edit Edit7{.name = "Edit7", .text = "2500", .hint = kHintSpans, .visible = false};
    SpinEdit CSpinEdit6{.name = "CSpinEdit6",
                        .value = 1,
                        .min_value = 1,
                        .max_value = 4,
                        .increment = 1,
                        .hint =
                            "▲▼キーで設定[1～4]|▲▼キーでデッキ長さ方向のスパン数を設定します。"};
    ComboBox ComboBox6{
        .name = "ComboBox6", .items = {"無し", "有り"}, .hint = "はね出しの有無を指定して下さい。"};
    Edit Edit77{.name = "Edit77",
                .text = "500",
                .hint = "左部はね出し長さを入力して下さい。入力範囲(Min-Max) 200～1000",
                .visible = false};
    // The right cantilever: this window offers no way to ask for it, but the
    // calculation handles it for a caller that sets cantilever mode 2 or 3.
    Edit Edit88{.name = "Edit88", .text = "500", .visible = false};

    // Panel12: program name, version and commands
    Panel Panel12{.name = "Panel12", .top = 468, .height = 84};
    Label StaticText1{.name = "StaticText1", .caption = "Korvex for wood"};
    Label StaticText2{.name = "StaticText2", .caption = "ver."};
    Label Label40{.name = "Label40", .caption = "本プログラムのご利用について"};
    Button BitBtn6{.name = "BitBtn6",
                   .caption = "概　要",
                   .hint = "プログラム説明|計算プログラムの概要を示します"};
    Button BitBtn7{.name = "BitBtn7",
                   .caption = "設　定",
                   .hint = "荷重設定の変更、荷重の検討比率を変更します。"};
    Button BitBtn2{.name = "BitBtn2",
                   .caption = "データ読込",
                   .hint = "保存データの読込み|保存済みのデータを読み込みます"};
    Button BitBtn3{.name = "BitBtn3",
                   .caption = "データ保存",
                   .hint = "保存|上書き保存 または 名前を付けてデータを保存"};
    Button BitBtn1{.name = "BitBtn1",
                   .caption = "計　算",
                   .hint = "結果表示|入力条件の基に計算を行い、結果を表示します"};
    Button BitBtn4{
        .name = "BitBtn4", .caption = "終　了", .hint = "プログラム終了|プログラムを終了します"};
    Label StatusBar1{.name = "StatusBar1"};

    WindowState state;
    site::SiteValues site;
};

// The focus moves to the control of that name.
inline void focus(InputForm& form, const std::string& control_name) {
    form.active_control = control_name;
}

} // namespace korvex::form
