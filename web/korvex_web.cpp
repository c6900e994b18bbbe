// The browser edition's entry: the desktop's core driven from the page's
// script. Every rule of the form, the calculation, the project file and the
// report runs here, in the same code the desktop program runs; the page only
// shows what it is handed and passes on what the user does.
//
// Files live in the browser's memory file system: the shipped site tables at
// /Load_data (preloaded), the user's own site rows at /user/Load_data (written
// by the page from its local storage before start-up), and the project being
// worked on under /work, named as the user's file.

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
#include "form/form_state_json.h"
#include "form/key_filter.h"
#include "form/project_commands.h"
#include "form/project_run.h"
#include "form/session.h"
#include "form/site_data.h"
#include "form/site_selection.h"
#include "form/usage_terms.h"
#include "form/window_layout.h"
#include "persist/coefficient_dialog.h"
#include "persist/print_settings_dialog.h"
#include "persist/rtf_reader.h"
#include "report/report_run.h"
#include "report/svg_surface.h"
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

std::string version() {
    return KORVEX_VERSION;
}

// The project's file in the memory file system under the name the user gave it.
fs::path work_file(const std::string& name) {
    fs::create_directories(kWorkFolder);
    const fs::path file_name = fs::path(name).filename();
    return kWorkFolder / (file_name.empty() ? fs::path("Data.kvxw") : file_name);
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
        return {};
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

    // "データ保存" under `name`: the file's bytes, or the message of a failed save.
    val save(const std::string& name) {
        const fs::path file = work_file(name);
        if (const std::string error = form::save_project(*session_, file); !error.empty())
            return val(error);
        return byte_array(read_bytes(file));
    }

    // "計算": {} when the design passed, else the message and the control.
    std::string calculate() { return text(message_json(form::calculate(*session_))); }

    // The printed report's sheets as SVG documents, dated `date` (yyyy/MM/dd).
    val report_pages(const std::string& date) {
        report::SvgSurface surface(
            report::SvgGeometry{},
            [this](const std::string& family, int pixels, bool bold, std::string_view text) {
                return measurer_(family, pixels, bold, text);
            });
        report::ReportCanvas canvas;
        report::ReportDocument document = form::report_document(*session_, date);
        // The footer names the user's file; the memory file system's folder is
        // nothing of theirs.
        if (!document.projectFilePath.empty())
            document.projectFilePath = fs::path(document.projectFilePath).filename().string();
        report::begin_report(canvas, report::kPrinterOutput, surface, std::move(document));
        report::draw_report(canvas, session_->report_data());
        val pages = val::array();
        for (const std::string& page : surface.pages()) pages.call<void>("push", page);
        return pages;
    }

    // ---- the coefficient dialog ("設　定") ----

    std::string coefficients() const {
        const persist::CoefficientDialog& d = session_->coefficientDialog;
        JsonArray ratios;
        for (int i = 0; i < persist::kRatioEditCount; ++i)
            ratios.emplace_back(JsonObject{{"name", persist::ratio_edit_name(i)},
                                           {"text", d.ratioEdits[static_cast<std::size_t>(i)]},
                                           {"readOnly", persist::is_p_edit(i)}});
        return text(JsonObject{{"ratios", std::move(ratios)},
                               {"strength205", d.strength205Radio},
                               {"derivedLoads", d.derivedLoadsRadio},
                               {"maxDeckLength", d.maxDeckLengthSpin},
                               {"maxDeckLengthMin", persist::kMaxDeckLengthMin},
                               {"maxDeckLengthMax", persist::kMaxDeckLengthMax},
                               {"maxDeckLengthStep", persist::kMaxDeckLengthStep}});
    }

    std::string open_coefficients() {
        session_->coefficientDialog.visible = true;
        return coefficients();
    }

    // A ratio edit typed into (its index), a radio chosen or the length changed.
    std::string edit_coefficients(const std::string& field, const std::string& value) {
        persist::CoefficientDialog& d = session_->coefficientDialog;
        if (field == "ratio") {
            const int index = std::atoi(value.substr(0, value.find(':')).c_str());
            if (index >= 0 && index < persist::kRatioEditCount && !persist::is_p_edit(index)) {
                d.ratioEdits[static_cast<std::size_t>(index)] = value.substr(value.find(':') + 1);
                persist::mirror_g_to_p(d, index);
            }
        } else if (field == "strength") {
            d.strength205Radio = value == "205";
            d.strength235Radio = !d.strength205Radio;
        } else if (field == "method") {
            d.derivedLoadsRadio = value == "derived";
            d.directLoadsRadio = !d.derivedLoadsRadio;
        } else if (field == "maxDeckLength") {
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
            return text(JsonObject{{"message", failure->message}, {"index", failure->editIndex}});
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

    std::string print_settings() const {
        const persist::PrintSettingsDialog& d = session_->printDialog;
        int position = 0;
        for (int i = 0; i < 7; ++i)
            if (report::kPageNumberPositions[i] == d.checkedPosition) position = i;
        return text(JsonObject{{"subject", d.subjectEdit},
                               {"position", position},
                               {"contentEnabled", d.contentGroupEnabled},
                               {"numberFormat", d.numberFormatBox},
                               {"startNumber", d.startNumberSpin}});
    }

    std::string open_print_settings() {
        persist::show_print_dialog(session_->printDialog, session_->printSettings);
        return print_settings();
    }

    std::string edit_print_settings(const std::string& field, const std::string& value) {
        persist::PrintSettingsDialog& d = session_->printDialog;
        if (field == "subject") {
            d.subjectEdit = value;
        } else if (field == "subjectClick") {
            persist::click_subject(d);
        } else if (field == "position") {
            const int index = std::atoi(value.c_str());
            if (index >= 0 && index < 7)
                persist::click_position(d, session_->printSettings,
                                        report::kPageNumberPositions[index]);
        } else if (field == "numberFormat") {
            d.numberFormatBox = std::atoi(value.c_str());
        } else if (field == "startNumber") {
            d.startNumberSpin = std::atoi(value.c_str());
        }
        return print_settings();
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
        for (const form::SiteDataRow& r : form::site_data_rows(session_->siteTables))
            rows.emplace_back(JsonArray{r.prefecture, r.area, r.reading, r.baseWindSpeed,
                                        r.snowZone, r.alpha, r.beta, r.gamma, r.radius, r.altitude,
                                        r.snowDepth, r.ruleFlag, r.origin, r.sourceNote});
        return text(rows);
    }

    // Which of `site_rows` the filter lets through.
    std::string site_row_matches(const std::string& filter) const {
        JsonArray shown;
        for (const form::SiteDataRow& r : form::site_data_rows(session_->siteTables))
            shown.emplace_back(form::site_data_row_matches(r, filter));
        return text(shown);
    }

    // Stores a row of the user's own table: {status} or {message, focus}. The
    // page then keeps the user's files in its storage.
    std::string save_site_row(const val& fields) {
        const auto field = [&fields](const char* name) {
            return fields[name].isUndefined() ? std::string() : fields[name].as<std::string>();
        };
        form::UserSiteRow row;
        row.prefecture = field("prefecture");
        row.area = field("area");
        row.reading = field("reading");
        row.baseWindSpeed = field("baseWindSpeed");
        row.snowZone = field("snowZone");
        row.alpha = field("alpha");
        row.beta = field("beta");
        row.gamma = field("gamma");
        row.radius = field("radius");
        row.altitude = field("altitude");
        row.snowDepth = field("snowDepth");
        row.ruleFlag = field("ruleFlag");
        row.sourceNote = field("sourceNote");
        const form::UserRowSaved saved = form::save_user_site_row(*session_, row);
        if (saved.failure)
            return text(
                JsonObject{{"message", saved.failure->text}, {"focus", saved.failure->focus}});
        return text(JsonObject{{"status", saved.status}});
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

    // "本プログラムのご利用について".
    std::string usage_notice() const {
        std::string all;
        for (const char* line : form::kUsageTerms) all += std::string(line) + "\n";
        return all;
    }

private:
    std::unique_ptr<form::Session> session_ = std::make_unique<form::Session>();
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
        .function("calculate", &WebSession::calculate)
        .function("reportPages", &WebSession::report_pages)
        .function("usageNotice", &WebSession::usage_notice)
        .function("overview", &WebSession::overview)
        .function("siteRows", &WebSession::site_rows)
        .function("siteRowMatches", &WebSession::site_row_matches)
        .function("saveSiteRow", &WebSession::save_site_row)
        .function("openCoefficients", &WebSession::open_coefficients)
        .function("editCoefficients", &WebSession::edit_coefficients)
        .function("acceptsRatioKey", &WebSession::accepts_ratio_key)
        .function("setCoefficients", &WebSession::set_coefficients)
        .function("cancelCoefficients", &WebSession::cancel_coefficients)
        .function("resetCoefficients", &WebSession::reset_coefficients)
        .function("openPrintSettings", &WebSession::open_print_settings)
        .function("editPrintSettings", &WebSession::edit_print_settings)
        .function("confirmPrintSettings", &WebSession::confirm_print_settings)
        .function("cancelPrintSettings", &WebSession::cancel_print_settings);
    emscripten::function("projectJson", &korvex::web::project_json);
}
