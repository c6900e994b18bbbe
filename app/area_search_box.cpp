#include "app/area_search_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <QTimer>

namespace korvex::app {

AreaSearchBox::AreaSearchBox(QComboBox& box, const site::SiteTables& tables)
    : QObject(&box), box_(box), tables_(tables) {
    box_.setEditable(true);
    box_.setInsertPolicy(QComboBox::NoInsert);
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    // The list is the search's own: every match is shown as it is.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    box_.setCompleter(completer_);
    QLineEdit* line = box_.lineEdit();
    connect(line, &QLineEdit::textEdited, this, [this](const QString& text) {
        offer(text);
        if (!matches_.empty()) completer_->complete();
    });
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.row()); });
    // Entering the box selects its text, so typing starts a new search.
    line->installEventFilter(this);
    // Leaving the box with a text that chose nothing shows the selected area again.
    connect(line, &QLineEdit::editingFinished, this, [this] {
        if (box_.currentIndex() >= 0) box_.setEditText(box_.itemText(box_.currentIndex()));
    });
}

bool AreaSearchBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == box_.lineEdit())
        QTimer::singleShot(0, box_.lineEdit(), &QLineEdit::selectAll);
    return QObject::eventFilter(watched, event);
}

QStringList AreaSearchBox::offer(const QString& text) {
    matches_ = site::find_areas(tables_, text.toStdString(), site::kAreaSearchLimit);
    QStringList shown;
    for (const site::AreaMatch& match : matches_)
        shown << QString::fromStdString(match.areaName + "（" + match.prefectureName + "）");
    model_->setStringList(shown);
    return shown;
}

void AreaSearchBox::choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= matches_.size()) return;
    const site::AreaMatch match = matches_[static_cast<std::size_t>(row)];
    emit area_chosen(match.prefectureIndex, match.areaName);
    // The completer has put the offered text (with the prefecture) in the line;
    // the box shows the area's own name, as its list does.
    if (box_.currentIndex() >= 0) box_.setEditText(box_.itemText(box_.currentIndex()));
}

} // namespace korvex::app
