#include "form/dialog_layouts.h"

#include "form/site_data.h"
#include "form/usage_terms.h"
#include "persist/coefficient_dialog.h"
#include "persist/print_settings_dialog.h"
#include "report/span_table_page.h"
#include "site/site_tables.h"

namespace korvex::form {

namespace {

using enum DialogItemKind;

// Appends the items of one parent at a time.
class DialogBuilder {
public:
    explicit DialogBuilder(DialogLayout& layout) : layout_(layout) {}

    void set_parent(std::string parent) { parent_ = std::move(parent); }

    DialogItem& add(DialogItemKind kind, std::string name, std::string text = {},
                    std::string hint = {}) {
        DialogItem& item = layout_.items.emplace_back();
        item.kind = kind;
        item.name = std::move(name);
        item.parent = parent_;
        item.text = std::move(text);
        item.hint = std::move(hint);
        return item;
    }

private:
    DialogLayout& layout_;
    std::string parent_;
};

// The three combinations of one area kind.
struct RatioRow {
    const char* name;
    const char* label;
    int first; // the index of its first ratio
    int count; // how many loads it combines: the long-term one has no wind
};
constexpr RatioRow kRatioRows[3] = {{"LongTermRow", "長　期", 0, 3},
                                    {"SnowRow", "短期 (積雪時)", 3, 4},
                                    {"StormRow", "短期 (暴風時)", 7, 4}};
constexpr const char* kRatioLetters[4] = {"Ｇ", "Ｐ", "Ｓ", "Ｗ"};
constexpr int kAreaRatioCount = 11;

DialogLayout build_coefficient_dialog() {
    DialogLayout d{
        .name = "CoefficientWindow", .title = "係数等の定義", .width = 540, .height = 450};
    DialogBuilder b(d);
    b.add(group, "methodGroup", "計算の方法");
    b.set_parent("methodGroup");
    b.add(radio, "derivedLoadsRadio", "告示第1458号及び積雪量より計算する",
          "平成12年建設省告示第1458号、垂直積雪量より計算します");
    b.add(radio, "directLoadsRadio", "風・雪荷重値を直接入力する",
          "別途算出した風荷重・雪荷重値を使用します。");

    b.set_parent({});
    b.add(group, "ratioGroup", " 荷重の比率 ");
    b.set_parent("ratioGroup");
    b.add(label, "ratioLegendLabel", "Ｇ:固定荷重/Ｐ:積載荷重/Ｓ:積雪荷重/Ｗ:風荷重");
    const char* const areas[2][2] = {{"ordinary", " 一般の場合 "}, {"heavySnow", " 多 雪 区 域 "}};
    for (int area = 0; area < 2; ++area) {
        const std::string area_name = areas[area][0];
        b.set_parent("ratioGroup");
        b.add(group, area_name + "RatioGroup", areas[area][1]);
        for (const RatioRow& row : kRatioRows) {
            b.set_parent(area_name + "RatioGroup");
            b.add(DialogItemKind::row, area_name + row.name, row.label);
            b.set_parent(area_name + row.name);
            for (int k = 0; k < row.count; ++k) {
                const int index = area * kAreaRatioCount + row.first + k;
                DialogItem& ratio = b.add(edit, persist::ratio_edit_name(index), {},
                                          "Ｐは変更不可、ＧとＰは同値に設定しています。");
                ratio.after = std::string(kRatioLetters[k]) + (k + 1 < row.count ? " ＋" : "");
                ratio.maxLength = 8;
                ratio.readOnly = persist::is_p_edit(index);
            }
        }
    }
    // The notes stand under the P column.
    b.set_parent("ratioGroup");
    b.add(label, "pRatioNoteLabel", "積載荷重Ｐは入力不可");
    b.add(label, "sameAsGNoteLabel", "Ｇと同値");

    b.set_parent({});
    b.add(group, "strengthGroup", "デッキプレート設計基準強度 Ｆ");
    b.set_parent("strengthGroup");
    const char* strength_hint = "デッキの基準強度を選択。205N/m㎡がデフォルト値です。";
    b.add(radio, "strength205Radio", "205 N/m㎡", strength_hint);
    b.add(radio, "strength235Radio", "235 N/m㎡", strength_hint);

    b.set_parent({});
    b.add(group, "maxDeckLengthGroup", "デッキプレート最大長さ");
    b.set_parent("maxDeckLengthGroup");
    DialogItem& length = b.add(spin, "maxDeckLengthSpin", {}, "規定値12ｍ");
    length.after = "mm";
    length.minValue = persist::kMaxDeckLengthMin;
    length.maxValue = persist::kMaxDeckLengthMax;
    length.step = persist::kMaxDeckLengthStep;

    b.set_parent({});
    b.add(button, "setButton", "  設    定", "設定終了");
    b.add(button, "cancelButton", " キャンセル", "設定を破棄します");
    b.add(button, "resetButton", "初期値へ戻す", "建築基準法施行令に定められた値に設定します");
    return d;
}

DialogLayout build_print_settings_dialog() {
    DialogLayout d{
        .name = "PrintSettingsWindow", .title = "印刷用設定", .width = 466, .height = 185};
    DialogBuilder b(d);
    DialogItem& subject_label = b.add(label, "subjectLabel", "物件名");
    subject_label.rect = {12, 8, 0, 0};
    subject_label.bold = true;
    DialogItem& limit = b.add(label, "subjectLimitLabel", " [文字数は全角半角共に65以下]");
    limit.rect = {60, 8, 0, 0};
    limit.colour = {128, 128, 128};
    DialogItem& subject = b.add(edit, "subjectEdit", {}, "計算書の表題を記述します");
    subject.rect = {12, 26, 442, 22};
    subject.maxLength = persist::kSubjectMaxLength;
    subject.fill = Rgb{99, 69, 24};
    subject.colour = {255, 255, 255};

    DialogItem& positions = b.add(group, "positionGroup", "ページ番号表示/位置");
    positions.rect = {8, 54, 450, 92};
    positions.bold = true;
    b.set_parent("positionGroup");
    // "無し" above, the six places in framed cells: the top row, then the bottom one.
    const char* const names[7] = {"noPageNumberRadio", "topLeftRadio",    "topCentreRadio",
                                  "topRightRadio",     "bottomLeftRadio", "bottomCentreRadio",
                                  "bottomRightRadio"};
    const char* const captions[7] = {"無し", "上-左", "上-中", "上-右", "下-左", "下-中", "下-右"};
    for (int i = 0; i < 7; ++i) {
        DialogItem& position =
            b.add(radio, names[i], captions[i], i == 0 ? "ページ番号の記述無し" : "ページ番号位置");
        position.colour = kNavy;
        if (i == 0) {
            position.rect = {14, 18, 0, 0};
        } else {
            position.rect = {10 + (i - 1) % 3 * 62, i <= 3 ? 40 : 64, 60, 23};
            position.framed = true;
        }
    }
    b.add(group, "contentGroup", "表示内容").rect = {210, 12, 230, 74};
    b.set_parent("contentGroup");
    b.add(label, "numberFormatLabel", "番号書式").rect = {12, 23, 0, 0};
    DialogItem& format = b.add(combo, "numberFormatBox");
    format.items = {"1,2,3･･･", "-1-,-2-,-3-･･･"};
    format.rect = {72, 19, 146, 22};
    b.add(label, "startNumberLabel", "開始番号").rect = {12, 49, 0, 0};
    DialogItem& start = b.add(spin, "startNumberSpin");
    start.rect = {72, 45, 80, 22};
    start.minValue = persist::kStartNumberMin;
    start.maxValue = persist::kStartNumberMax;

    b.set_parent({});
    b.add(label, "noSubjectNoteLabel", "物件名が不要な場合、何も入力しないで下さい。").rect = {
        12, 150, 0, 0};
    b.add(label, "positionCancelNoteLabel", "ページ表示位置のキャンセルは無効です。").rect = {
        12, 166, 0, 0};
    b.add(button, "setButton", "    設　定", "設定終了").rect = {286, 152, 82, 27};
    b.add(button, "cancelButton", " キャンセル", "設定を破棄します").rect = {374, 152, 82, 27};
    return d;
}

DialogLayout build_site_data_dialog() {
    DialogLayout d{.name = "SiteDataWindow", .title = "地域データ", .width = 980, .height = 640};
    d.fontPixels = kFormFontPixels;
    DialogBuilder b(d);
    b.add(edit, "siteFilterEdit", "絞り込み（地域名・よみ・都道府県の一部）");
    b.add(table, "siteTableView");
    b.set_parent("siteTableView");
    for (const SiteDataColumn& c : kSiteDataColumns)
        b.add(column, c.name, c.title).align = c.number ? LayoutAlign::right : LayoutAlign::left;

    b.set_parent({});
    b.add(group, "siteEditor", "ユーザーの地域データ（選んだ行を直す、または新しい地域を加える）");
    b.set_parent("siteEditor");
    struct Field {
        const char* name;
        const char* label;
        GridCell cell;
    };
    const Field fields[] = {
        {kSitePrefectureField, "都道府県", {0, 0, 1}},
        {kSiteAreaField, "地域", {0, 2, 3}},
        {kSiteReadingField, "よみ", {0, 6, 3}},
        {kSiteWindSpeedField, "V0 (m/s)", {1, 0, 1}},
        {kSiteZoneField, "積雪区域", {1, 2, 1}},
        {kSiteAltitudeField, "標高 (m)", {1, 4, 1}},
        {kSiteSnowDepthField, "垂直積雪量 (cm)", {1, 6, 1}},
        {kSiteRuleFlagField, "細則 (9=有)", {1, 8, 1}},
        {kSiteAlphaField, "α", {2, 0, 1}},
        {kSiteBetaField, "β", {2, 2, 1}},
        {kSiteGammaField, "γ", {2, 4, 1}},
        {kSiteRadiusField, "R (km)", {2, 6, 1}},
        {kSiteOfficePointField, "役所の緯度・経度", {3, 0, 3}},
        {kSiteOfficeNameField, "役所名", {3, 4, 5}},
        {kSiteSourceNoteField, "出典", {4, 0, 9}},
    };
    for (const Field& field : fields) {
        const bool prefecture = std::string_view(field.name) == kSitePrefectureField;
        DialogItem& entry = b.add(prefecture ? combo : edit, field.name, field.label);
        entry.cell = field.cell;
        if (prefecture)
            entry.items.assign(std::begin(site::kPrefectureNames),
                               std::end(site::kPrefectureNames));
    }

    b.set_parent({});
    b.add(label, "siteStatusLabel");
    b.add(button, "siteSeaMapButton", "地図",
          "選んだ地域の役所を中心に、積雪区域の半径Rの円と海を地図で示します（海率参考値）。");
    b.add(button, "newUserRowButton", "新しい地域");
    b.add(button, "saveUserRowButton", "ユーザーデータとして保存");
    b.add(button, "closeButton", "閉じる");
    b.add(message, "newRowMessage",
          "新しい地域の値を入力し、「ユーザーデータとして保存」を押して下さい。");
    return d;
}

DialogLayout build_span_table_dialog() {
    DialogLayout d{
        .name = "SpanTableWindow", .title = "Korvex for wood [許容スパン表]", .width = 720};
    d.fontPixels = kFormFontPixels;
    DialogBuilder b(d);
    DialogItem& title = b.add(band, "titleBand", "許容スパン表");
    title.bold = true;
    b.add(label, "conditionsLabel");
    // Calculate's message while the form does not calculate, in its place of the table.
    b.add(label, "refusalLabel").colour = kGreyedLabel;
    b.add(table, "spanTable");
    b.set_parent("spanTable");
    for (int spans = 1; spans <= 4; ++spans)
        b.add(column, "span" + std::to_string(spans) + "Column", std::to_string(spans) + " スパン")
            .align = LayoutAlign::centre;

    b.set_parent({});
    std::string notes;
    for (const char* note : report::kSpanTableNotes)
        notes += (notes.empty() ? "※" : "\n※") + std::string(note);
    b.add(label, "notesLabel", notes).fontPixels = 11;
    b.add(button, "printButton", "印刷", "用紙をA4 縦に設定して下さい (Ctrl+P)");
    b.add(button, "pdfButton", "PDF保存", "許容スパン表をPDFファイルに保存します");
    b.add(button, "csvButton", "CSV保存", "表計算ソフトで開けるCSVファイルに保存します");
    b.add(button, "closeButton", "閉じる", "条件入力へ戻る (Esc)");
    return d;
}

DialogLayout build_usage_notice() {
    DialogLayout d{.name = "UsageNotice", .title = "ご確認下さい", .width = 404, .height = 305};
    DialogBuilder b(d);
    b.add(band, "headingBand");
    b.set_parent("headingBand");
    DialogItem& heading = b.add(label, "headingLabel", "「Korvex for wood」のご利用について");
    heading.bold = true;
    heading.fontPixels = 15;
    b.add(label, "subheadingLabel", "デッキプレート屋根（木造梁）の構造計算プログラム").fontPixels =
        11;

    b.set_parent({});
    std::string terms;
    bool first = true;
    for (const char* line : kUsageTerms) {
        terms += (first ? "" : "\n") + std::string(line);
        first = false;
    }
    b.add(text, "termsText", terms).fontPixels = 11;
    b.add(label, "closingLabel", "以上").align = LayoutAlign::right;
    b.add(button, "confirmButton", "確　認");
    return d;
}

// The map of the snow panel's reference, or of an office in 地域データ.
DialogLayout build_sea_map_dialog() {
    DialogLayout d{.name = "SeaMapWindow", .title = "海率の地図"};
    d.fontPixels = kFormFontPixels;
    DialogBuilder b(d);
    b.add(picture, "seaMapImage");
    b.add(button, "closeButton", "閉じる");
    b.add(message, "noMapMessage",
          "海率参考値がないため、地図はありません。\n海率計算用半径Rと、役所または建設地の位置が"
          "必要です。");
    return d;
}

} // namespace

const DialogLayout& coefficient_dialog_layout() {
    static const DialogLayout kLayout = build_coefficient_dialog();
    return kLayout;
}

const DialogLayout& print_settings_dialog_layout() {
    static const DialogLayout kLayout = build_print_settings_dialog();
    return kLayout;
}

const DialogLayout& site_data_dialog_layout() {
    static const DialogLayout kLayout = build_site_data_dialog();
    return kLayout;
}

const DialogLayout& span_table_dialog_layout() {
    static const DialogLayout kLayout = build_span_table_dialog();
    return kLayout;
}

const DialogLayout& usage_notice_layout() {
    static const DialogLayout kLayout = build_usage_notice();
    return kLayout;
}

const DialogLayout& sea_map_dialog_layout() {
    static const DialogLayout kLayout = build_sea_map_dialog();
    return kLayout;
}

std::vector<const DialogLayout*> dialog_layouts() {
    return {&coefficient_dialog_layout(), &print_settings_dialog_layout(),
            &site_data_dialog_layout(),   &span_table_dialog_layout(),
            &usage_notice_layout(),       &sea_map_dialog_layout()};
}

const DialogItem& dialog_item(const DialogLayout& layout, std::string_view name) {
    for (const DialogItem& item : layout.items)
        if (item.name == name) return item;
    static const DialogItem kNone;
    return kNone;
}

std::vector<const DialogItem*> dialog_children(const DialogLayout& layout,
                                               std::string_view parent) {
    std::vector<const DialogItem*> children;
    for (const DialogItem& item : layout.items)
        if (item.parent == parent) children.push_back(&item);
    return children;
}

} // namespace korvex::form
