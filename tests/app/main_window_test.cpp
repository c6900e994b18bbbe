#include <gtest/gtest.h>

#include <set>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/main_window.h"
#include "app/message_sink.h"
#include "app/sea_map_window.h"
#include "app/span_picture.h"
#include "form/layout.h"
#include "form/live_verdict.h"
#include "form/site_selection.h"
#include "form/spans.h"
#include "form/validation.h"
#include "form/window_layout.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

const QColor kNavy(0, 0, 128);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    // A fresh session with its window, the old window gone first.
    void start() {
        window.reset();
        presented.clear();
        sink.messages.clear();
        session = testing::started_session();
        ASSERT_TRUE(session);
        window = std::make_unique<MainWindow>(*session, sink);
        window->set_result_presenter([this](const QImage& image) { presented.push_back(image); });
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }

    template <class Widget> Widget* find(const char* name) const {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QSpinBox* spin(const char* name) const { return find<QSpinBox>(name); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QRadioButton* radio(const char* name) const { return find<QRadioButton>(name); }
    bool shown(const char* name) const {
        const QWidget* widget = find<QWidget>(name);
        return widget && widget->isVisibleTo(window.get());
    }

    // The control that has the focus, by the form and by the window alike.
    std::string focused() const {
        const QWidget* widget = window->focusWidget();
        for (; widget && widget->objectName().isEmpty(); widget = widget->parentWidget()) {
        }
        const std::string qt_focus = widget ? widget->objectName().toStdString() : "";
        EXPECT_EQ(qt_focus, session->form.activeControl);
        return session->form.activeControl;
    }

    QStringList visible_span_pictures() const {
        QStringList names;
        for (int i = 0; i < 16; ++i) {
            const QString name = span_picture_name(i).name;
            if (window->findChild<QLabel*>(name)->isVisibleTo(window.get())) names << name;
        }
        return names;
    }

    void press_calculate() { find<QPushButton>("calculateButton")->click(); }

    RecordingSink sink;
    std::unique_ptr<form::Session> session;
    std::unique_ptr<MainWindow> window;
    std::vector<QImage> presented;
};

TEST_F(MainWindowTest, StartsAsTheSessionWasStarted) {
    EXPECT_EQ(window->windowTitle(), "Korvex屋根計算プログラム-木造梁-");
    // The form's own 575 px, under the menu bar.
    EXPECT_EQ(window->size(), QSize(792, kMenuBarHeight + 575));
    EXPECT_EQ(find<QWidget>("formArea")->geometry(), QRect(0, kMenuBarHeight, 792, 575));
    EXPECT_EQ(combo("deckTypeBox")->currentText(), "KX-50-12");
    EXPECT_EQ(combo("prefectureBox")->currentText(), "北海道");
    EXPECT_EQ(combo("areaBox")->currentText(), QString::fromStdString(session->form.site.areaName));
    EXPECT_EQ(edit("deckUnitWeightEdit")->text(), "127");
    EXPECT_EQ(spin("spanCountSpin")->value(), 1);
    EXPECT_EQ(visible_span_pictures(), QStringList{"spanPicture1"});
    EXPECT_FALSE(shown("span2Edit"));
    EXPECT_FALSE(shown("cantileverLengthEdit"));
    EXPECT_FALSE(shown("directLoadPanel"));
    EXPECT_TRUE(shown("windPanel"));
    EXPECT_FALSE(find<QCheckBox>("heavySnowCheck")->isEnabled());
    EXPECT_EQ(find<QLabel>("versionLabel")->text(), "ver.1.0");
    EXPECT_TRUE(find<QLabel>("statusBar")->text().endsWith("ver.1.0"));
    EXPECT_EQ(focused(), "deckTypeBox");
    for (const char* picture : {"roughnessPicture", "roofPicture", "buildingFormPicture"})
        EXPECT_FALSE(find<QLabel>(picture)->pixmap().isNull()) << picture;
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(MainWindowTest, CalculateHandsTheReportToThePresenterAndHidesTheWindow) {
    press_calculate();
    ASSERT_EQ(presented.size(), 1u);
    const QImage& report = presented.front();
    EXPECT_EQ(report.height() / report.devicePixelRatio(), 3350);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(session->inputs.spanLength[0], 2500);
    EXPECT_EQ(session->inputs.areaName, session->form.site.areaName);

    window->show_again();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(focused(), "calculateButton");
}

TEST_F(MainWindowTest, AFailedCheckShowsItsMessageAndFocusesTheControl) {
    struct Case {
        const char* what;
        std::function<void()> enter;
        const char* message;
        const char* control;
    };
    const Case cases[] = {
        {"deck longer than 12000 mm", [this] { edit("span1Edit")->setText("12001"); },
         form::kDeckTooLong, "span1Edit"},
        {"own unit weight of 0",
         [this] {
             combo("surfaceTreatmentBox")->setCurrentIndex(2);
             edit("deckUnitWeightEdit")->setText("0");
         },
         form::kUnitWeightMessage, "deckUnitWeightEdit"},
        {"cantilever below 200 mm",
         [this] {
             combo("cantileverBox")->setCurrentIndex(1);
             edit("cantileverLengthEdit")->setText("150");
         },
         form::kCantileverTooShort, "cantileverLengthEdit"},
    };
    for (const Case& c : cases) {
        start();
        c.enter();
        press_calculate();
        EXPECT_EQ(sink.messages, QStringList{QString::fromUtf8(c.message)}) << c.what;
        EXPECT_EQ(focused(), c.control) << c.what;
        EXPECT_TRUE(presented.empty()) << c.what;
        EXPECT_TRUE(window->isVisible()) << c.what;
    }
}

TEST_F(MainWindowTest, LeavingTheCantileverEditCorrectsItWithItsMessage) {
    combo("cantileverBox")->setCurrentIndex(1);
    ASSERT_TRUE(shown("cantileverLengthEdit"));
    QLineEdit* cantilever = edit("cantileverLengthEdit");

    // Calculate takes the focus from the edit: its check speaks and the command ends.
    cantilever->setFocus();
    cantilever->setText("1200");
    press_calculate();
    EXPECT_EQ(sink.messages, QStringList{QString::fromUtf8(form::kCantileverAboveMaximum)});
    EXPECT_EQ(cantilever->text(), "1000");
    EXPECT_EQ(focused(), "cantileverLengthEdit");
    EXPECT_TRUE(presented.empty());

    // Leaving for another field runs the same check.
    sink.messages.clear();
    cantilever->setText("abc");
    edit("span1Edit")->setFocus();
    EXPECT_EQ(sink.messages, QStringList{QString::fromUtf8(form::kCantileverNotANumber)});
    EXPECT_EQ(cantilever->text(), "200");
    EXPECT_EQ(focused(), "cantileverLengthEdit");

    sink.messages.clear();
    cantilever->setText("150");
    edit("span1Edit")->setFocus();
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(focused(), "span1Edit");
}

// The status bar's verdict follows the form a pause after the last change: no
// dialog, no focus move, and the last calculation's records stay.
TEST_F(MainWindowTest, TheStatusBarGivesTheVerdictAPauseAfterEachChange) {
    QLabel* line = find<QLabel>("liveVerdictLabel");
    const auto settled = [&](const std::string& text) {
        return QTest::qWaitFor([&] { return line->text().toStdString() == text; }, 2000);
    };
    const auto colour = [&] { return line->palette().color(QPalette::WindowText); };
    ASSERT_TRUE(settled(form::live_verdict(*session).text));
    EXPECT_TRUE(line->text().startsWith("判定 ＮＧ　最大検定比 ")) << line->text().toStdString();
    EXPECT_EQ(colour(), QColor(255, 0, 0));

    QLineEdit* span = edit("span1Edit");
    span->setFocus();
    span->selectAll();
    testing::type_text(span, "1800");
    const QString before = line->text();
    const std::string passes = form::live_verdict(*session).text;
    ASSERT_EQ(passes.rfind("判定 ＯＫ", 0), 0u) << passes;
    EXPECT_EQ(line->text(), before) << "typing does not wait for a calculation";
    ASSERT_TRUE(settled(passes));
    EXPECT_EQ(colour(), QColor(0, 0, 0));
    // At the right end of the bar; the hints keep the part before it.
    const QLabel* bar = find<QLabel>("statusBar");
    EXPECT_LT(bar->contentsRect().right(), line->geometry().left());
    EXPECT_LT(line->geometry().right(), bar->width());

    span->clear();
    ASSERT_TRUE(settled("スパン1の長さを入力して下さい。"));
    EXPECT_EQ(colour(), QColor(153, 153, 153));
    EXPECT_EQ(focused(), "span1Edit");
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_TRUE(session->run.checkPages.empty()) << "nothing was calculated for the report";
}

TEST_F(MainWindowTest, SpanCountShowsTheSpanEditsAndOnePicture) {
    edit("span1Edit")->setText("3000");
    QSpinBox* count = spin("spanCountSpin");
    count->setValue(2);
    EXPECT_TRUE(shown("span2Edit"));
    EXPECT_EQ(edit("span2Edit")->text(), "3000");
    EXPECT_EQ(focused(), "span2Edit");
    EXPECT_EQ(visible_span_pictures(), QStringList{"spanPicture2"});

    count->setValue(3);
    count->setValue(4);
    EXPECT_TRUE(shown("span4Edit"));
    EXPECT_EQ(visible_span_pictures(), QStringList{"spanPicture4"});
    edit("span4Edit")->setText("2000");

    count->setValue(3);
    EXPECT_FALSE(shown("span4Edit"));
    EXPECT_EQ(edit("span4Edit")->text(), "2000");
    EXPECT_EQ(focused(), "span3Edit");
    EXPECT_EQ(visible_span_pictures(), QStringList{"spanPicture3"});

    count->setValue(2);
    combo("cantileverBox")->setCurrentIndex(1);
    EXPECT_TRUE(shown("cantileverLengthEdit"));
    EXPECT_EQ(visible_span_pictures(), QStringList{"spanPicture2Left"});

    // The count moves by its buttons only: typed and arrow keys are swallowed.
    QWidget* line = count->findChild<QLineEdit*>();
    testing::type_text(line, "4");
    testing::press_key(line, Qt::Key_Up);
    EXPECT_EQ(count->value(), 2);
    EXPECT_EQ(session->form.state.spanCount, 2);
}

TEST_F(MainWindowTest, TheDirectLoadLayoutIsTheSmallerWindow) {
    form::apply_layout(session->form, calc::LayoutMode::directLoads);
    window->refresh();
    EXPECT_EQ(window->height(), kMenuBarHeight + 375);
    EXPECT_EQ(find<QWidget>("spanPanel")->y(), 176);
    EXPECT_EQ(find<QWidget>("commandPanel")->y(), 268);
    EXPECT_EQ(find<QWidget>("otherLoadPanel")->geometry(), QRect(396, 72, 396, 95));
    EXPECT_EQ(find<QWidget>("directLoadPanel")->pos(), find<QWidget>("windPanel")->pos());
    EXPECT_TRUE(shown("directLoadPanel"));
    EXPECT_FALSE(shown("windPanel"));
    EXPECT_FALSE(shown("snowPanel"));
    EXPECT_EQ(find<QLabel>("statusBar")->geometry().bottom(), 374);
    // The direct loads sit above the span panel that covers the rest of theirs.
    for (const char* load :
         {"directWindPositiveSpin", "directWindNegativeSpin", "directSnowLoadSpin"})
        EXPECT_LE(spin(load)->mapTo(find<QWidget>("formArea"), QPoint(0, spin(load)->height())).y(),
                  176)
            << load;

    form::apply_layout(session->form, calc::LayoutMode::derivedLoads);
    window->refresh();
    EXPECT_EQ(window->height(), kMenuBarHeight + 575);
    EXPECT_EQ(find<QWidget>("spanPanel")->y(), 376);
    EXPECT_EQ(find<QWidget>("otherLoadPanel")->geometry(), QRect(396, 284, 396, 85));
    EXPECT_TRUE(shown("windPanel"));
}

TEST_F(MainWindowTest, UnitWeightFollowsDeckAndSurfaceTreatment) {
    QComboBox* surface = combo("surfaceTreatmentBox");
    QComboBox* deck = combo("deckTypeBox");
    QLineEdit* weight = edit("deckUnitWeightEdit");
    // Both lists run the unit-weight behaviour (its table is the form tests'
    // business) and the edit shows what it wrote.
    surface->setCurrentIndex(1); // "Z27"
    deck->setCurrentIndex(3);
    EXPECT_EQ(weight->text(), QString::fromStdString(session->form.deckUnitWeightEdit.text));
    EXPECT_EQ(weight->text(), "188");
    EXPECT_EQ(weight->toolTip(), "選択されたデッキの単位重量です。");

    // The table's weight cannot be typed over.
    weight->setFocus();
    testing::type_text(weight, "9");
    testing::press_key(weight, Qt::Key_Backspace, "\b");
    EXPECT_EQ(weight->text(), "188");

    surface->setCurrentIndex(2); // "他"
    EXPECT_EQ(weight->text(), "");
    EXPECT_EQ(focused(), "deckUnitWeightEdit");
    testing::type_text(weight, "20.5");
    EXPECT_EQ(session->form.deckUnitWeightEdit.text, "20.5");
}

TEST_F(MainWindowTest, LengthAndLoadFieldsTakeDigitsOnly) {
    QLineEdit* eave = edit("eaveHeightEdit");
    eave->setFocus();
    eave->clear();
    testing::type_text(eave, "1a-2.5");
    EXPECT_EQ(session->form.eaveHeightEdit.text, "125");

    // Every value the user types runs the spin edit's change behaviour.
    QSpinBox* depth = spin("snowDepthSpin");
    auto* line = depth->findChild<QLineEdit*>();
    depth->setFocus();
    line->selectAll();
    testing::type_text(line, "1x50");
    EXPECT_EQ(session->form.snowDepthSpin.value, 150);
    EXPECT_TRUE(find<QCheckBox>("heavySnowCheck")->isChecked());
    EXPECT_EQ(spin("snowUnitWeightSpin")->value(), 30);
    testing::press_key(line, Qt::Key_Backspace, "\b");
    EXPECT_EQ(session->form.snowDepthSpin.value, 15);
    EXPECT_FALSE(find<QCheckBox>("heavySnowCheck")->isChecked());
    EXPECT_EQ(spin("snowUnitWeightSpin")->value(), 20);

    // A spin edit left empty reads as its minimum.
    QSpinBox* wind = spin("directWindPositiveSpin");
    auto* wind_line = wind->findChild<QLineEdit*>();
    wind->setFocus();
    wind_line->selectAll();
    testing::press_key(wind_line, Qt::Key_Backspace, "\b");
    edit("span1Edit")->setFocus();
    EXPECT_EQ(wind_line->text(), "10");
    EXPECT_EQ(session->form.directWindPositiveSpin.value, 10);
}

TEST_F(MainWindowTest, PrefectureAndAreaSetTheWindSpeed) {
    QComboBox* prefectures = combo("prefectureBox");
    QComboBox* areas = combo("areaBox");
    prefectures->setCurrentIndex(prefectures->findText("東京都"));
    EXPECT_EQ(areas->currentIndex(), 0);
    EXPECT_EQ(areas->currentText(), "千代田区");
    EXPECT_EQ(find<QLabel>("baseWindSpeedLabel")->text(), "34");

    areas->setCurrentIndex(areas->findText("青梅市"));
    EXPECT_EQ(find<QLabel>("baseWindSpeedLabel")->text(), "30");
    EXPECT_EQ(session->form.site.areaName, "青梅市");

    // A designated snow depth of 1 m or more makes a heavy-snow area.
    prefectures->setCurrentIndex(0);
    areas->setCurrentIndex(areas->findText("深川市"));
    EXPECT_EQ(spin("snowDepthSpin")->value(), 160);
    EXPECT_TRUE(find<QCheckBox>("heavySnowCheck")->isChecked());
    EXPECT_EQ(find<QLabel>("tableSnowDepthLabel")->text(), "160");
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(MainWindowTest, RoofTypeSwitchesGroupsPicturesAndHighlight) {
    const qint64 shed_picture = find<QLabel>("roofPicture")->pixmap().cacheKey();
    radio("canopyRoofRadio")->click();
    EXPECT_TRUE(shown("canopyShapeGroup") ||
                find<QRadioButton>("gableCanopyRadio")->isVisibleTo(window.get()));
    EXPECT_FALSE(radio("closedFormRadio")->isVisibleTo(window.get()));
    EXPECT_TRUE(radio("gableCanopyRadio")->isVisibleTo(window.get()));
    EXPECT_NE(find<QLabel>("roofPicture")->pixmap().cacheKey(), shed_picture);
    EXPECT_EQ(session->form.state.roofType, calc::RoofType::canopy);

    const QRadioButton* chosen = radio("canopyRoofRadio");
    const QRadioButton* other = radio("monoPitchRoofRadio");
    EXPECT_TRUE(chosen->font().bold());
    EXPECT_EQ(chosen->palette().color(QPalette::WindowText), kNavy);
    EXPECT_FALSE(other->font().bold());
    EXPECT_EQ(other->palette().color(QPalette::WindowText), QColor(Qt::black));

    radio("gableRoofRadio")->click();
    EXPECT_TRUE(shown("buildingFormGroup"));
    EXPECT_FALSE(shown("canopyShapeGroup"));
}

TEST_F(MainWindowTest, StatusBarShowsTheLongHintAndTheTooltipTheShortOne) {
    QComboBox* fastener = combo("fastenerBox");
    EXPECT_EQ(fastener->toolTip(), "木造梁との接合方法");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(fastener, &enter);
    EXPECT_EQ(find<QLabel>("statusBar")->text(), "木ねじを選択して下さい。");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(fastener, &leave);
    EXPECT_EQ(find<QLabel>("statusBar")->text(), "");

    // A hint without "|" is shown whole in both places.
    QPushButton* calculate = find<QPushButton>("calculateButton");
    QApplication::sendEvent(calculate, &enter);
    EXPECT_EQ(find<QLabel>("statusBar")->text(), "入力条件の基に計算を行い、結果を表示します");
    EXPECT_EQ(spin("otherDeadLoadSpin")->toolTip(),
              QString::fromStdString(session->form.otherDeadLoadSpin.hint));
}

TEST_F(MainWindowTest, CommandButtonsReachTheirWindowsAndQuitCloses) {
    int requests = 0;
    for (auto signal : {&MainWindow::overview_requested, &MainWindow::coefficient_dialog_requested,
                        &MainWindow::load_requested, &MainWindow::save_requested,
                        &MainWindow::usage_notice_requested})
        QObject::connect(window.get(), signal, [&requests] { ++requests; });
    for (const char* button : {"overviewButton", "settingsButton", "loadButton", "saveButton"}) {
        EXPECT_FALSE(find<QPushButton>(button)->toolTip().isEmpty()) << button;
        find<QPushButton>(button)->click();
    }
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(find<QLabel>("usageNoticeLink"), &click);
    EXPECT_EQ(requests, 5);
    EXPECT_EQ(find<QPushButton>("exitButton")->text(), "終　了");
    find<QPushButton>("exitButton")->click();
    EXPECT_FALSE(window->isVisible());
}

// The worked case of 岩手県's page for 久慈市役所, typed into the window for an
// area whose tables know no coefficients (札幌市).
TEST_F(MainWindowTest, TypedSnowCoefficientsComputeTheDepthAtOnce) {
    QLineEdit* alpha = edit("snowCoefAlphaEdit");
    EXPECT_FALSE(alpha->isEnabled());
    radio("formulaDepthRadio")->click();
    ASSERT_TRUE(alpha->isEnabled());
    EXPECT_EQ(alpha->text(), "");
    spin("altitudeSpin")->setValue(5);
    spin("seaRatioSpin")->setValue(40);
    const std::pair<const char*, QString> typed[] = {{"snowCoefAlphaEdit", "0.0021"},
                                                     {"snowCoefBetaEdit", "-1.19"},
                                                     {"snowCoefGammaEdit", "1.16"},
                                                     {"snowCoefRadiusEdit", "2x0"}};
    for (const auto& [name, text] : typed) {
        edit(name)->setFocus();
        testing::type_text(edit(name), text);
    }
    EXPECT_EQ(edit("snowCoefRadiusEdit")->text(), "20"); // letters do not get in
    EXPECT_EQ(spin("snowDepthSpin")->value(), 69);
    EXPECT_EQ(session->form.site.sources.snowCoefficients, calc::ValueSource::entered);

    // Calculate refuses a coefficient out of its range and focuses its field.
    edit("snowCoefAlphaEdit")->setFocus();
    edit("snowCoefAlphaEdit")->selectAll();
    testing::type_text(edit("snowCoefAlphaEdit"), "5");
    window->calculate();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("係数αは")) << sink.messages[0].toStdString();
    EXPECT_EQ(focused(), "snowCoefAlphaEdit");
    EXPECT_TRUE(presented.empty());
}

// The site's point, the reference beside 海率, its button and the map are bound
// to the form's behaviours; the figures themselves are the form's tests'.
TEST_F(MainWindowTest, TheSeaRatioReferenceIsTakenByItsButtonAndMapped) {
    ASSERT_FALSE(form::choose_area(session->form, session->siteTables, 2, "大船渡市(旧大船渡市)"));
    window->refresh();
    auto* reference = find<QLabel>("seaRatioReferenceLabel");
    auto* take = find<QPushButton>("takeSeaRatioButton");
    ASSERT_TRUE(session->form.site.seaRatioReference);
    const int percent = session->form.site.seaRatioReference->percent;
    EXPECT_EQ(reference->text(), QString("[海率参考値 %1 ％（役所）]").arg(percent));
    EXPECT_FALSE(take->isEnabled()); // 海率 is not in use with the typed-in depth
    radio("formulaDepthRadio")->click();
    ASSERT_TRUE(take->isEnabled());
    EXPECT_EQ(spin("seaRatioSpin")->value(), 20);
    take->click();
    EXPECT_EQ(spin("seaRatioSpin")->value(), percent);

    edit("siteCoordinatesEdit")->setFocus();
    testing::type_text(edit("siteCoordinatesEdit"), "39.0822, 141.7083");
    EXPECT_TRUE(reference->text().endsWith("（建設地）]")) << reference->text().toStdString();

    find<QPushButton>("seaMapButton")->click();
    SeaMapWindow* map = window->sea_map_window();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(map->image().isNull());
    // The map follows the form: without R there is nothing to draw.
    edit("snowCoefRadiusEdit")->setText("0");
    EXPECT_TRUE(map->image().isNull());
    map->close();
}

TEST_F(MainWindowTest, TheAreaBoxFindsTheAreasOfEveryPrefecture) {
    QComboBox* areas = combo("areaBox");
    ASSERT_TRUE(areas->isEditable());
    areas->lineEdit()->setFocus();
    areas->lineEdit()->selectAll(); // as entering the box does
    testing::type_text(areas->lineEdit(), QStringLiteral("モリオカ"));
    QCompleter* completer = areas->completer();
    ASSERT_NE(completer, nullptr);
    ASSERT_GE(completer->model()->rowCount(), 1);
    EXPECT_EQ(completer->model()->index(0, 0).data().toString(), "盛岡市（岩手県）");

    emit completer->activated(completer->completionModel()->index(0, 0));
    EXPECT_EQ(combo("prefectureBox")->currentText(), "岩手県");
    EXPECT_EQ(areas->itemText(areas->currentIndex()), "盛岡市");
    EXPECT_EQ(areas->lineEdit()->text(), "盛岡市");
    EXPECT_EQ(session->form.site.areaName, "盛岡市");
    EXPECT_EQ(session->form.site.snowZone, 106);
    EXPECT_EQ(session->form.snowCoefAlphaEdit.text, "0.0015");
    EXPECT_TRUE(sink.messages.isEmpty());

    int requests = 0;
    QObject::connect(window.get(), &MainWindow::site_data_requested, [&requests] { ++requests; });
    find<QPushButton>("siteDataButton")->click();
    EXPECT_EQ(requests, 1);
}

// The window is the form's layout table: each item is a widget of its parent at
// the table's place (where the form moves it, at its live place), and each
// plain text and title band a label with the table's words.
TEST_F(MainWindowTest, IsBuiltFromTheFormsLayoutTable) {
    auto check = [this] {
        for (const form::LayoutItem& item : form::main_window_layout()) {
            const QString words = QString::fromStdString(item.text);
            const form::LayoutRect place = form::live_rect(session->form, item);
            const QRect rect(place.left, place.top, place.width, place.height);
            const QString parent =
                QString::fromStdString(item.parent.empty() ? "formArea" : item.parent);
            const QWidget* widget = nullptr;
            if (item.kind == form::LayoutKind::spanPictures) {
                widget = window->findChild<QLabel*>(span_picture_name(0).name);
            } else if (!item.name.empty()) {
                widget = find<QWidget>(item.name.c_str());
            } else {
                for (const QLabel* label : window->findChildren<QLabel*>())
                    if (label->text() == words && label->parentWidget()->objectName() == parent &&
                        label->pos() == rect.topLeft())
                        widget = label;
            }
            ASSERT_NE(widget, nullptr) << item.name << words.toStdString();
            EXPECT_EQ(widget->parentWidget()->objectName(), parent) << item.name;
            if (item.kind == form::LayoutKind::titleBand) {
                EXPECT_EQ(widget->height(), rect.height()) << words.toStdString();
                EXPECT_TRUE(widget->font().bold()) << words.toStdString();
            } else if (item.name == form::kLiveVerdictLabel) {
                // As wide as its text, at the right end of its room, inside the
                // bar's frame.
                const int frame = static_cast<const QLabel*>(widget->parentWidget())->frameWidth();
                EXPECT_GE(widget->x(), rect.left()) << item.name;
                EXPECT_EQ(rect.right() - widget->geometry().right(), frame) << item.name;
            } else {
                EXPECT_EQ(widget->geometry(), rect) << item.name << words.toStdString();
            }
            if (item.kind == form::LayoutKind::text) {
                EXPECT_EQ(static_cast<const QLabel*>(widget)->text(), words) << item.name;
            }
            if (item.fontPixels != 0) {
                EXPECT_EQ(widget->font().pixelSize(), item.fontPixels) << item.name;
            }
        }
    };
    check();
    // Moved by the form: the panels and the status bar with the layout, the right
    // overhang's edit with the span count.
    spin("spanCountSpin")->setValue(2);
    spin("spanCountSpin")->setValue(3);
    form::apply_layout(session->form, calc::LayoutMode::directLoads);
    window->refresh();
    check();
}

TEST(SpanPictures, EachOfTheSixteenIsItsOwnDrawing) {
    std::set<QByteArray> drawings;
    for (int i = 0; i < 16; ++i) {
        const SpanPictureName name = span_picture_name(i);
        EXPECT_EQ(name.name.toStdString(),
                  form::span_picture_name(name.spanCount, name.cantileverMode));
        const QImage picture = draw_span_picture(name.spanCount, name.cantileverMode);
        EXPECT_EQ(picture.size(), QSize(kSpanPictureWidth, kSpanPictureHeight));
        drawings.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                   static_cast<int>(picture.sizeInBytes())));
    }
    EXPECT_EQ(drawings.size(), 16u);
}

} // namespace
} // namespace korvex::app
