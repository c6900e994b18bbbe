#pragma once

// The designs opened or saved last, newest first, kept in the user's settings
// from one run to the next, and the menu that offers them. A file that has gone
// since is shown greyed and can be taken off the list.

#include <functional>

#include <QString>
#include <QStringList>

#include "form/menu_layout.h"

class QMenu;
class QSettings;

namespace korvex::app {

using form::kRecentDesignCount;
inline const QString kRecentDesignsKey = QStringLiteral("recentDesigns");

class RecentDesigns {
public:
    // Usually the application's settings (organisation and application name of
    // start-up); the settings must outlive the list.
    explicit RecentDesigns(QSettings& settings);

    QStringList files() const;
    // To the front; a file already listed moves there, the oldest beyond eight go.
    void add(const QString& file);
    void remove(const QString& file);
    // Every file that no longer exists; returns how many went.
    int remove_missing();

private:
    void store(const QStringList& files);
    QSettings* settings_ = nullptr;
};

// Fills `menu` with the list: one entry per file (greyed when it is missing),
// then the entry that takes missing files off. `open` runs for a chosen file.
void fill_recent_menu(QMenu& menu, RecentDesigns& recent,
                      const std::function<void(const QString&)>& open);

} // namespace korvex::app
