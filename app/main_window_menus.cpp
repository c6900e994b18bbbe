// The main window's menu bar, the keys of its commands, the order of the Tab key
// and the project files dropped onto it. Every menu entry and key runs the same
// slot as the button of the command.

#include <algorithm>
#include <tuple>
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

    struct Command {
        const char* name;
        QString text;
        QKeySequence keys;
        void (MainWindow::*slot)();
    };
    auto add = [this](QMenu* menu, const Command& command) {
        QAction* action = menu->addAction(command.text);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.keys);
        connect(action, &QAction::triggered, this, command.slot);
        return action;
    };

    QMenu* file = menuBar_->addMenu(QStringLiteral("ファイル(&F)"));
    add(file, {"loadAction", QStringLiteral("データ読込(&O)..."),
               QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::load_project});
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったデータ(&R)"));
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    add(file, {"saveCurrentAction", QStringLiteral("上書き保存(&S)"),
               QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::save_current});
    add(file, {"saveAsAction", QStringLiteral("名前を付けて保存(&A)..."),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::save_project});
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("終了(&X)"));
    quit->setObjectName(QStringLiteral("exitAction"));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* calculation = menuBar_->addMenu(QStringLiteral("計算(&C)"));
    add(calculation, {"calculateAction", QStringLiteral("計算(&C)"), QKeySequence(Qt::Key_F9),
                      &MainWindow::calculate});
    add(calculation, {"spanTableAction", QStringLiteral("許容スパン表(&T)..."), QKeySequence(),
                      &MainWindow::show_span_table});
    calculation->addSeparator();
    add(calculation, {"settingsAction", QStringLiteral("設定(&E)..."), QKeySequence(),
                      &MainWindow::show_settings});
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
