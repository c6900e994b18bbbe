#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QJsonObject json;
};

// Runs the built program as a user would, without any display.
ProgramRun korvex_json(const char* fixture) {
    QProcess process;
    process.start(KORVEX_BINARY, {"--json", QString(KORVEX_FIXTURES) + "/" + fixture});
    EXPECT_TRUE(process.waitForFinished(30000));
    ProgramRun run;
    run.exitCode = process.exitCode();
    QJsonParseError error;
    run.json = QJsonDocument::fromJson(process.readAllStandardOutput(), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << fixture;
    return run;
}

QJsonObject page(const ProgramRun& run, int index) {
    return run.json["checkPages"].toArray().at(index).toObject();
}

// Tokyo, Chiyoda (V0 = 34 m/s), category III, H = 10 m, closed mono-pitch roof,
// D = 20 m, snow 30 cm, one 2500 mm span of KX-50-12 with 100 N/m2 finishes.
TEST(CommandLine, JsonOfAOneSpanDesignMatchesTheHandCalculation) {
    const ProgramRun run = korvex_json("tokyo_one_span.kvxw");
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject loads = run.json["loads"].toObject();
    EXPECT_EQ(loads["windPositive"].toInt(), 218);   // 437.2 x (0 + 0.5)
    EXPECT_EQ(loads["windNegative"].toInt(), -1880); // 437.2 x -4.3, floored
    EXPECT_DOUBLE_EQ(run.json["wind"].toObject()["velocityPressure"].toDouble(), 437.2);
    // Notification 594: l = 20 m, theta 0: dr 0.0725 -> 0.07; alpha 0.7 + sqrt(0.07 / 0.3)
    const QJsonObject increase = run.json["snowIncrease"].toObject();
    EXPECT_EQ(increase["status"].toInt(), 1);
    EXPECT_DOUBLE_EQ(increase["factor"].toDouble(), 1.18);
    EXPECT_EQ(loads["snowLoad"].toInt(), 708); // 600 x 1.18
    EXPECT_EQ(loads["deadAndLiveLoad"].toInt(), 227);

    // Long-term: p = 0.227 N/mm, M = pL^2/8 = 177 343.75, delta = 5pL^4/384EI = 0.84948
    const QJsonObject long_term = page(run, 0);
    EXPECT_EQ(long_term["label"].toString(), "長期Ｇ＋Ｐ");
    EXPECT_EQ(long_term["max_moment"].toDouble(), 177344);
    EXPECT_NEAR(long_term["max_deflection"].toDouble(), 0.8495, 1e-12);
    const QJsonObject stress = long_term["checks"].toArray().at(0).toObject();
    EXPECT_EQ(stress["kind"].toString(), "stress");
    EXPECT_DOUBLE_EQ(stress["value"].toDouble(), 6.7); // 177344 / 26300
    EXPECT_EQ(stress["limit"].toDouble(), 136);        // 205 / 1.5
    EXPECT_TRUE(stress["ok"].toBool());
    EXPECT_EQ(run.json["checkPages"].toArray().size(), 4);
    EXPECT_EQ(run.json["verdict"].toString(), "                     全てＯＫです ");
    EXPECT_EQ(run.json["diagramBlocks"].toArray().size(), 4);
}

// Loads entered directly: W+ 800, W- 1500, S 600 on two spans of 2500 mm.
TEST(CommandLine, JsonOfDirectLoadsShowsTheUpliftReactions) {
    const ProgramRun run = korvex_json("direct_two_spans.kvxw");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.json["wind"].isNull());
    // Suction: 227 - 1500 = -1273 N/m2; ends 3/8 pL, middle 10/8 pL in uplift.
    const QJsonObject suction = page(run, 3);
    EXPECT_EQ(suction["W_total"].toDouble(), -1273);
    EXPECT_NEAR(suction["reaction_v1"].toDouble(), -0.375 * 1.273 * 2500, 0.002);
    EXPECT_NEAR(suction["reaction_v2"].toDouble(), -1.25 * 1.273 * 2500, 0.002);
    const QJsonArray checks = suction["checks"].toArray();
    ASSERT_EQ(checks.size(), 4);
    EXPECT_EQ(checks.at(2).toObject()["kind"].toString(), "jointEnd");
    EXPECT_EQ(checks.at(2).toObject()["limit"].toDouble(), 12000); // 1600 x 1.5 x 3 / 0.6
}

TEST(CommandLine, BadInputsAndBadFilesGiveTheirMessageAndExitCode) {
    const ProgramRun too_long = korvex_json("span_too_long.kvxw");
    EXPECT_EQ(too_long.exitCode, 3);
    const QJsonObject error = too_long.json["error"].toObject();
    EXPECT_EQ(error["message"].toString(), "デッキの最大長さを超えています。");
    EXPECT_EQ(error["control"].toString(), "span1Edit");

    const ProgramRun not_project = korvex_json("not_a_project.kvxw");
    EXPECT_EQ(not_project.exitCode, 2);
    EXPECT_EQ(not_project.json["error"].toObject()["message"].toString(),
              "「Korvex木造梁」用のデータではありません。");
    EXPECT_TRUE(not_project.json["error"].toObject()["control"].isNull());

    const ProgramRun missing = korvex_json("no_such_file.kvxw");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(
        missing.json["error"].toObject()["message"].toString().contains("no_such_file.kvxw"));
}

// The user's own site table counts on the command line as in the window, and
// site.sources says so; a faulty user file is told among the messages.
TEST(CommandLine, TheUsersSiteTableCountsAndIsNamedAsTheSource) {
    QTemporaryDir home;
    const QString folder = home.filePath("korvex/Load_data");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile address(folder + "/Data_Address.csv");
    ASSERT_TRUE(address.open(QIODevice::WriteOnly));
    address.write(
        QStringLiteral("No,kana,todofuken,chiku,snow_zone,V0,altitude_m,snow_cm,rule_flag\r\n"
                       "1,ちよだく,東京都,千代田区,0,36,4,30,0\r\n")
            .toUtf8()
            .prepend("\xEF\xBB\xBF"));
    address.close();
    QFile zones(folder + "/Data_SnowfallV.csv");
    ASSERT_TRUE(zones.open(QIODevice::WriteOnly));
    zones.write("zone,alpha,beta,gamma,R\r\n1,x,0,0.5,20\r\n");
    zones.close();

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    process.setProcessEnvironment(environment);
    process.start(KORVEX_BINARY, {"--json", QString(KORVEX_FIXTURES) + "/tokyo_one_span.kvxw"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QJsonObject json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_EQ(json["inputs"].toObject()["baseWindSpeed"].toInt(), 36);
    const QJsonObject sources = json["site"].toObject()["sources"].toObject();
    EXPECT_EQ(sources["baseWindSpeed"].toString(), "user");
    EXPECT_EQ(sources["tableAltitude"].toString(), "user");
    EXPECT_EQ(sources["snowZone"].toString(), "none");
    EXPECT_EQ(sources["snowCoefficients"].toString(), "none");
    const QJsonArray messages = json["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().contains("Data_SnowfallV.csv」の 2 行目"))
        << messages[0].toString().toStdString();
}

ProgramRun korvex_span_table(const QString& project) {
    QProcess process;
    process.start(KORVEX_BINARY, {"--span-table", project});
    EXPECT_TRUE(process.waitForFinished(30000));
    ProgramRun run;
    run.exitCode = process.exitCode();
    QJsonParseError error;
    run.json = QJsonDocument::fromJson(process.readAllStandardOutput(), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << project.toStdString();
    return run;
}

// Four deck types with one to four spans; the fixture's own span of 2500 mm plays
// no part, and a span the design could not take (span_too_long) is no fault.
TEST(CommandLine, SpanTableOfAFixture) {
    const ProgramRun run = korvex_span_table(QString(KORVEX_FIXTURES) + "/tokyo_one_span.kvxw");
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray rows = run.json["rows"].toArray();
    ASSERT_EQ(rows.size(), 16);
    const QStringList kinds = {"stress", "deflection", "joint", "deckLength"};
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows.at(i).toObject();
        EXPECT_EQ(row["deckIndex"].toInt(), i / 4);
        EXPECT_EQ(row["spanCount"].toInt(), i % 4 + 1);
        EXPECT_TRUE(row["deckName"].toString().startsWith("KX-"));
        const QJsonObject governing = row["governing"].toObject();
        EXPECT_TRUE(kinds.contains(governing["kind"].toString()));
        EXPECT_EQ(governing["case"].isNull(), governing["kind"].toString() == "deckLength");
        if (!row["maxSpan"].isNull()) {
            EXPECT_EQ(row["maxSpan"].toInt() % 10, 0);
        }
    }
    // One span of KX-50-12 in Tokyo: 2500 mm passes (the fixture's own verdict).
    EXPECT_GE(rows.at(0).toObject()["maxSpan"].toInt(), 2500);
    EXPECT_EQ(korvex_span_table(QString(KORVEX_FIXTURES) + "/span_too_long.kvxw").exitCode, 0);
}

TEST(CommandLine, SpanTableExitCodesAreThoseOfJson) {
    EXPECT_EQ(korvex_span_table(QString(KORVEX_FIXTURES) + "/not_a_project.kvxw").exitCode, 2);

    // The eave height emptied: Calculate's message and the control to fix.
    QFile fixture(QString(KORVEX_FIXTURES) + "/tokyo_one_span.kvxw");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = fixture.readAll().split('\n');
    lines[7] = "\r";
    QTemporaryDir dir;
    QFile broken(dir.filePath("no_height.kvxw"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(lines.join('\n'));
    broken.close();
    const ProgramRun refused = korvex_span_table(broken.fileName());
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.json["error"].toObject()["control"].toString(), "eaveHeightEdit");
}

int exit_code_of(const QStringList& arguments) {
    QProcess process;
    process.start(KORVEX_BINARY, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return process.exitCode();
}

// The CSV is the window's file of the same table the JSON prints.
TEST(CommandLine, SpanTableCsvHoldsTheRowsOfTheJson) {
    QTemporaryDir dir;
    const QString project = QString(KORVEX_FIXTURES) + "/tokyo_one_span.kvxw";
    const QString csv = dir.filePath("table.csv");
    ASSERT_EQ(exit_code_of({"--span-table-csv", csv, project}), 0);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.size(), 17) << "a heading and sixteen rows";
    const QJsonArray rows = korvex_span_table(project).json["rows"].toArray();
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows.at(i).toObject();
        const QStringList fields = lines.at(i + 1).split(',');
        EXPECT_EQ(fields.value(0), row["deckName"].toString());
        EXPECT_EQ(fields.value(1).toInt(), row["spanCount"].toInt());
        EXPECT_EQ(fields.value(2), row["maxSpan"].isNull()
                                       ? QStringLiteral("なし")
                                       : QString::number(row["maxSpan"].toInt()));
    }
    EXPECT_EQ(exit_code_of({"--span-table-csv", dir.filePath("refused.csv"),
                            QString(KORVEX_FIXTURES) + "/not_a_project.kvxw"}),
              2);
    EXPECT_FALSE(QFile::exists(dir.filePath("refused.csv")));
}

TEST(CommandLine, PdfAndPngReportsOfAFixture) {
    QTemporaryDir dir;
    const QString project = QString(KORVEX_FIXTURES) + "/tokyo_one_span.kvxw";
    const QString pdf = dir.filePath("report.pdf");
    const QString png = dir.filePath("report.png");
    ASSERT_EQ(exit_code_of({"--pdf", pdf, project}), 0);
    ASSERT_EQ(exit_code_of({"--png", png, project}), 0);

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // Page 1 with three check pages, the suction page with the verdict, the wind
    // page with the snow part below it, and the diagrams.
    const auto pages = QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b"));
    EXPECT_EQ(pages, 4);

    const QImage image(png);
    EXPECT_EQ(image.width(), 565 * 2);
    EXPECT_GE(image.height(), 3350 * 2);
    EXPECT_EQ(exit_code_of({"--png", dir.filePath("x.png"),
                            QString(KORVEX_FIXTURES) + "/span_too_long.kvxw"}),
              3);
}

ProgramRun korvex_sea_ratio(const QStringList& arguments) {
    QProcess process;
    process.start(KORVEX_BINARY, QStringList{"--sea-ratio"} + arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    ProgramRun run;
    run.exitCode = process.exitCode();
    run.json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    return run;
}

// A design with the site's own point and the sea ratio taken from its
// reference: the results name the point and the reference, and --sea-ratio at
// the same point and R gives the same figures.
TEST(CommandLine, SeaRatioOfAPointIsTheReferenceOfTheDesignThere) {
    const ProgramRun design = korvex_json("ofunato_site_point.kvxw");
    ASSERT_EQ(design.exitCode, 0);
    const QJsonObject site = design.json["site"].toObject();
    const QJsonObject coordinates = site["coordinates"].toObject();
    EXPECT_EQ(coordinates["lat"].toDouble(), 39.0822);
    EXPECT_EQ(coordinates["lon"].toDouble(), 141.7083);
    EXPECT_EQ(coordinates["source"].toString(), "entered");
    const QJsonObject reference = site["seaRatioReference"].toObject();
    EXPECT_EQ(reference["source"].toString(), "entered");
    EXPECT_TRUE(reference["takenIntoSeaRatio"].toBool());
    EXPECT_EQ(design.json["inputs"].toObject()["seaRatio"].toInt(), reference["percent"].toInt());

    const ProgramRun asked = korvex_sea_ratio({"39.0822,141.7083", "40"});
    ASSERT_EQ(asked.exitCode, 0);
    EXPECT_EQ(asked.json.keys(), (QStringList{"lat", "lon", "percent", "radiusKm", "seaRatio"}));
    for (const QString& key : asked.json.keys())
        EXPECT_EQ(asked.json[key], reference[key]) << key.toStdString();
    const double share = asked.json["seaRatio"].toDouble();
    EXPECT_EQ(share, std::round(share * 1000) / 1000); // three decimals

    // Degrees, minutes and seconds as a web map writes them.
    const ProgramRun dms = korvex_sea_ratio({"39°04'56\"N 141°42'30\"E", "20"});
    EXPECT_EQ(dms.exitCode, 0);
    EXPECT_EQ(dms.json["radiusKm"].toDouble(), 20);
}

TEST(CommandLine, SeaRatioRefusesWhatItCannotMeasure) {
    struct Case {
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {{"35.0,120.0", "20"}, "地図データの範囲"}, {{"39.0822,141.7083", "0.5"}, "1～100"},
        {{"39.0822,141.7083", "101"}, "1～100"},    {{"39.0822,141.7083", "四十"}, "1～100"},
        {{"東京駅", "20"}, "読み取れません"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = korvex_sea_ratio(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_TRUE(run.json["error"].toObject()["message"].toString().contains(c.says))
            << run.json["error"].toObject()["message"].toString().toStdString();
    }
    EXPECT_EQ(exit_code_of({"--sea-ratio", "39.0822,141.7083"}), 2); // no radius
}

} // namespace
