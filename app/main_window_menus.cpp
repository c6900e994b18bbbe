// The main window's menu bar, the keys of its commands, the order of the Tab key
// and the project files dropped onto it. Every menu entry and key runs the same
// slot as the button of the command.

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "app/form_view.h"
#include "app/main_window.h"
#include "form/menu_layout.h"
#include "persist/project_file.h"

namespace korvex::app {

namespace {

// The first local project file of a drag, or an empty text.
QString dragged_project(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        const QString file = url.toLocalFile();
        if (url.isLocalFile() &&
            file.endsWith(QString::fromLatin1(persist::kProjectExtension), Qt::CaseInsensitive))
            return file;
    }
    return {};
}

} // namespace

void MainWindow::build_menu_bar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setGeometry(0, 0, kMainWindowWidth, kMenuBarHeight);
    menuBar_->setFont(form_font());

    const std::pair<const char*, void (MainWindow::*)()> commands[] = {
        {"loadAction", &MainWindow::load_project},
        {"saveCurrentAction", &MainWindow::save_current},
        {"saveAsAction", &MainWindow::save_project},
        {"calculateAction", &MainWindow::calculate},
        {"spanTableAction", &MainWindow::show_span_table},
        {"settingsAction", &MainWindow::show_settings}};

    for (const form::Menu& layout : form::main_menu_layout()) {
        QMenu* menu = menuBar_->addMenu(QString::fromStdString(layout.text));
        menu->setObjectName(QString::fromStdString(layout.name));
        for (const form::MenuEntry& entry : layout.entries) {
            const QString text = QString::fromStdString(entry.text);
            switch (entry.kind) {
            case form::MenuEntryKind::separator:
                menu->addSeparator();
                continue;
            case form::MenuEntryKind::recentDesigns:
                recentMenu_ = menu->addMenu(text);
                recentMenu_->setObjectName(QString::fromStdString(entry.name));
                continue;
            case form::MenuEntryKind::command:
                break;
            }
            QAction* action = menu->addAction(text);
            action->setObjectName(QString::fromStdString(entry.name));
            action->setShortcut(
                QKeySequence(QString::fromStdString(entry.keys), QKeySequence::PortableText));
            if (entry.name == "exitAction")
                connect(action, &QAction::triggered, this, &QWidget::close);
            for (const auto& [name, slot] : commands)
                if (entry.name == name) connect(action, &QAction::triggered, this, slot);
        }
    }
}

// Panel by panel from the top left; within a panel by the rows of its own
// children, a group box counting as one; within a group box column by column,
// as its radio buttons stand beside the fields they govern.
void MainWindow::apply_tab_order() {
    struct Place {
        QWidget* widget;
        std::tuple<int, int, int, int, int, int> key;
    };
    std::vector<Place> places;
    for (const auto& [name, widget] : widgets_) {
        if ((widget->focusPolicy() & Qt::TabFocus) == 0) continue;
        QWidget* panel = widget;
        while (panel && panel->parentWidget() != formArea_) panel = panel->parentWidget();
        if (!panel) continue;
        QWidget* unit = widget;
        while (unit->parentWidget() != panel) unit = unit->parentWidget();
        const QPoint inside = widget->mapTo(unit, QPoint(0, 0));
        places.push_back(
            {widget, {panel->y(), panel->x(), unit->y(), unit->x(), inside.x(), inside.y()}});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.key < b.key; });
    for (std::size_t i = 1; i < places.size(); ++i)
        setTabOrder(places[i - 1].widget, places[i].widget);
}

bool MainWindow::takes_dropped_file(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (dragged_project(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = dragged_project(drop->mimeData());
        if (file.isEmpty()) return false;
        drop->acceptProposedAction();
        // The question about unsaved edits must not run inside the drop itself,
        // while the program the file came from still waits for its answer.
        QMetaObject::invokeMethod(
            this, [this, file] { emit file_dropped(file); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!takes_dropped_file(event)) event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!takes_dropped_file(event)) event->ignore();
}

} // namespace korvex::app
