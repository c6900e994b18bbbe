// The browser edition's entry: the desktop's core driven from the page's
// script. Every rule of the form, the calculation, the project file and the
// report runs here, in the same code the desktop program runs; the page only
// shows what it is handed and passes on what the user does.
//
// Files live in the browser's memory file system: the shipped site tables at
// /Load_data (preloaded), the user's own site rows at /user/Load_data (written
// by the page from its local storage before start-up), and the project being
// worked on in the working folder /work under the user's own file name. The
// program knows that file by its name alone, as the user does: the browser gives
// a page no folder of the user's, so the caption, the report's footer and every
// message name the file as "NAME.kvxw", the way the desktop names it by its path.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "common/json.h"
#include "common/number_text.h"
#include "form/calculate.h"
#include "form/change_tracking.h"
#include "form/coefficient_commands.h"
#include "form/control_events.h"
#include "form/control_index.h"
#include "form/dialog_layouts.h"
#include "form/form_state_json.h"
#include "form/key_filter.h"
#include "form/live_verdict.h"
#include "form/menu_layout.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/project_run.h"
#include "form/recovery.h"
#include "form/sea_ratio_reference.h"
#include "form/session.h"
#include "form/site_data.h"
#include "form/site_selection.h"
#include "form/span_table.h"
#include "form/window_layout.h"
#include "persist/coefficient_dialog.h"
#include "persist/print_settings_dialog.h"
#include "persist/project_file.h"
#include "persist/recovery_copy.h"
#include "persist/rtf_reader.h"
#include "report/report_run.h"
#include "report/sea_map.h"
#include "report/span_table_page.h"
#include "report/svg_surface.h"
#include "sea/coastline_file.h"
#include "sea/coastline_store.h"
#include "site/area_search.h"

namespace korvex::web {

namespace {

namespace fs = std::filesystem;
using common::JsonArray;
using common::JsonObject;
using emscripten::val;

const fs::path kDataFolder = "/Load_data";
const fs::path kUserSiteFolder = "/user/Load_data";
const fs::path kWorkFolder = "/work";
const fs::path kRecoveryFolder = "/recovery";

std::string version() {
    return KORVEX_VERSION;
}

// The project's file under the name the user gave it, in the working folder.
fs::path work_file(const std::string& name) {
    fs::create_directories(kWorkFolder);
    if (fs::current_path() != kWorkFolder) fs::current_path(kWorkFolder);
    const fs::path file_name = fs::path(name).filename();
    return file_name.empty() ? fs::path("Data.kvxw") : file_name;
}

void write_bytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

val byte_array(const std::string& bytes) {
    // A copy the page owns: a view into the module's memory would move with it.
    val view(emscripten::typed_memory_view(bytes.size(),
                                           reinterpret_cast<const unsigned char*>(bytes.data())));
    return val::global("Uint8Array").new_(view);
}

JsonObject message_json(const std::optional<form::FormMessage>& message) {
    if (!message) return {};
    return {{"message", message->text}, {"focus", message->focus}};
}

std::string text(const common::JsonValue& document) {
    return common::to_json_text(document);
}

const char* dialog_kind_name(form::DialogItemKind kind) {
    switch (kind) {
    case form::DialogItemKind::group:
        return "group";
    case form::DialogItemKind::row:
        return "row";
    case form::DialogItemKind::band:
        return "band";
    case form::DialogItemKind::label:
        return "label";
    case form::DialogItemKind::text:
        return "text";
    case form::DialogItemKind::edit:
        return "edit";
    case form::DialogItemKind::spin:
        return "spin";
    case form::DialogItemKind::combo:
        return "combo";
    case form::DialogItemKind::radio:
        return "radio";
    case form::DialogItemKind::button:
        return "button";
    case form::DialogItemKind::table:
        return "table";
    case form::DialogItemKind::column:
        return "column";
    case form::DialogItemKind::message:
        return "message";
    case form::DialogItemKind::picture:
        return "picture";
    }
    return "label";
}

const char* kind_name(form::LayoutKind kind) {
    switch (kind) {
    case form::LayoutKind::panel:
        return "panel";
    case form::LayoutKind::titleBand:
        return "titleBand";
    case form::LayoutKind::text:
        return "text";
    case form::LayoutKind::group:
        return "group";
    case form::LayoutKind::edit:
        return "edit";
    case form::LayoutKind::spin:
        return "spin";
    case form::LayoutKind::combo:
        return "combo";
    case form::LayoutKind::check:
        return "check";
    case form::LayoutKind::radio:
        return "radio";
    case form::LayoutKind::display:
        return "display";
    case form::LayoutKind::picture:
        return "picture";
    case form::LayoutKind::button:
        return "button";
    case form::LayoutKind::spanPictures:
        return "spanPictures";
    }
    return "text";
}

const char* align_name(form::LayoutAlign align) {
    switch (align) {
    case form::LayoutAlign::centre:
        return "center";
    case form::LayoutAlign::right:
        return "right";
    case form::LayoutAlign::left:
        break;
    }
    return "left";
}

JsonArray text_array(const std::vector<std::string>& texts) {
    JsonArray array;
    for (const std::string& t : texts) array.emplace_back(t);
    return array;
}

std::string colour_text(form::Rgb rgb) {
    return common::hex_colour(report::rgb(rgb.red, rgb.green, rgb.blue));
}

JsonObject dialog_json(const form::DialogLayout& dialog) {
    JsonArray items;
    for (const form::DialogItem& item : dialog.items) {
        JsonObject entry{{"kind", dialog_kind_name(item.kind)},
                         {"name", item.name},
                         {"parent", item.parent},
                         {"text", item.text},
                         {"hint", item.hint},
                         {"after", item.after},
                         {"items", text_array(item.items)},
                         {"align", align_name(item.align)},
                         {"bold", item.bold},
                         {"fontPixels", item.fontPixels},
                         {"colour", colour_text(item.colour)},
                         {"readOnly", item.readOnly},
                         {"framed", item.framed},
                         {"maxLength", item.maxLength},
                         {"min", item.minValue},
                         {"max", item.maxValue},
                         {"step", item.step}};
        if (item.rect.width > 0 || item.rect.left > 0 || item.rect.top > 0)
            entry.emplace_back("rect", JsonArray{item.rect.left, item.rect.top, item.rect.width,
                                                 item.rect.height});
        if (item.cell.span > 0)
            entry.emplace_back("cell", JsonArray{item.cell.row, item.cell.column, item.cell.span});
        if (item.fill) entry.emplace_back("fill", colour_text(*item.fill));
        items.emplace_back(std::move(entry));
    }
    return {{"name", dialog.name},
            {"title", dialog.title},
            {"width", dialog.width},
            {"height", dialog.height},
            {"fontPixels", dialog.fontPixels},
            {"background", colour_text(dialog.background)},
            {"items", std::move(items)}};
}

// The page measures report texts with the canvas of the fonts it shows them
// in; each text is asked for once per font.
class BrowserMeasurer {
public:
    report::TextMetrics operator()(const std::string& family, int pixels, bool bold,
                                   std::string_view text) {
        auto key = std::make_tuple(family, pixels, bold, std::string(text));
        if (const auto found = cache_.find(key); found != cache_.end()) return found->second;
        const val m = val::global("korvexMeasureText")(family, pixels, bold, std::string(text));
        const report::TextMetrics metrics{m[0].as<double>(), m[1].as<double>(), m[2].as<double>()};
        cache_.emplace(std::move(key), metrics);
        return metrics;
    }

private:
    std::map<std::tuple<std::string, int, bool, std::string>, report::TextMetrics> cache_;
};

} // namespace

class WebSession {
public:
    // Start-up on the shipped site tables with the user's rows over them: ""
    // or the message that ends start-up.
    std::string start() {
        session_ = std::make_unique<form::Session>();
        if (const auto error =
                form::start_session(*session_, kDataFolder, version(), kUserSiteFolder))
            return error->message;
        await_coastline(kCoastlineOnItsWay);
        return {};
    }

    // ---- the coastline, brought in when a sea ratio is first asked for ----

    // Whether the form asked for a sea ratio before the coastline was here:
    // the page then brings the file in.
    bool coastline_awaiting() const {
        const auto& store = session_->siteTables.coastline;
        return store && store->awaiting();
    }

    // The coastline has come into the data folder (put_coastline): the
    // reference measured with it.
    void coastline_arrived() {
        form::refresh_sea_ratio_reference(session_->form, session_->siteTables);
    }

    // The page could not bring the file: the reference says so, and is not
    // asked for again.
    void coastline_unavailable() { await_coastline(kCoastlineUnavailable); }

    // ---- 海率の地図 ----

    // The map of the snow panel's reference; "" when there is none.
    std::string sea_map() { return sea_map_svg(form::sea_map_figure(session_->form.site)); }

    // The map of a row of 地域データ: its office within its zone's R.
    std::string site_row_sea_map(int index) {
        const std::vector<form::SiteDataRow> rows = form::site_data_rows(session_->siteTables);
        if (index < 0 || index >= static_cast<int>(rows.size())) return {};
        return sea_map_svg(form::office_sea_map_figure(session_->siteTables,
                                                       rows[static_cast<std::size_t>(index)]));
    }

    // Whether a row has a map to show: an office point and an R.
    bool site_row_has_sea_map(int index) const {
        const std::vector<form::SiteDataRow> rows = form::site_data_rows(session_->siteTables);
        if (index < 0 || index >= static_cast<int>(rows.size())) return false;
        return form::has_office_sea_map(rows[static_cast<std::size_t>(index)]);
    }

    // What is wrong with the user's own site files, once.
    std::string user_notices() {
        JsonArray notices;
        for (const site::SiteError& notice : site::take_user_notices(session_->siteTables))
            notices.emplace_back(notice.message);
        return text(notices);
    }

    std::string layout() const {
        JsonArray items;
        for (const form::LayoutItem& item : form::main_window_layout()) {
            items.emplace_back(JsonObject{
                {"kind", kind_name(item.kind)},
                {"name", item.name},
                {"parent", item.parent},
                {"text", item.text},
                {"left", item.rect.left},
                {"top", item.rect.top},
                {"width", item.rect.width},
                {"height", item.rect.height},
                {"align", align_name(item.align)},
                {"bold", item.bold},
                {"fontPixels", item.fontPixels > 0 ? item.fontPixels : form::kFormFontPixels}});
        }
        return text(items);
    }

    std::string state() {
        JsonObject state = form::form_state_json(*session_);
        JsonObject pictures;
        JsonObject places;
        for (const form::LayoutItem& item : form::main_window_layout()) {
            if (item.kind == form::LayoutKind::picture)
                pictures.emplace_back(item.name, form::picture_file(session_->form, item.name));
            // Where the item stands now: panels move with the layout mode, the
            // status line with the window's height, the right overhang's edit
            // with the span count.
            if (!item.name.empty()) {
                const form::LayoutRect r = form::live_rect(session_->form, item);
                places.emplace_back(item.name, JsonArray{r.left, r.top, r.width, r.height});
            }
        }
        state.emplace_back("pictures", std::move(pictures));
        state.emplace_back("places", std::move(places));
        // The design's own file and the name a save proposes for it.
        state.emplace_back("fileName", session_->paths.currentFilePath.filename().string());
        state.emplace_back("saveName", persist::propose_save(session_->paths, {}).fileName);
        return text(state);
    }

    std::string change(const std::string& name, const std::string& value) {
        return text(message_json(form::change_control(*session_, name, value)));
    }

    std::string leave(const std::string& name) {
        return text(message_json(form::leave_control(*session_, name)));
    }

    // The focus enters a control: it becomes the active one and its hint goes to
    // the status line, as in the window.
    void focus(const std::string& name) {
        form::focus(session_->form, name);
        if (const auto control = form::find_control(session_->form, name))
            form::show_hint(session_->form, form::control_hint(*control));
    }

    // The area box's search: the areas of every prefecture whose name or
    // reading holds `text`, each with its prefecture.
    std::string find_areas(const std::string& search) const {
        JsonArray found;
        for (const site::AreaMatch& m :
             site::find_areas(session_->siteTables, search, site::kAreaSearchLimit))
            found.emplace_back(JsonObject{{"prefectureIndex", static_cast<int>(m.prefectureIndex)},
                                          {"prefecture", m.prefectureName},
                                          {"area", m.areaName}});
        return text(found);
    }

    // A found area chosen: its prefecture and area with every behaviour of
    // choosing them from the lists.
    std::string choose_area(int prefecture_index, const std::string& area) {
        auto message = form::choose_area(session_->form, session_->siteTables,
                                         static_cast<std::size_t>(prefecture_index), area);
        return text(message_json(message));
    }

    bool accepts_key(const std::string& name, int key) const {
        return form::accepts_key(session_->form, name, static_cast<char32_t>(key));
    }

    // "データ読込" of a file the user chose: {applied, failed, messages}.
    std::string load(const std::string& name, const std::string& bytes) {
        const fs::path file = work_file(name);
        write_bytes(file, bytes);
        const form::LoadOutcome outcome = form::load_project(*session_, file);
        JsonArray messages;
        for (const std::string& m : outcome.messages) messages.emplace_back(m);
        return text(JsonObject{
            {"applied", outcome.applied}, {"failed", outcome.failed}, {"messages", messages}});
    }

    // A save, first half: the bytes of the form as it is now, or the message of
    // a form Shift_JIS cannot hold. The page writes them where the user chose.
    val project_bytes() {
        pendingSave_ = form::collect_project_lines(*session_);
        return encoded_bytes(pendingSave_);
    }

    // The same bytes for the page's second instance of the core, which works out
    // the span table from them while the user types on; a save under way keeps
    // the lines it is writing.
    val form_bytes() const { return encoded_bytes(form::collect_project_lines(*session_)); }

    // Second half, once the bytes are in the user's file `name`: it becomes the
    // design's file, and the form is compared with what was written.
    void saved(const std::string& name) {
        form::note_project_saved(*session_, work_file(name), pendingSave_);
    }

    // "データ保存" under `name` in one step (a test's round trip): the file's
    // bytes, or the message of a failed save.
    val save(const std::string& name) {
        const fs::path file = work_file(name);
        if (const std::string error = form::save_project(*session_, file); !error.empty())
            return val(error);
        return byte_array(read_bytes(file));
    }

    // "計算": {} when the design passed, else the message and the control.
    std::string calculate() { return text(message_json(form::calculate(*session_))); }

    // The verdict while typing: Calculate on a copy of the session, which is
    // left as it was (form/live_verdict.h).
    std::string live_verdict() const {
        return text(form::live_verdict_json(form::live_verdict(*session_)));
    }

    // The printed report's sheets as SVG documents, dated `date` (yyyy/MM/dd).
    val report_pages(const std::string& date) {
        report::SvgSurface surface = svg_surface();
        report::ReportCanvas canvas;
        report::begin_report(canvas, report::kPrinterOutput, surface,
                             form::report_document(*session_, date));
        report::draw_report(canvas, session_->report_data());
        val pages = val::array();
        for (const std::string& page : surface.pages()) pages.call<void>("push", page);
        return pages;
    }

    // ---- 許容スパン表 ----

    // The table for the form as it is, kept for the sheet and the CSV:
    // {conditions, decks: [{name, cells: [{lines, passes}]}]}, or the message
    // and the control of a design Calculate refuses.
    std::string span_table() {
        auto built = form::build_span_table(*session_);
        if (const auto* refused = std::get_if<form::FormMessage>(&built))
            return text(message_json(*refused));
        spanTable_ = std::move(std::get<run::SpanTable>(built));
        JsonArray conditions;
        for (const run::SpanTableCondition& c : spanTable_.conditions)
            conditions.emplace_back(JsonArray{c.label, c.value});
        JsonArray decks;
        JsonArray cells;
        std::string deck;
        for (const run::SpanTableCell& cell : spanTable_.cells) {
            if (cell.deckName != deck && !cells.empty()) {
                decks.emplace_back(JsonObject{{"name", deck}, {"cells", std::move(cells)}});
                cells = JsonArray{};
            }
            deck = cell.deckName;
            cells.emplace_back(JsonObject{{"lines", text_array(form::span_table_cell_lines(cell))},
                                          {"passes", cell.maxSpan.has_value()}});
        }
        if (!cells.empty())
            decks.emplace_back(JsonObject{{"name", deck}, {"cells", std::move(cells)}});
        return text(JsonObject{{"conditions", std::move(conditions)}, {"decks", std::move(decks)}});
    }

    // The table's one printed sheet, as the desktop prints it, dated `date`.
    std::string span_table_sheet(const std::string& date) {
        report::SvgSurface surface = svg_surface();
        report::ReportCanvas canvas;
        report::begin_report(canvas, report::kPrinterOutput, surface,
                             form::report_document(*session_, date));
        report::draw_span_table_page(canvas, spanTable_);
        const std::vector<std::string> pages = surface.pages();
        return pages.empty() ? std::string() : pages.front();
    }

    // The desktop's CSV file of the table, byte for byte, and the name its save proposes.
    val span_table_csv() const { return byte_array(form::span_table_csv(spanTable_)); }
    std::string span_table_csv_name() const {
        return form::span_table_proposal(session_->paths, {}, ".csv").filename().string();
    }

    // ---- the copy against a lost tab ----

    // The form as the copy keeps it: {bytes (a project file), origin}, or
    // {message} when it cannot be written.
    val recovery_copy() {
        const fs::path folder = kRecoveryFolder / "keep";
        val copy = val::object();
        if (const std::string error = form::keep_recovery_copy(*session_, folder); !error.empty()) {
            copy.set("message", error);
            return copy;
        }
        copy.set("bytes", byte_array(read_bytes(persist::recovery_copy_file(folder))));
        copy.set("origin", read_bytes(folder / persist::kRecoveryOriginName));
        persist::remove_recovery_copy(folder);
        return copy;
    }

    // A copy kept by an earlier page put back into the form as unsaved edits:
    // {restored, messages}.
    std::string restore_recovery(const std::string& bytes, const std::string& origin) {
        const fs::path folder = kRecoveryFolder / "restore";
        fs::create_directories(folder);
        write_bytes(persist::recovery_copy_file(folder), bytes);
        write_bytes(folder / persist::kRecoveryOriginName, origin);
        const form::RecoveryOutcome outcome = form::restore_recovery_copy(*session_, folder);
        persist::remove_recovery_copy(folder);
        return text(
            JsonObject{{"restored", outcome.restored}, {"messages", text_array(outcome.messages)}});
    }

    // ---- the coefficient dialog ("設　定") ----

    // Every control of the dialog by its name: a ratio's text, whether a radio
    // is chosen, the maximum deck length.
    std::string coefficients() const {
        const persist::CoefficientDialog& d = session_->coefficientDialog;
        JsonObject controls;
        for (int i = 0; i < persist::kRatioEditCount; ++i)
            controls.emplace_back(persist::ratio_edit_name(i),
                                  d.ratioEdits[static_cast<std::size_t>(i)]);
        controls.emplace_back("strength205Radio", d.strength205Radio);
        controls.emplace_back("strength235Radio", d.strength235Radio);
        controls.emplace_back("derivedLoadsRadio", d.derivedLoadsRadio);
        controls.emplace_back("directLoadsRadio", d.directLoadsRadio);
        controls.emplace_back("maxDeckLengthSpin", d.maxDeckLengthSpin);
        return text(controls);
    }

    std::string open_coefficients() {
        session_->coefficientDialog.visible = true;
        return coefficients();
    }

    // A control of the dialog changed: a ratio typed into, a radio chosen or the
    // length changed.
    std::string edit_coefficients(const std::string& name, const std::string& value) {
        persist::CoefficientDialog& d = session_->coefficientDialog;
        if (const int index = persist::ratio_edit_index(name); index >= 0) {
            if (!persist::is_p_edit(index)) {
                d.ratioEdits[static_cast<std::size_t>(index)] = value;
                persist::mirror_g_to_p(d, index);
            }
        } else if (name == "strength205Radio" || name == "strength235Radio") {
            d.strength205Radio = name == "strength205Radio";
            d.strength235Radio = !d.strength205Radio;
        } else if (name == "derivedLoadsRadio" || name == "directLoadsRadio") {
            d.derivedLoadsRadio = name == "derivedLoadsRadio";
            d.directLoadsRadio = !d.derivedLoadsRadio;
        } else if (name == "maxDeckLengthSpin") {
            d.maxDeckLengthSpin = std::atoi(value.c_str());
        }
        return coefficients();
    }

    bool accepts_ratio_key(int key) const {
        return persist::accepts_ratio_key(static_cast<char32_t>(key));
    }

    // "設　定": {} when taken over, else the message and the edit to focus.
    std::string set_coefficients() {
        if (const auto failure = form::coefficient_set(*session_))
            return text(JsonObject{{"message", failure->message},
                                   {"focus", persist::ratio_edit_name(failure->editIndex)}});
        session_->coefficientDialog.visible = false;
        return text(JsonObject{});
    }

    void cancel_coefficients() {
        form::coefficient_cancel(*session_);
        session_->coefficientDialog.visible = false;
    }

    std::string reset_coefficients() {
        persist::reset_to_standard(session_->coefficientDialog);
        return coefficients();
    }

    // ---- the print settings ("印刷の設定") ----

    // Every control of the dialog by its name.
    std::string print_settings() const {
        const persist::PrintSettingsDialog& d = session_->printDialog;
        JsonObject controls{{"subjectEdit", d.subjectEdit}};
        const std::vector<std::string> radios = position_radios();
        for (std::size_t i = 0; i < radios.size() && i < report::kPageNumberPositions.size(); ++i)
            controls.emplace_back(radios[i], report::kPageNumberPositions[i] == d.checkedPosition);
        controls.emplace_back("contentGroup", d.contentGroupEnabled);
        controls.emplace_back("numberFormatBox", d.numberFormatBox);
        controls.emplace_back("startNumberSpin", d.startNumberSpin);
        return text(controls);
    }

    std::string open_print_settings() {
        persist::show_print_dialog(session_->printDialog, session_->printSettings);
        return print_settings();
    }

    // A control of the dialog changed; "subjectClick" is a click into the subject.
    std::string edit_print_settings(const std::string& name, const std::string& value) {
        persist::PrintSettingsDialog& d = session_->printDialog;
        const std::vector<std::string> radios = position_radios();
        if (name == "subjectEdit") {
            d.subjectEdit = value;
        } else if (name == "subjectClick") {
            persist::click_subject(d);
        } else if (name == "numberFormatBox") {
            d.numberFormatBox = std::atoi(value.c_str());
        } else if (name == "startNumberSpin") {
            d.startNumberSpin = std::atoi(value.c_str());
        } else {
            for (std::size_t i = 0; i < radios.size() && i < report::kPageNumberPositions.size();
                 ++i)
                if (radios[i] == name)
                    persist::click_position(d, session_->printSettings,
                                            report::kPageNumberPositions[i]);
        }
        return print_settings();
    }

    bool accepts_start_number_key(int key) const {
        return persist::accepts_start_number_key(static_cast<char32_t>(key));
    }

    void confirm_print_settings() {
        persist::confirm_print_dialog(session_->printDialog, session_->printSettings);
    }

    void cancel_print_settings() {
        persist::cancel_print_dialog(session_->printDialog, session_->printSettings);
    }

    // ---- "地域データ" ----

    // Every area of the tables with its values and where its row comes from.
    std::string site_rows() const {
        JsonArray rows;
        for (const form::SiteDataRow& r : form::site_data_rows(session_->siteTables)) {
            JsonArray row;
            for (const form::SiteDataColumn& column : form::kSiteDataColumns)
                row.emplace_back(r.*column.value);
            rows.emplace_back(std::move(row));
        }
        return text(rows);
    }

    // Which of `site_rows` the filter lets through.
    std::string site_row_matches(const std::string& filter) const {
        JsonArray shown;
        for (const form::SiteDataRow& r : form::site_data_rows(session_->siteTables))
            shown.emplace_back(form::site_data_row_matches(r, filter));
        return text(shown);
    }

    // Stores a row of the user's own table, given as {field name: text}:
    // {status} or {message, focus}. The page then keeps the user's files in its storage.
    std::string save_site_row(const val& fields) {
        form::UserSiteRow row;
        for (const form::UserSiteField& field : form::kUserSiteFields) {
            const val value = fields[field.name];
            row.*field.value = value.isUndefined() ? std::string() : value.as<std::string>();
        }
        const form::UserRowSaved saved = form::save_user_site_row(*session_, row);
        if (saved.failure)
            return text(
                JsonObject{{"message", saved.failure->text}, {"focus", saved.failure->focus}});
        return text(JsonObject{{"status", saved.status}});
    }

    // A row of the list as the editor shows it: {field name: text}.
    std::string site_row_fields(int index) const {
        const std::vector<form::SiteDataRow> rows = form::site_data_rows(session_->siteTables);
        JsonObject fields;
        if (index < 0 || index >= static_cast<int>(rows.size())) return text(fields);
        const form::UserSiteRow row = form::user_site_row(rows[static_cast<std::size_t>(index)]);
        for (const form::UserSiteField& field : form::kUserSiteFields)
            fields.emplace_back(field.name, row.*field.value);
        return text(fields);
    }

    // "概　要": the program's overview document as paragraphs of styled runs.
    std::string overview() const {
        const auto document = persist::read_rtf(read_bytes(kDataFolder / "Kvxw_general.rtf"));
        if (!document) return text(JsonObject{{"message", "概要の文書を読み込めません。"}});
        JsonArray paragraphs;
        for (const persist::RtfParagraph& paragraph : document->paragraphs) {
            JsonArray runs;
            for (const persist::RtfRun& run : paragraph.runs) {
                runs.emplace_back(JsonObject{{"text", run.text},
                                             {"bold", run.style.bold},
                                             {"italic", run.style.italic},
                                             {"underline", run.style.underline},
                                             {"points", run.style.halfPoints / 2.0},
                                             {"colour", common::hex_colour(run.style.colour)}});
            }
            static const char* const kAlign[] = {"left", "center", "right", "justify"};
            paragraphs.emplace_back(JsonObject{
                {"align", kAlign[static_cast<int>(paragraph.alignment)]}, {"runs", runs}});
        }
        return text(JsonObject{{"paragraphs", paragraphs}});
    }

private:
    static val encoded_bytes(const persist::ProjectLines& lines) {
        const persist::EncodedProject encoded = persist::encode_project_file(lines);
        if (!encoded.error.empty()) return val(encoded.error);
        return byte_array(encoded.bytes);
    }

    // The position buttons in the order of report::kPageNumberPositions.
    static std::vector<std::string> position_radios() {
        std::vector<std::string> names;
        for (const form::DialogItem* item :
             form::dialog_children(form::print_settings_dialog_layout(), "positionGroup"))
            if (item->kind == form::DialogItemKind::radio) names.push_back(item->name);
        return names;
    }

    report::SvgSurface svg_surface(report::SvgGeometry geometry = {}) {
        return report::SvgSurface(std::move(geometry), [this](const std::string& family, int pixels,
                                                              bool bold, std::string_view text) {
            return measurer_(family, pixels, bold, text);
        });
    }

    void await_coastline(const std::string& message) {
        session_->siteTables.coastline = std::make_shared<const sea::CoastlineStore>(
            kDataFolder / sea::kCoastlineFileName, message);
        form::refresh_sea_ratio_reference(session_->form, session_->siteTables);
    }

    // The map as the desktop's window shows it: kSeaMapWidth pixels wide in a
    // white margin, drawn at twice the pixels so that its shading stays fine
    // when the browser zooms; "" without a figure or a coastline.
    std::string sea_map_svg(const std::optional<report::SeaMapFigure>& figure) {
        const auto& store = session_->siteTables.coastline;
        const sea::Coastline* coastline = store ? store->coastline() : nullptr;
        if (!figure || !coastline) return {};
        constexpr int kFine = 2;
        const int dpi = 96 * kFine;
        const int width = form::kSeaMapWidth * kFine;
        const int padding = form::kSeaMapPadding * kFine;
        report::SvgSurface probe = svg_surface({dpi, {1, 1}, dpi, "1px", "1px"});
        const int height = report::sea_map_height(probe, width);
        const report::Size sheet{width + 2 * padding, height + 2 * padding};
        report::SvgSurface surface =
            svg_surface({dpi, sheet, dpi, std::to_string(sheet.width / kFine) + "px",
                         std::to_string(sheet.height / kFine) + "px"});
        if (!report::draw_sea_map(surface, {padding, padding}, width, *coastline, *figure))
            return {};
        const std::vector<std::string> pages = surface.pages();
        return pages.empty() ? std::string() : pages.front();
    }

    static constexpr const char* kCoastlineOnItsWay = "地図データを読み込んでいます…";
    static constexpr const char* kCoastlineUnavailable =
        "地図データ（coastline.js）を読み込めませんでした。ページを読み込み直して下さい。";

    std::unique_ptr<form::Session> session_ = std::make_unique<form::Session>();
    persist::ProjectLines pendingSave_; // what the save under way writes
    run::SpanTable spanTable_;          // the table last worked out
    // Kept for the page's life: the fonts do not change, and a report drawn
    // again asks for mostly the same texts.
    BrowserMeasurer measurer_;
};

// The page's `?file=NAME.kvxw&json=1`: the file from start-up to Calculate in a
// session of its own, printed exactly as `korvex --json` prints it.
std::string project_json(const std::string& name, const std::string& bytes) {
    const fs::path file = work_file(name);
    write_bytes(file, bytes);
    form::Session session;
    return form::project_json_text(session, {kDataFolder, kUserSiteFolder, version(), file});
}

// The coastline's bytes, brought by the page, into the data folder where every
// session reads it.
void put_coastline(const std::string& bytes) {
    write_bytes(kDataFolder / sea::kCoastlineFileName, bytes);
}

// `?file=NAME.kvxw&spanTable=1`: exactly what `korvex --span-table` prints.
std::string project_span_table_json(const std::string& name, const std::string& bytes) {
    const fs::path file = work_file(name);
    write_bytes(file, bytes);
    form::Session session;
    return form::project_span_table_json_text(session,
                                              {kDataFolder, kUserSiteFolder, version(), file});
}

// What the page builds besides the main window, from the tables the Qt windows
// use: the menu bar, the dialogs, and the texts and rules of the recent designs,
// the copy and the question about unsaved edits.
std::string page_tables() {
    JsonArray menus;
    for (const form::Menu& menu : form::main_menu_layout()) {
        JsonArray entries;
        for (const form::MenuEntry& entry : menu.entries) {
            const char* kind = entry.kind == form::MenuEntryKind::separator       ? "separator"
                               : entry.kind == form::MenuEntryKind::recentDesigns ? "recent"
                                                                                  : "command";
            entries.emplace_back(JsonObject{{"kind", kind},
                                            {"name", entry.name},
                                            {"text", form::menu_text_without_marks(entry.text)},
                                            {"keys", entry.keys}});
        }
        menus.emplace_back(JsonObject{{"name", menu.name},
                                      {"text", form::menu_text_without_marks(menu.text)},
                                      {"entries", std::move(entries)}});
    }
    JsonObject dialogs;
    for (const form::DialogLayout* dialog : form::dialog_layouts())
        dialogs.emplace_back(dialog->name, dialog_json(*dialog));
    return text(JsonObject{
        {"menuBarHeight", form::kMenuBarHeight},
        {"menus", std::move(menus)},
        {"dialogs", std::move(dialogs)},
        {"recent", JsonObject{{"count", form::kRecentDesignCount},
                              {"title", form::kRecentDesignsTitle},
                              {"none", form::kNoRecentDesigns},
                              {"missing", form::kMissingDesignHint},
                              {"removeMissing", form::kRemoveMissingDesigns},
                              {"arrowWidth", form::kRecentArrowWidth}}},
        {"recovery", JsonObject{{"question", form::kRecoveryQuestion},
                                {"keepFailure", form::kRecoveryKeepFailure},
                                {"delay", static_cast<int>(form::kRecoveryDelay.count())}}},
        {"saveChangesQuestion", form::kSaveChangesQuestion},
        {"liveVerdict", JsonObject{{"name", form::kLiveVerdictLabel},
                                   {"delay", static_cast<int>(form::kLiveVerdictDelay.count())},
                                   {"padding", form::kLiveVerdictPadding}}},
        {"framedCellInset", JsonArray{form::kFramedCellInsetX, form::kFramedCellInsetY}},
        {"colours", JsonObject{{"chosenRadio", colour_text(form::kNavy)},
                               {"chosenPosition", colour_text(form::kChosenPositionColour)}}},
        {"spanTableNotes",
         text_array({report::kSpanTableNotes.begin(), report::kSpanTableNotes.end()})},
    });
}

// An entry of the recent designs' menu as the page shows it: "3  NAME.kvxw".
std::string recent_entry_text(int number, const std::string& design) {
    return form::menu_text_without_marks(form::recent_design_entry_text(number, design));
}

// The list of recent designs once `design` (the page's key of one) has been
// opened or saved.
std::string recent_after_use(const val& designs, const std::string& design) {
    std::vector<std::string> list;
    const int length = designs["length"].as<int>();
    for (int i = 0; i < length; ++i) list.push_back(designs[i].as<std::string>());
    return text(text_array(form::recent_designs_after_use(list, design)));
}

} // namespace korvex::web

EMSCRIPTEN_BINDINGS(korvex) {
    using korvex::web::WebSession;
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("start", &WebSession::start)
        .function("userNotices", &WebSession::user_notices)
        .function("layout", &WebSession::layout)
        .function("state", &WebSession::state)
        .function("change", &WebSession::change)
        .function("leave", &WebSession::leave)
        .function("focus", &WebSession::focus)
        .function("acceptsKey", &WebSession::accepts_key)
        .function("findAreas", &WebSession::find_areas)
        .function("chooseArea", &WebSession::choose_area)
        .function("load", &WebSession::load)
        .function("save", &WebSession::save)
        .function("projectBytes", &WebSession::project_bytes)
        .function("saved", &WebSession::saved)
        .function("spanTable", &WebSession::span_table)
        .function("spanTableSheet", &WebSession::span_table_sheet)
        .function("spanTableCsv", &WebSession::span_table_csv)
        .function("spanTableCsvName", &WebSession::span_table_csv_name)
        .function("recoveryCopy", &WebSession::recovery_copy)
        .function("restoreRecovery", &WebSession::restore_recovery)
        .function("calculate", &WebSession::calculate)
        .function("liveVerdict", &WebSession::live_verdict)
        .function("formBytes", &WebSession::form_bytes)
        .function("reportPages", &WebSession::report_pages)
        .function("overview", &WebSession::overview)
        .function("siteRows", &WebSession::site_rows)
        .function("siteRowMatches", &WebSession::site_row_matches)
        .function("saveSiteRow", &WebSession::save_site_row)
        .function("siteRowFields", &WebSession::site_row_fields)
        .function("siteRowSeaMap", &WebSession::site_row_sea_map)
        .function("siteRowHasSeaMap", &WebSession::site_row_has_sea_map)
        .function("seaMap", &WebSession::sea_map)
        .function("coastlineAwaiting", &WebSession::coastline_awaiting)
        .function("coastlineArrived", &WebSession::coastline_arrived)
        .function("coastlineUnavailable", &WebSession::coastline_unavailable)
        .function("openCoefficients", &WebSession::open_coefficients)
        .function("editCoefficients", &WebSession::edit_coefficients)
        .function("acceptsRatioKey", &WebSession::accepts_ratio_key)
        .function("setCoefficients", &WebSession::set_coefficients)
        .function("cancelCoefficients", &WebSession::cancel_coefficients)
        .function("resetCoefficients", &WebSession::reset_coefficients)
        .function("openPrintSettings", &WebSession::open_print_settings)
        .function("editPrintSettings", &WebSession::edit_print_settings)
        .function("confirmPrintSettings", &WebSession::confirm_print_settings)
        .function("cancelPrintSettings", &WebSession::cancel_print_settings)
        .function("acceptsStartNumberKey", &WebSession::accepts_start_number_key);
    emscripten::function("projectJson", &korvex::web::project_json);
    emscripten::function("projectSpanTableJson", &korvex::web::project_span_table_json);
    emscripten::function("pageTables", &korvex::web::page_tables);
    emscripten::function("putCoastline", &korvex::web::put_coastline);
    emscripten::function("recentAfterUse", &korvex::web::recent_after_use);
    emscripten::function("recentEntryText", &korvex::web::recent_entry_text);
}
