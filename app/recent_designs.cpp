#include "app/recent_designs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace korvex::app {

RecentDesigns::RecentDesigns(QSettings& settings) : settings_(&settings) {}

QStringList RecentDesigns::files() const {
    QStringList files = settings_->value(kRecentDesignsKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentDesignCount);
}

void RecentDesigns::add(const QString& file) {
    if (file.isEmpty()) return;
    const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kRecentDesignCount));
}

void RecentDesigns::remove(const QString& file) {
    QStringList list = files();
    list.removeAll(file);
    store(list);
}

int RecentDesigns::remove_missing() {
    QStringList kept;
    const QStringList list = files();
    for (const QString& file : list)
        if (QFileInfo::exists(file)) kept << file;
    store(kept);
    return static_cast<int>(list.size() - kept.size());
}

void RecentDesigns::store(const QStringList& files) {
    settings_->setValue(kRecentDesignsKey, files);
    settings_->sync();
}

void fill_recent_menu(QMenu& menu, RecentDesigns& recent,
                      const std::function<void(const QString&)>& open) {
    menu.clear();
    const QStringList files = recent.files();
    bool missing = false;
    int number = 1;
    for (const QString& file : files) {
        const QFileInfo info(file);
        const bool exists = info.exists();
        missing = missing || !exists;
        QAction* entry = menu.addAction(
            QStringLiteral("&%1  %2").arg(number++).arg(QDir::toNativeSeparators(file)));
        entry->setData(file);
        // A missing file stays on the list, greyed, until the user takes it off.
        entry->setEnabled(exists);
        if (!exists) entry->setToolTip(QStringLiteral("ファイルが見つかりません"));
        QObject::connect(entry, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    if (files.isEmpty()) menu.addAction(QStringLiteral("（なし）"))->setEnabled(false);
    menu.addSeparator();
    QAction* clean = menu.addAction(QStringLiteral("見つからないファイルを一覧から削除"));
    clean->setObjectName(QStringLiteral("removeMissingAction"));
    clean->setEnabled(missing);
    QObject::connect(clean, &QAction::triggered, &menu, [&recent] { recent.remove_missing(); });
}

} // namespace korvex::app
