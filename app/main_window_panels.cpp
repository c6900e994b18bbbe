// The widgets of the main window at their places (96 dpi pixels, as designed),
// each bound to its control of the input form and to the behaviour it runs.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/area_search_box.h"
#include "app/form_view.h"
#include "app/main_window.h"
#include "app/span_picture.h"
#include "form/key_filter.h"
#include "form/roof.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"

namespace korvex::app {

namespace {

constexpr int kHalfWidth = kMainWindowWidth / 2;
constexpr int kTopPanelHeight = 72;
constexpr int kSpanPanelHeight = 92;
constexpr int kRecentArrowWidth = 16;

const QColor kSilver(192, 192, 192);
const QColor kLinkBlue(0, 0, 204);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

bool takes_digits_only(const form::InputForm& form, const std::string& control) {
    return !form::accepts_key(form, control, U'a') && form::accepts_key(form, control, U'0');
}

// Fields whose typing is filtered: nothing may reach them round the filter.
void close_side_doors(QWidget& edit) {
    edit.setContextMenuPolicy(Qt::NoContextMenu);
    edit.setAcceptDrops(false);
}

} // namespace

void MainWindow::build_panels() {
    // Stacking order: the direct-load panel lies under the span and command
    // panels, which cover its lower part in the smaller layout.
    deckPanel_ = add_panel("deckPanel", {0, 0, kHalfWidth, kTopPanelHeight}, kFormBackground);
    sitePanel_ =
        add_panel("sitePanel", {kHalfWidth, 0, kHalfWidth, kTopPanelHeight}, kFormBackground);
    directLoadPanel_ = add_panel(
        "directLoadPanel", {0, form_.directLoadPanel.top, kHalfWidth, form_.directLoadPanel.height},
        kFormBackground);
    windPanel_ = add_panel(
        "windPanel", {0, form_.windPanel.top, kHalfWidth, form_.windPanel.height}, kFormBackground);
    snowPanel_ = add_panel("snowPanel",
                           {kHalfWidth, form_.snowPanel.top, kHalfWidth, form_.snowPanel.height},
                           kFormBackground);
    otherLoadPanel_ =
        add_panel("otherLoadPanel",
                  {kHalfWidth, form_.otherLoadPanel.top, kHalfWidth, form_.otherLoadPanel.height},
                  kFormBackground);
    spanPanel_ = add_panel("spanPanel",
                           {0, form_.spanPanel.top, kMainWindowWidth, kSpanPanelHeight}, Qt::white);
    commandPanel_ = add_panel(
        "commandPanel", {0, form_.commandPanel.top, kMainWindowWidth, form_.commandPanel.height},
        kFormBackground);
    views_.push_back([this] {
        show_panel(*otherLoadPanel_, form_.otherLoadPanel);
        show_panel(*snowPanel_, form_.snowPanel);
        show_panel(*windPanel_, form_.windPanel);
        show_panel(*spanPanel_, form_.spanPanel);
        show_panel(*directLoadPanel_, form_.directLoadPanel);
        show_panel(*commandPanel_, form_.commandPanel);
    });

    build_deck_panel();
    build_site_panel();
    build_wind_panel();
    build_direct_load_panel();
    build_snow_panel();
    build_other_load_panel();
    build_span_panel();
    build_command_panel();

    statusBar_ = new QLabel(formArea_);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar_->setIndent(4);
}

void MainWindow::build_deck_panel() {
    QWidget* p = deckPanel_;
    add_text(p, QStringLiteral("デッキ種類"), {8, 12, 100, 22});
    add_combo(p, form_.deckTypeBox, {110, 12, 104, 22},
              [this] { form::update_unit_weight(form_); });
    add_text(p, QStringLiteral("表面処理"), {262, 12, 54, 22});
    add_combo(p, form_.surfaceTreatmentBox, {316, 12, 64, 22},
              [this] { form::update_unit_weight(form_); });
    add_text(p, QStringLiteral("梁(母屋)との接合"), {8, 40, 100, 22});
    add_combo(p, form_.fastenerBox, {110, 40, 146, 22});
    add_text(p, QStringLiteral("単位重量"), {262, 40, 54, 22});
    QLineEdit* weight = add_edit(p, form_.deckUnitWeightEdit, {316, 40, 40, 22});
    weight->setAlignment(Qt::AlignCenter);
    close_side_doors(*weight);
    add_text(p, QStringLiteral("N/㎡"), {359, 40, 34, 22});
}

void MainWindow::build_site_panel() {
    QWidget* p = sitePanel_;
    add_text(p, QStringLiteral("[所在地]"), {8, 12, 58, 22});
    add_text(p, QStringLiteral("都道府県"), {70, 12, 54, 22});
    add_combo(p, form_.prefectureBox, {126, 12, 100, 22}, [this] { on_prefecture_chosen(); });
    auto* heavy = new QCheckBox(p);
    heavy->setGeometry(250, 12, 18, 22);
    add_control(
        heavy, form_.heavySnowCheck.name,
        [this, heavy] { show_check(*heavy, form_.heavySnowCheck); },
        [this] { return form_.heavySnowCheck.hint; });
    add_display(p, form_.heavySnowLabel, {270, 12, 70, 22}, Qt::AlignLeft | Qt::AlignVCenter);
    add_text(p, QStringLiteral("地域"), {70, 40, 54, 22});
    QComboBox* areas = add_combo(p, form_.areaBox, {126, 40, 262, 22},
                                 [this] { form::select_area(form_, session_.siteTables); });
    // Some area names run long; the open list is wide enough to show them whole.
    areas->view()->setMinimumWidth(470);
    // Typing in the box searches the areas of every prefecture.
    auto* search = new AreaSearchBox(*areas, session_.siteTables);
    connect(search, &AreaSearchBox::area_chosen, this, &MainWindow::on_area_found);
    QPushButton* site_data = add_button(p, form_.siteDataButton, {4, 40, 64, 22});
    site_data->setFont(form_font(11));
    connect(site_data, &QPushButton::clicked, this, &MainWindow::show_site_data);
}

void MainWindow::build_wind_panel() {
    QWidget* p = windPanel_;
    add_title_band(p, QStringLiteral("風荷重の設定"));
    add_text(p, QStringLiteral("平均風速 Ｖ0 ="), {138, 5, 92, 20});
    QLabel* v0 = add_display(p, form_.baseWindSpeedLabel, {230, 5, 28, 20}, Qt::AlignCenter);
    v0->setFont(form_font(kFormFontPixels, true));
    add_text(p, QStringLiteral("m/sec"), {262, 5, 40, 20});

    add_text(p, QStringLiteral("粗 度 区 分"), {8, 32, 114, 22});
    add_combo(p, form_.roughnessBox, {122, 32, 48, 22});
    add_text(p, QStringLiteral("→"), {176, 32, 20, 22});
    add_picture(p, "roughnessPicture", {202, 30, 188, 96},
                [] { return std::string("Roughness.bmp"); });

    const std::pair<const char*, form::Edit*> heights[] = {
        {"軒 の 高 さ   Ｈ１", &form_.eaveHeightEdit},
        {"建 物 の 高 さ Ｈ2", &form_.buildingHeightEdit},
        {"張り間方向の長さＤ", &form_.spanDirectionLengthEdit}};
    int top = 60;
    for (const auto& [label, edit] : heights) {
        add_text(p, QString::fromUtf8(label), {8, top, 114, 22});
        add_edit(p, *edit, {122, top, 52, 22})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        add_text(p, QStringLiteral("mm"), {177, top, 22, 22});
        top += 26;
    }

    QGroupBox* roof = add_group(p, form_.roofTypeGroup, {4, 136, 388, 84});
    form::RadioButton* roofs[] = {&form_.monoPitchRoofRadio, &form_.gableRoofRadio,
                                  &form_.arcRoofRadio, &form_.canopyRoofRadio};
    for (int i = 0; i < 4; ++i)
        add_radio(roof, *roofs[i], {10, 16 + 16 * i, 96, 16}, [this, i] {
            form::select_roof_type(form_, *calc::from_code<calc::RoofType>(3 + i));
        });
    add_picture(roof, "roofPicture", {112, 14, 270, 64},
                [this] { return form_.roofPicture.pictureFile; });

    QGroupBox* shape = add_group(p, form_.buildingFormGroup, {4, 222, 388, 78});
    form::RadioButton* shapes[] = {&form_.closedFormRadio, &form_.windwardOpenFormRadio,
                                   &form_.leewardOpenFormRadio};
    for (int i = 0; i < 3; ++i)
        add_radio(shape, *shapes[i], {10, 18 + 18 * i, 96, 17}, [this, i] {
            form::select_building_form(form_, *calc::from_code<calc::BuildingForm>(i));
        });
    add_picture(shape, "buildingFormPicture", {112, 14, 270, 60},
                [this] { return form_.buildingFormPicture.pictureFile; });

    QGroupBox* canopy = add_group(p, form_.canopyShapeGroup, {4, 222, 388, 78});
    form::RadioButton* canopies[] = {&form_.gableCanopyRadio, &form_.wingCanopyRadio};
    for (int i = 0; i < 2; ++i)
        add_radio(canopy, *canopies[i], {10, 22 + 22 * i, 96, 17}, [this, i] {
            form::select_canopy_shape(form_, *calc::from_code<calc::CanopyShape>(i));
        });
    add_picture(canopy, "canopyShapePicture", {112, 14, 270, 60},
                [this] { return form_.canopyShapePicture.pictureFile; });
}

void MainWindow::build_direct_load_panel() {
    QWidget* p = directLoadPanel_;
    add_title_band(p, QStringLiteral("荷重値直接設定"));
    const std::pair<const char*, form::SpinEdit*> loads[] = {
        {"風荷重/正[Ｗw+]", &form_.directWindPositiveSpin},
        {"風荷重/負[Ｗw-]  －", &form_.directWindNegativeSpin},
        {"積 雪 荷 重 [Ｗs]", &form_.directSnowLoadSpin}};
    int top = 30;
    for (const auto& [label, spin] : loads) {
        add_text(p, QString::fromUtf8(label), {8, top, 128, 22});
        add_spin(p, *spin, {138, top, 86, 22});
        add_text(p, QStringLiteral(" (N/㎡)"), {226, top, 60, 22});
        top += 24;
    }
}

void MainWindow::build_snow_panel() {
    QWidget* p = snowPanel_;
    add_title_band(p, QStringLiteral("積雪荷重の設定"));
    add_text(p, QStringLiteral("垂直積雪量"), {8, 32, 96, 22});
    add_spin(p, form_.snowDepthSpin, {104, 32, 72, 22});
    add_text(p, QStringLiteral("cm"), {180, 32, 24, 22});
    add_text(p, QStringLiteral("[参考値"), {236, 32, 50, 22});
    add_display(p, form_.tableSnowDepthLabel, {286, 32, 40, 22});
    add_text(p, QStringLiteral("cm ]"), {330, 32, 40, 22});

    add_text(p, QStringLiteral("積雪の単位量ρ"), {8, 58, 96, 22});
    add_spin(p, form_.snowUnitWeightSpin, {104, 58, 56, 22});
    add_text(p, QStringLiteral("N/㎝/㎡"), {164, 58, 60, 22});

    QGroupBox* method = add_group(p, form_.snowMethodGroup, {4, 86, 388, 120});
    add_radio(method, form_.typedDepthRadio, {10, 22, 124, 18},
              [this] { form::select_snow_method(form_, calc::SnowMethod::typedDepth); });
    add_radio(method, form_.formulaDepthRadio, {10, 46, 124, 18},
              [this] { form::select_snow_method(form_, calc::SnowMethod::formula); });

    add_text(method, QStringLiteral("標高"), {150, 18, 40, 22});
    add_spin(method, form_.altitudeSpin, {192, 18, 66, 22});
    add_text(method, QStringLiteral("m"), {262, 18, 16, 22});
    add_text(method, QStringLiteral("[標高参考値"), {150, 44, 80, 20});
    add_display(method, form_.tableAltitudeLabel, {230, 44, 40, 20});
    add_text(method, QStringLiteral("]  m"), {274, 44, 30, 20});
    add_text(method, QStringLiteral("海率"), {150, 68, 40, 22});
    add_spin(method, form_.seaRatioSpin, {192, 68, 66, 22});
    add_text(method, QStringLiteral("％"), {262, 68, 16, 22});
    add_text(method, QStringLiteral("海率計算用半径"), {150, 94, 96, 20});
    add_display(method, form_.seaRatioRadiusLabel, {246, 94, 24, 20});
    add_text(method, QStringLiteral("km"), {274, 94, 20, 20});

    // The formula's coefficients, under the method radios: the zone's, or typed.
    const std::pair<const char*, form::Edit*> coefficients[] = {{"α", &form_.snowCoefAlphaEdit},
                                                                {"β", &form_.snowCoefBetaEdit},
                                                                {"γ", &form_.snowCoefGammaEdit},
                                                                {"R", &form_.snowCoefRadiusEdit}};
    for (int i = 0; i < 4; ++i) {
        const int left = 8 + (i % 2) * 70;
        const int top = 70 + (i / 2) * 24;
        add_text(method, QString::fromUtf8(coefficients[i].first), {left, top, 12, 22});
        add_coefficient_edit(method, *coefficients[i].second, {left + 12, top, 54, 22});
    }
}

QLineEdit* MainWindow::add_coefficient_edit(QWidget* parent, form::Edit& edit,
                                            const QRect& geometry) {
    QLineEdit* widget = add_edit(parent, edit, geometry);
    widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(widget, &QLineEdit::textEdited, this, [this, &edit](const QString& text) {
        form::enter_snow_coefficient(form_, edit, text.toStdString());
        refresh();
    });
    return widget;
}

void MainWindow::build_other_load_panel() {
    QWidget* p = otherLoadPanel_;
    add_title_band(p, QStringLiteral("その他の荷重"));
    add_text(p, QStringLiteral("仕上げ\nその他"), {10, 28, 48, 36});
    add_spin(p, form_.otherDeadLoadSpin, {60, 35, 80, 22});
    add_text(p, QStringLiteral("N/㎡"), {144, 35, 36, 22});
    add_text(p, QStringLiteral("積載\n荷重"), {206, 28, 34, 36});
    FormSpinEdit* live = add_spin(p, form_.liveLoadSpin, {242, 35, 80, 22});
    QPalette palette = live->palette();
    palette.setColor(QPalette::Base, kSilver);
    live->setPalette(palette);
    add_text(p, QStringLiteral("N/㎡"), {326, 35, 36, 22});
}

void MainWindow::build_span_panel() {
    QWidget* p = spanPanel_;
    constexpr int kPictureLeft = kSpanPictureLeft;
    constexpr int kPictureTop = kSpanPictureTop;
    for (int i = 0; i < 16; ++i) {
        const SpanPictureName picture = span_picture_name(i);
        auto* image = new QLabel(p);
        image->setObjectName(picture.name);
        image->setGeometry(kPictureLeft, kPictureTop, kSpanPictureWidth, kSpanPictureHeight);
        image->setScaledContents(true);
        image->setPixmap(
            QPixmap::fromImage(draw_span_picture(picture.spanCount, picture.cantileverMode)));
        image->hide();
        spanPictures_.push_back(image);
    }

    add_text(p, QStringLiteral("スパン数"), {12, 14, 60, 22});
    FormSpinEdit* count = add_spin(p, form_.spanCountSpin, {74, 14, 48, 22});
    count->setAlignment(Qt::AlignCenter);
    add_text(p, QStringLiteral("はね出し"), {12, 48, 60, 22});
    add_combo(p, form_.cantileverBox, {74, 48, 60, 22}, [this] { form::update_spans(form_); });

    // loadRowLabel and spanRowLabel name the load row and the row of span edits.
    add_text(p, QStringLiteral("荷重ΣＷ"), {146, 6, 80, 18}, Qt::AlignRight | Qt::AlignVCenter)
        ->setObjectName(QStringLiteral("loadRowLabel"));
    add_text(p, QStringLiteral("スパン[mm]"),
             {146, kPictureTop + kSpanEditTop, 80, kSpanEditHeight},
             Qt::AlignRight | Qt::AlignVCenter)
        ->setObjectName(QStringLiteral("spanRowLabel"));

    const int edit_top = kPictureTop + kSpanEditTop;
    for (int span = 1; span <= 4; ++span) {
        form::Edit& edit = form::span_edit(form_, span);
        constexpr int kWidth = 58;
        add_edit(
            p, edit,
            {kPictureLeft + span_centre_x(span) - kWidth / 2, edit_top, kWidth, kSpanEditHeight})
            ->setAlignment(Qt::AlignCenter);
    }
    constexpr int kCantileverWidth = 46;
    add_edit(p, form_.cantileverLengthEdit,
             {kPictureLeft + left_cantilever_centre_x() - kCantileverWidth / 2, edit_top,
              kCantileverWidth, kSpanEditHeight})
        ->setAlignment(Qt::AlignCenter);
    rightCantileverLengthEdit_ =
        add_edit(p, form_.rightCantileverLengthEdit,
                 {kPictureLeft + right_cantilever_centre_x(1) - kCantileverWidth / 2, edit_top,
                  kCantileverWidth, kSpanEditHeight});
    rightCantileverLengthEdit_->setAlignment(Qt::AlignCenter);
}

void MainWindow::build_command_panel() {
    QWidget* p = commandPanel_;
    QLabel* name =
        add_display(p, form_.programNameLabel, {14, 6, 220, 26}, Qt::AlignLeft | Qt::AlignVCenter);
    name->setFont(form_font(20, true));
    views_.push_back([name] {
        QPalette brown = name->palette();
        brown.setColor(QPalette::WindowText, kTitleBand);
        name->setPalette(brown);
    });
    add_display(p, form_.versionLabel, {16, 32, 120, 18}, Qt::AlignLeft | Qt::AlignVCenter);
    QLabel* notice =
        add_display(p, form_.usageNoticeLink, {16, 56, 200, 20}, Qt::AlignLeft | Qt::AlignVCenter);
    QFont underlined = notice->font();
    underlined.setUnderline(true);
    notice->setFont(underlined);
    notice->setCursor(Qt::PointingHandCursor);
    views_.push_back([notice] {
        QPalette link = notice->palette();
        link.setColor(QPalette::WindowText, kLinkBlue);
        notice->setPalette(link);
    });

    struct Command {
        form::Button* button;
        void (MainWindow::*slot)();
    };
    const Command commands[] = {{&form_.overviewButton, &MainWindow::show_overview},
                                {&form_.settingsButton, &MainWindow::show_settings},
                                {&form_.loadButton, &MainWindow::load_project},
                                {&form_.saveButton, &MainWindow::save_project},
                                {&form_.calculateButton, &MainWindow::calculate}};
    int left = 246;
    for (const auto& [button, slot] : commands) {
        // "データ読込" shares its place with the arrow that opens the recent designs.
        const bool load = button == &form_.loadButton;
        QPushButton* widget =
            add_button(p, *button, {left, 20, load ? 84 - kRecentArrowWidth : 84, 40});
        connect(widget, &QPushButton::clicked, this, slot);
        if (load) {
            auto* recent = new QToolButton(p);
            recent->setObjectName(QStringLiteral("recentDesignsButton"));
            recent->setGeometry(left + 84 - kRecentArrowWidth, 20, kRecentArrowWidth, 40);
            recent->setArrowType(Qt::DownArrow);
            recent->setPopupMode(QToolButton::InstantPopup);
            recent->setMenu(recentMenu_);
            recent->setToolTip(QStringLiteral("最近使ったデータ"));
            recent->setFocusPolicy(Qt::NoFocus);
        }
        left += 90;
    }
    QPushButton* quit = add_button(p, form_.exitButton, {left, 20, 84, 40});
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

QFrame* MainWindow::add_panel(const char* name, const QRect& geometry, const QColor& colour) {
    auto* panel = new QFrame(formArea_);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

QGroupBox* MainWindow::add_group(QWidget* parent, form::GroupBox& group, const QRect& geometry) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(qt(group.name));
    box->setGeometry(geometry);
    views_.push_back([box, &group] { show_group(*box, group); });
    return box;
}

QLabel* MainWindow::add_text(QWidget* parent, const QString& text, const QRect& geometry,
                             Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

void MainWindow::add_title_band(QWidget* panel, const QString& text) {
    QLabel* band = add_text(panel, text, {4, 4, 0, 20}, Qt::AlignCenter);
    band->setFont(form_font(kFormFontPixels, true));
    band->resize(band->sizeHint().width() + 20, 20);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, kTitleBand);
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
}

void MainWindow::add_control(QWidget* widget, const std::string& name, std::function<void()> show,
                             std::function<std::string()> hint) {
    widget->setObjectName(qt(name));
    names_[widget] = name;
    widgets_[name] = widget;
    if (hint) hints_[name] = std::move(hint);
    views_.push_back(std::move(show));
    widget->installEventFilter(this);
}

QLineEdit* MainWindow::add_edit(QWidget* parent, form::Edit& edit, const QRect& geometry) {
    auto* widget = new QLineEdit(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, edit.name, [widget, &edit] { show_edit(*widget, edit); },
        [&edit] { return edit.hint; });
    if (takes_digits_only(form_, edit.name)) {
        widget->setAttribute(Qt::WA_InputMethodEnabled, false);
        close_side_doors(*widget);
    }
    connect(widget, &QLineEdit::textChanged, this, [this, &edit](const QString& text) {
        edit.text = text.toStdString();
        note_edit();
    });
    return widget;
}

FormSpinEdit* MainWindow::add_spin(QWidget* parent, form::SpinEdit& spin, const QRect& geometry) {
    auto* widget = new FormSpinEdit(parent);
    widget->setGeometry(geometry);
    widget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    add_control(
        widget, spin.name, [widget, &spin] { show_spin(*widget, spin); },
        [&spin] { return spin.hint; });
    // The keys go to the spin edit's line; the filter reads them there.
    names_[widget->editor()] = spin.name;
    widget->editor()->installEventFilter(this);
    widget->editor()->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(widget, &QSpinBox::valueChanged, this, [this, &spin](int value) {
        form::set_spin_value(form_, spin, value);
        refresh();
    });
    return widget;
}

QComboBox* MainWindow::add_combo(QWidget* parent, form::ComboBox& combo, const QRect& geometry,
                                 std::function<void()> behaviour) {
    auto* widget = new QComboBox(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, combo.name, [widget, &combo] { show_combo(*widget, combo); },
        [&combo] { return combo.hint; });
    connect(widget, &QComboBox::currentIndexChanged, this,
            [this, &combo, behaviour = std::move(behaviour)](int index) {
                combo.itemIndex = index;
                if (behaviour) behaviour();
                refresh();
            });
    return widget;
}

QRadioButton* MainWindow::add_radio(QWidget* parent, form::RadioButton& radio,
                                    const QRect& geometry, std::function<void()> behaviour) {
    auto* widget = new QRadioButton(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, radio.name, [widget, &radio] { show_radio(*widget, radio); },
        [&radio] { return radio.hint; });
    connect(widget, &QRadioButton::clicked, this, [this, behaviour = std::move(behaviour)] {
        behaviour();
        refresh();
    });
    return widget;
}

QLabel* MainWindow::add_display(QWidget* parent, form::Label& label, const QRect& geometry,
                                Qt::Alignment alignment) {
    QLabel* widget = add_text(parent, {}, geometry, alignment);
    add_control(
        widget, label.name, [widget, &label] { show_label(*widget, label); },
        [&label] { return label.hint; });
    return widget;
}

QLabel* MainWindow::add_picture(QWidget* parent, const char* name, const QRect& geometry,
                                std::function<std::string()> file) {
    QLabel* picture = add_text(parent, {}, geometry, Qt::AlignCenter);
    picture->setObjectName(QString::fromLatin1(name));
    views_.push_back([this, picture, file = std::move(file)] { show_picture(*picture, file()); });
    return picture;
}

QPushButton* MainWindow::add_button(QWidget* parent, form::Button& button, const QRect& geometry) {
    auto* widget = new QPushButton(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, button.name, [widget, &button] { show_button(*widget, button); },
        [&button] { return button.hint; });
    return widget;
}

} // namespace korvex::app
