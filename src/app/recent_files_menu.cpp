// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include "config/recent_files.h"

namespace maprune {

TRecentFilesMenu::TRecentFilesMenu(QMenu& program, SettingsStore& store, QObject* parent)
    : QObject(parent)
    , FProgram(program)
    , FStore(store)
{
    try {
        QStringList files;
        for (const std::string& file : LoadRecentFiles(FStore))
            files += QString::fromStdString(file);
        FList.SetFiles(files);
    } catch (const std::exception&) {
        // A key that cannot be read leaves the list empty, as on a first start.
    }
}

void TRecentFilesMenu::PushPrevious(const QString& path)
{
    FList.PushPrevious(path);
    Rebuild();
}

void TRecentFilesMenu::Rebuild()
{
    for (QAction* entry : FEntries) {
        FProgram.removeAction(entry);
        // The entry may be the one whose command is running.
        entry->deleteLater();
    }
    FEntries.clear();
    const QStringList& files = FList.Files();
    if (files.isEmpty())
        return;
    if (FSeparator == nullptr)
        FSeparator = FProgram.addSeparator();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // An ampersand in a file name is no mnemonic.
        QAction* entry = FProgram.addAction(
            QStringLiteral("&%1 ").arg(i + 1) + QString(path).replace('&', QStringLiteral("&&")));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (FOpen)
                FOpen(path);
        });
        FEntries.push_back(entry);
    }
}

void TRecentFilesMenu::Store() const
{
    std::vector<std::string> files;
    for (const QString& file : FList.Files())
        files.push_back(file.toStdString());
    try {
        SaveRecentFiles(FStore, files);
    } catch (const std::exception&) {
        // Losing the list of recent files must not keep the program open.
    }
}

} // namespace maprune
