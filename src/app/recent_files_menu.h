// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include <QObject>

#include "app/recent_files_list.h"

class QAction;
class QMenu;

namespace maprune {

class SettingsStore;

// The recently used files at the end of "&Programm": read from the settings
// store when made, written back by Store, one numbered entry per file that
// opens it.
class TRecentFilesMenu : public QObject {
    Q_OBJECT
public:
    using Opener = std::function<void(const QString& path)>;

    TRecentFilesMenu(QMenu& program, SettingsStore& store, QObject* parent = nullptr);

    // Called with the file of a chosen entry.
    void OnChosen(Opener open) { FOpen = std::move(open); }

    const TRecentFilesList& List() const { return FList; }
    // `path` becomes the open file (see TRecentFilesList::PushPrevious).
    void PushPrevious(const QString& path);
    // Builds the entries anew from the list.
    void Rebuild();
    // Writes the list into the store; a store that cannot be written loses
    // the list, which must not keep the program open.
    void Store() const;

private:
    QMenu& FProgram;
    SettingsStore& FStore;
    TRecentFilesList FList;
    Opener FOpen;
    std::vector<QAction*> FEntries;
    QAction* FSeparator = nullptr;
};

} // namespace maprune
