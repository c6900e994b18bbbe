// korvex: the program. Without options it opens the input window; with --json,
// --pdf, --png, --span-table or --sea-ratio it works without any window and
// without a display. Started
// where there is no display at all, it writes the report of the design it would
// open with to a PDF file instead.

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/message_sink.h"
#include "app/program_windows.h"
#include "app/report_rendering.h"
#include "app/startup.h"
#include "form/calculate.h"
#include "form/session.h"
#include "persist/user_folders.h"

using namespace korvex;

namespace {

constexpr const char* kSampleReportFile = "korvex_sample.pdf";

// The modes that never open a window also run where there is no display.
bool headless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--json", "--pdf", "--png", "--span-table", "--span-table-csv",
                                   "--help", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0) return true;
        if (std::strncmp(argv[i], "--sea-ratio", 11) == 0) return true;
    }
    return false;
}

bool no_display() {
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::string data_folder_missing(const std::string& program_folder) {
    return "データフォルダ Load_data が見つかりません（" + program_folder + "）。";
}

// The design the window opens with, calculated as Calculate would, printed to a
// PDF file in the current folder.
int write_sample_report(const std::string& program_folder) {
    std::fprintf(stderr,
                 "korvex: 画面（ディスプレイ）が見つからないため、入力ウィンドウを開けません。"
                 "代わりに起動時の設計の計算書を %s に書き出します。\n",
                 kSampleReportFile);
    auto session = std::make_unique<form::Session>();
    const auto folder = app::find_data_folder(program_folder);
    if (!folder) {
        std::fprintf(stderr, "korvex: %s\n", data_folder_missing(program_folder).c_str());
        return app::kExitProgramData;
    }
    if (const auto error = form::start_session(
            *session, *folder, KORVEX_VERSION,
            persist::user_site_data_folder([](const char* name) { return std::getenv(name); }))) {
        std::fprintf(stderr, "korvex: %s\n", error->message.c_str());
        return app::kExitProgramData;
    }
    if (const auto failure = form::calculate(*session)) {
        std::fprintf(stderr, "korvex: %s\n", failure->text.c_str());
        return app::kExitInvalidInput;
    }
    const QString file = QDir::current().absoluteFilePath(QString::fromLatin1(kSampleReportFile));
    if (const QString error = app::save_pdf_report(*session, file); !error.isEmpty()) {
        std::fprintf(stderr, "korvex: %s\n", error.toLocal8Bit().constData());
        return app::kExitProgramData;
    }
    std::fprintf(stderr, "korvex: %s を書き出しました。\n", file.toLocal8Bit().constData());
    return app::kExitOk;
}

// Start-up in its fixed order, then the windows; a project named on the command
// line is loaded as "データ読込" would load it.
int run_window(const std::string& program_folder, const QStringList& files) {
    app::set_up_application();
    app::MessageBoxSink sink;
    auto session = std::make_unique<form::Session>();
    app::StartupOptions options;
    options.programFolder = program_folder;
    const app::StartupOutcome started = app::run_startup(*session, sink, options);
    if (!started.ok) return app::kExitProgramData;

    app::FileDialogChooser chooser;
    app::ProgramWindows windows(*session, sink, chooser, program_folder, started.dataFolder);
    windows.start();
    windows.main_window().show();
    if (!files.isEmpty()) windows.open_file(app::to_path(files.front()));
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const bool without_display = no_display();
    if ((headless(argc, argv) || without_display) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Qt takes the user's locale for everything; the figures are written and read
    // with "." as the decimal point whatever the desktop's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Korvex for wood");
    QApplication::setApplicationVersion(KORVEX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "デッキプレート屋根（木造梁）の風荷重・積雪荷重・強度計算プログラム");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption json("json", "計算結果を JSON で標準出力に書き出します。");
    const QCommandLineOption pdf("pdf", "印刷用の計算書を PDF ファイルに書き出します。", "OUT.pdf");
    const QCommandLineOption png("png", "画面表示の計算書を PNG 画像に書き出します。", "OUT.png");
    const QCommandLineOption span_table("span-table",
                                        "許容スパン表を JSON で標準出力に書き出します。");
    const QCommandLineOption span_table_csv(
        "span-table-csv", "許容スパン表を CSV ファイル（UTF-8 BOM 付き）に書き出します。",
        "OUT.csv");
    const QCommandLineOption sea_ratio(
        "sea-ratio",
        "LAT,LON を中心とする半径 RADIUS_KM (1～100) の円内の海率を JSON で標準出力に書き出します"
        "（地図データ © OpenStreetMap contributors、湖沼を含まない）。",
        "LAT,LON");
    parser.addOptions({json, pdf, png, span_table, span_table_csv, sea_ratio});
    parser.addPositionalArgument("FILE.kvxw",
                                 "読み込むデータファイル（--sea-ratio では RADIUS_KM）");
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    const std::string program_folder = QCoreApplication::applicationDirPath().toStdString();
    if (parser.isSet(sea_ratio)) {
        if (files.size() != 1 || parser.isSet(json) || parser.isSet(pdf) || parser.isSet(png) ||
            parser.isSet(span_table) || parser.isSet(span_table_csv)) {
            std::fprintf(stderr, "korvex: --sea-ratio LAT,LON RADIUS_KM の形で指定して下さい。\n");
            return app::kExitBadFile;
        }
        return app::run_sea_ratio(program_folder, parser.value(sea_ratio).toStdString(),
                                  files.front().toStdString());
    }
    const int outputs = int(parser.isSet(json)) + parser.isSet(pdf) + parser.isSet(png) +
                        parser.isSet(span_table) + parser.isSet(span_table_csv);
    if (outputs > 0) {
        if (files.size() != 1 || outputs != 1) {
            std::fprintf(stderr, "korvex: --json、--pdf、--png、--span-table、--span-table-csv の"
                                 "いずれか一つとデータファイルを一つ指定して下さい。\n");
            return app::kExitBadFile;
        }
        app::HeadlessRequest request;
        request.output = parser.isSet(json)             ? app::HeadlessOutput::json
                         : parser.isSet(pdf)            ? app::HeadlessOutput::pdf
                         : parser.isSet(span_table)     ? app::HeadlessOutput::spanTable
                         : parser.isSet(span_table_csv) ? app::HeadlessOutput::spanTableCsv
                                                        : app::HeadlessOutput::png;
        request.outputFile = (parser.isSet(pdf)              ? parser.value(pdf)
                              : parser.isSet(span_table_csv) ? parser.value(span_table_csv)
                                                             : parser.value(png))
                                 .toStdString();
        request.project = files.front().toStdString();
        request.programFolder = program_folder;
        request.version = KORVEX_VERSION;
        return app::run_headless(request);
    }
    if (without_display) return write_sample_report(program_folder);
    return run_window(program_folder, files);
}
