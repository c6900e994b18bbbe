// korvex: the program. With --json, --pdf or --png it works without any window
// and without a display; until the input window exists it otherwise prints the
// wind and snow derivation of its built-in sample design.

#include <cstdio>
#include <cstring>
#include <string>

#include <QCommandLineParser>
#include <QGuiApplication>

#include "app/command_line.h"
#include "app/sample_design.h"
#include "calc/load_step.h"
#include "common/number_text.h"

using namespace korvex;

namespace {

std::string fixed(double value, int width, int decimals) {
    return common::trim(common::format_fixed(value, width, decimals));
}

void print_sample_derivation() {
    calc::DesignInputs in = app::sample_design();
    calc::CaLC_DATA data;
    calc::SnowIncrease inc;
    calc::WindResult w;
    calc::LoadSet loads;
    calc::run_load_step({in, data, inc, w, loads});

    static const char* kRegions[4] = {"一般部", "周辺部", "軒隅角部", "軒頂部"};
    std::printf("Korvex for wood ver.%s — 見本設計の風荷重・積雪荷重\n", KORVEX_VERSION);
    std::printf("建設用地： %s %s  V0 = %d m/s  地表面粗度区分 %d\n", in.prefectureName.c_str(),
                in.areaName.c_str(), in.baseWindSpeed, in.roughnessCategory);
    std::printf("Ｈ = %s m  θ = %s 度  Ｅr = %s  ｑ = %s N/m2  Ｇpe = %s\n",
                fixed(w.meanHeight, 6, 2).c_str(), fixed(w.roofAngle, 3, 0).c_str(),
                fixed(w.exposureFactor, 7, 5).c_str(), fixed(w.velocityPressure, 8, 1).c_str(),
                fixed(w.gustFactor, 5, 3).c_str());
    std::printf("Ｃf正 = %s  Ｗ正 = %d N/m2\n", fixed(w.peakPositive[0], 5, 2).c_str(),
                w.pressurePositive[0]);
    for (int i = 0; i < w.negativeCount; ++i)
        std::printf("Ｃf負 = %s  Ｗ負 = %d N/m2 （%s）\n", fixed(w.peakNegative[i], 5, 2).c_str(),
                    w.pressureNegative[i], kRegions[i]);
    std::printf("本計算用風圧力 → 正圧 %d N/m2、負圧 %d N/m2、はね出し部 %s N/m2\n",
                loads.windPositive, loads.windNegative, fixed(w.cantileverWind, 8, 0).c_str());
    std::printf("積雪：d = %d cm、ρ = %d N/m2/cm", in.snowDepth, in.snowUnitWeight);
    if (inc.status != 0)
        std::printf("、dr = %s m、μb = %s、α = %s", common::shortest_decimal(inc.drValue).c_str(),
                    common::shortest_decimal(inc.shapeFactor).c_str(),
                    common::shortest_decimal(inc.factor).c_str());
    std::printf("、Ｓ = %d N/m2\n", loads.snowLoad);
    std::printf("Ｇ＋Ｐ = %d N/m2\n", loads.deadAndLiveLoad);
}

// The modes that never open a window also run where there is no display.
bool headless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--json", "--pdf", "--png", "--help", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (headless(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("Korvex for wood");
    QGuiApplication::setApplicationVersion(KORVEX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "デッキプレート屋根（木造梁）の風荷重・積雪荷重・強度計算プログラム");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption json("json", "計算結果を JSON で標準出力に書き出します。");
    const QCommandLineOption pdf("pdf", "印刷用の計算書を PDF ファイルに書き出します。", "OUT.pdf");
    const QCommandLineOption png("png", "画面表示の計算書を PNG 画像に書き出します。", "OUT.png");
    parser.addOptions({json, pdf, png});
    parser.addPositionalArgument("FILE.kvxw", "読み込むデータファイル");
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    const bool wantsOutput = parser.isSet(json) || parser.isSet(pdf) || parser.isSet(png);
    if (wantsOutput) {
        if (files.size() != 1 ||
            int(parser.isSet(json)) + parser.isSet(pdf) + parser.isSet(png) != 1) {
            std::fprintf(stderr, "korvex: --json、--pdf、--png のいずれか一つとデータファイルを"
                                 "一つ指定して下さい。\n");
            return app::kExitBadFile;
        }
        app::HeadlessRequest request;
        request.output = parser.isSet(json)  ? app::HeadlessOutput::Json
                         : parser.isSet(pdf) ? app::HeadlessOutput::Pdf
                                             : app::HeadlessOutput::Png;
        request.outputFile =
            (parser.isSet(pdf) ? parser.value(pdf) : parser.value(png)).toStdString();
        request.project = files.front().toStdString();
        request.programFolder = QCoreApplication::applicationDirPath().toStdString();
        request.version = KORVEX_VERSION;
        return app::run_headless(request);
    }
    print_sample_derivation();
    return 0;
}
