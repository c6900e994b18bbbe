// The widgets of the main window, built by walking the form's layout table
// (form/window_layout.h): each at its place, bound to its control of the input
// form, and each change handed to the form's one mapping from a control to its
// behaviour (form/control_events.h). What is here beyond the table is the look
// of the Qt widgets only.

#include <map>

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
#include "form/controls_by_name.h"
#include "form/key_filter.h"

namespace korvex::app {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kLinkBlue(0, 0, 204);

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QRect to_qrect(const form::LayoutRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

Qt::Alignment to_alignment(form::LayoutAlign align) {
    switch (align) {
    case form::LayoutAlign::centre:
        return Qt::AlignCenter;
    case form::LayoutAlign::right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case form::LayoutAlign::left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool takes_digits_only(const form::InputForm& form, const std::string& control) {
    return !form::accepts_key(form, control, U'a') && form::accepts_key(form, control, U'0');
}

QFont item_font(const form::LayoutItem& item) {
    return form_font(item.fontPixels != 0 ? item.fontPixels : kFormFontPixels, item.bold);
}

// Fields whose typing is filtered: nothing may reach them round the filter.
void close_side_doors(QWidget& edit) {
    edit.setContextMenuPolicy(Qt::NoContextMenu);
    edit.setAcceptDrops(false);
}

} // namespace

void MainWindow::build_panels() {
    std::map<std::string, QWidget*> parents; // the panels and groups by name
    for (const form::LayoutItem& item : form::main_window_layout()) {
        QWidget* parent = item.parent.empty() ? formArea_ : parents.at(item.parent);
        QWidget* widget = build_item(item, parent);
        if (item.kind == form::LayoutKind::panel || item.kind == form::LayoutKind::group ||
            item.name == form_.statusBar.name)
            parents[item.name] = widget;
        if (item.kind != form::LayoutKind::titleBand && (item.bold || item.fontPixels != 0))
            widget->setFont(item_font(item));
        // Where the form moves an item, the window follows at every refresh. A
        // title band and the verdict line are as wide as their words.
        if (item.kind != form::LayoutKind::titleBand && item.name != form::kLiveVerdictLabel)
            views_.push_back(
                [this, widget, &item] { widget->setGeometry(to_qrect(live_rect(form_, item))); });
        add_touches(item, widget);
    }
}

QWidget* MainWindow::build_item(const form::LayoutItem& item, QWidget* parent) {
    const QRect geometry = to_qrect(item.rect);
    switch (item.kind) {
    case form::LayoutKind::panel:
        return add_panel(item.name, geometry);
    case form::LayoutKind::titleBand:
        return add_title_band(parent, item);
    case form::LayoutKind::text: {
        QLabel* text = add_text(parent, qt(item.text), geometry, to_alignment(item.align));
        if (!item.name.empty()) text->setObjectName(qt(item.name));
        return text;
    }
    case form::LayoutKind::group:
        return add_group(parent, *form::find_group(form_, item.name), geometry);
    case form::LayoutKind::edit: {
        QLineEdit* edit = add_edit(parent, *form::find_edit(form_, item.name), geometry);
        edit->setAlignment(to_alignment(item.align));
        return edit;
    }
    case form::LayoutKind::spin: {
        FormSpinEdit* spin = add_spin(parent, *form::find_spin(form_, item.name), geometry);
        spin->setAlignment(to_alignment(item.align));
        return spin;
    }
    case form::LayoutKind::combo:
        return add_combo(parent, *form::find_combo(form_, item.name), geometry);
    case form::LayoutKind::check:
        return add_check(parent, *form::find_check(form_, item.name), geometry);
    case form::LayoutKind::radio:
        return add_radio(parent, *form::find_radio(form_, item.name), geometry);
    case form::LayoutKind::display:
        if (item.name == form_.statusBar.name) return add_status_bar(geometry);
        if (item.name == form::kLiveVerdictLabel) return add_live_verdict(parent, item.rect);
        return add_display(parent, *form::find_label(form_, item.name), geometry,
                           to_alignment(item.align));
    case form::LayoutKind::picture:
        return add_picture(parent, item.name, geometry);
    case form::LayoutKind::button:
        return add_button(parent, *form::find_button(form_, item.name), geometry);
    case form::LayoutKind::spanPictures:
        return add_span_pictures(parent, geometry);
    }
    return nullptr;
}

// The look of single widgets beyond the table, and the buttons' commands.
void MainWindow::add_touches(const form::LayoutItem& item, QWidget* widget) {
    const std::string& name = item.name;
    if (name == form_.deckUnitWeightEdit.name) {
        close_side_doors(*widget);
    } else if (name == form_.areaBox.name) {
        auto* areas = static_cast<QComboBox*>(widget);
        // Some area names run long; the open list is wide enough to show them whole.
        areas->view()->setMinimumWidth(470);
        // Typing in the box searches the areas of every prefecture.
        auto* search = new AreaSearchBox(*areas, session_.siteTables);
        connect(search, &AreaSearchBox::area_chosen, this, &MainWindow::on_area_found);
    } else if (name == form_.liveLoadSpin.name) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, kSilver);
        widget->setPalette(palette);
    } else if (name == form_.programNameLabel.name) {
        views_.push_back([widget] {
            QPalette brown = widget->palette();
            brown.setColor(QPalette::WindowText, kTitleBand);
            widget->setPalette(brown);
        });
    } else if (name == form_.usageNoticeLink.name) {
        QFont underlined = widget->font();
        underlined.setUnderline(true);
        widget->setFont(underlined);
        widget->setCursor(Qt::PointingHandCursor);
        views_.push_back([widget] {
            QPalette link = widget->palette();
            link.setColor(QPalette::WindowText, kLinkBlue);
            widget->setPalette(link);
        });
    } else if (item.kind == form::LayoutKind::button) {
        connect_command(item, static_cast<QPushButton*>(widget));
    }
}

void MainWindow::connect_command(const form::LayoutItem& item, QPushButton* button) {
    const std::pair<const form::Button*, void (MainWindow::*)()> commands[] = {
        {&form_.siteDataButton, &MainWindow::show_site_data},
        {&form_.seaMapButton, &MainWindow::show_sea_map},
        {&form_.overviewButton, &MainWindow::show_overview},
        {&form_.settingsButton, &MainWindow::show_settings},
        {&form_.loadButton, &MainWindow::load_project},
        {&form_.saveButton, &MainWindow::save_project},
        {&form_.calculateButton, &MainWindow::calculate}};
    for (const auto& [command, slot] : commands)
        if (command->name == item.name) connect(button, &QPushButton::clicked, this, slot);
    if (item.name == form_.exitButton.name)
        connect(button, &QPushButton::clicked, this, &QWidget::close);
    // Taking the sea ratio's reference is the form's behaviour, as a change is.
    if (item.name == form_.takeSeaRatioButton.name)
        connect(button, &QPushButton::clicked, this,
                [this, name = item.name] { change(name, QStringLiteral("1")); });
    if (item.name != form_.loadButton.name) return;
    // "データ読込" shares its place with the arrow that opens the recent designs.
    auto* recent = new QToolButton(button->parentWidget());
    recent->setObjectName(QStringLiteral("recentDesignsButton"));
    recent->setGeometry(button->geometry().right() + 1, button->y(), form::kRecentArrowWidth,
                        button->height());
    recent->setArrowType(Qt::DownArrow);
    recent->setPopupMode(QToolButton::InstantPopup);
    recent->setMenu(recentMenu_);
    recent->setToolTip(QString::fromUtf8(form::kRecentDesignsTitle));
    recent->setFocusPolicy(Qt::NoFocus);
}

QFrame* MainWindow::add_panel(const std::string& name, const QRect& geometry) {
    auto* panel = new QFrame(formArea_);
    panel->setObjectName(qt(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window,
                     name == form_.spanPanel.name ? QColor(Qt::white) : kFormBackground);
    panel->setPalette(palette);
    if (const form::Panel* shown = form::find_panel(form_, name))
        views_.push_back([panel, shown] { show_panel(*panel, *shown); });
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

// A title band is as wide as its words in its own font, plus its padding.
QLabel* MainWindow::add_title_band(QWidget* panel, const form::LayoutItem& item) {
    QLabel* band = add_text(panel, qt(item.text), to_qrect(item.rect), to_alignment(item.align));
    band->setFont(item_font(item));
    band->resize(band->sizeHint().width() + form::kTitleBandPadding, item.rect.height);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, kTitleBand);
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
    return band;
}

QLabel* MainWindow::add_status_bar(const QRect& geometry) {
    statusBar_ = new QLabel(formArea_);
    statusBar_->setObjectName(qt(form_.statusBar.name));
    statusBar_->setGeometry(geometry);
    statusBar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar_->setIndent(4);
    return statusBar_;
}

// Placed by show_live_verdict at the right end of `room`, as wide as its text.
QLabel* MainWindow::add_live_verdict(QWidget* bar, const form::LayoutRect& room) {
    liveVerdict_ = new QLabel(bar);
    liveVerdict_->setObjectName(qt(form::kLiveVerdictLabel));
    liveVerdict_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    liveVerdict_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    liveVerdict_->setContentsMargins(form::kLiveVerdictPadding, 0, form::kLiveVerdictPadding, 0);
    liveVerdictRoom_ = room;
    // Nothing to show before the first verdict.
    const int frame = statusBar_->frameWidth();
    liveVerdict_->setGeometry(room.left + room.width - frame, room.top + frame, 0,
                              room.height - 2 * frame);
    return liveVerdict_;
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
    connect(widget, &QLineEdit::textChanged, this,
            [this, &edit](const QString& text) { change(edit.name, text); });
    return widget;
}

FormSpinEdit* MainWindow::add_spin(QWidget* parent, form::SpinEdit& spin, const QRect& geometry) {
    auto* widget = new FormSpinEdit(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, spin.name, [widget, &spin] { show_spin(*widget, spin); },
        [&spin] { return spin.hint; });
    // The keys go to the spin edit's line; the filter reads them there.
    names_[widget->editor()] = spin.name;
    widget->editor()->installEventFilter(this);
    widget->editor()->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(widget, &QSpinBox::valueChanged, this,
            [this, &spin](int value) { change(spin.name, QString::number(value)); });
    return widget;
}

QComboBox* MainWindow::add_combo(QWidget* parent, form::ComboBox& combo, const QRect& geometry) {
    auto* widget = new QComboBox(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, combo.name, [widget, &combo] { show_combo(*widget, combo); },
        [&combo] { return combo.hint; });
    connect(widget, &QComboBox::currentIndexChanged, this,
            [this, &combo](int index) { change(combo.name, QString::number(index)); });
    return widget;
}

QCheckBox* MainWindow::add_check(QWidget* parent, form::CheckBox& check, const QRect& geometry) {
    auto* widget = new QCheckBox(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, check.name, [widget, &check] { show_check(*widget, check); },
        [&check] { return check.hint; });
    connect(widget, &QCheckBox::clicked, this, [this, &check](bool checked) {
        change(check.name, checked ? QStringLiteral("1") : QStringLiteral("0"));
    });
    return widget;
}

QRadioButton* MainWindow::add_radio(QWidget* parent, form::RadioButton& radio,
                                    const QRect& geometry) {
    auto* widget = new QRadioButton(parent);
    widget->setGeometry(geometry);
    add_control(
        widget, radio.name, [widget, &radio] { show_radio(*widget, radio); },
        [&radio] { return radio.hint; });
    connect(widget, &QRadioButton::clicked, this,
            [this, &radio] { change(radio.name, QStringLiteral("1")); });
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

QLabel* MainWindow::add_picture(QWidget* parent, const std::string& name, const QRect& geometry) {
    QLabel* picture = add_text(parent, {}, geometry, Qt::AlignCenter);
    picture->setObjectName(qt(name));
    views_.push_back(
        [this, picture, name] { show_picture(*picture, form::picture_file(form_, name)); });
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

// The sixteen drawings of the span row lie on one another; refresh shows the
// form's one.
QWidget* MainWindow::add_span_pictures(QWidget* parent, const QRect& geometry) {
    QLabel* first = nullptr;
    for (int i = 0; i < 16; ++i) {
        const SpanPictureName picture = span_picture_name(i);
        auto* image = new QLabel(parent);
        image->setObjectName(picture.name);
        image->setGeometry(geometry);
        image->setScaledContents(true);
        image->setPixmap(
            QPixmap::fromImage(draw_span_picture(picture.spanCount, picture.cantileverMode)));
        image->hide();
        spanPictures_.push_back(image);
        if (!first) first = image;
    }
    return first;
}

} // namespace korvex::app
