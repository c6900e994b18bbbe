#include "app/recent_designs.h"

#include <string>
#include <vector>

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
    return files.mid(0, form::kRecentDesignCount);
}

void RecentDesigns::add(const QString& file) {
    if (file.isEmpty()) return;
    const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    std::vector<std::string> designs;
    for (const QString& listed : files()) designs.push_back(listed.toStdString());
    QStringList list;
    for (const std::string& design : form::recent_designs_after_use(designs, path.toStdString()))
        list << QString::fromStdString(design);
    store(list);
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
        QAction* entry = menu.addAction(QString::fromStdString(form::recent_design_entry_text(
            number++, QDir::toNativeSeparators(file).toStdString())));
        entry->setData(file);
        // A missing file stays on the list, greyed, until the user takes it off.
        entry->setEnabled(exists);
        if (!exists) entry->setToolTip(QString::fromUtf8(form::kMissingDesignHint));
        QObject::connect(entry, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    if (files.isEmpty())
        menu.addAction(QString::fromUtf8(form::kNoRecentDesigns))->setEnabled(false);
    menu.addSeparator();
    QAction* clean = menu.addAction(QString::fromUtf8(form::kRemoveMissingDesigns));
    clean->setObjectName(QStringLiteral("removeMissingAction"));
    clean->setEnabled(missing);
    QObject::connect(clean, &QAction::triggered, &menu, [&recent] { recent.remove_missing(); });
}

} // namespace korvex::app
