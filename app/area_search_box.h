#pragma once

// The area box as a search field: typing part of a municipality's name or its
// reading offers the matching areas of every prefecture, each with its
// prefecture beside it. Choosing one is announced; the window runs the form's
// behaviour for it. The matching itself is the site tables' (site/area_search.h).

#include <cstddef>
#include <string>
#include <vector>

#include <QObject>

#include "site/area_search.h"

class QComboBox;
class QCompleter;
class QStringListModel;

namespace korvex::app {

class AreaSearchBox : public QObject {
    Q_OBJECT
public:
    // Makes `box` editable and gives it the search; `tables` outlive it.
    AreaSearchBox(QComboBox& box, const site::SiteTables& tables);

    // What the box offers for `text` now, as the popup lists it.
    QStringList offer(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void area_chosen(std::size_t prefecture_index, const std::string& area_name);

private:
    void choose(int row);

    QComboBox& box_;
    const site::SiteTables& tables_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::vector<site::AreaMatch> matches_;
};

} // namespace korvex::app
