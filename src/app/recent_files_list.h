// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace maprune {

// The main window's recently used files (LastRecentlyUsed): at most
// kMaxEntries full paths, most recent first, compared without regard to
// case. The file that is open now is kept apart as PreviousFile and enters
// the list only when another file is opened (or the program ends), so the
// list never names the open file.
class TRecentFilesList {
public:
    static constexpr int kMaxEntries = 8;

    // Turns a path into the form the list keeps.
    using Expander = std::function<QString(const QString& path)>;

    explicit TRecentFilesList(Expander expand = ExpandPath);

    // The full path of an existing file as the file system spells it, else
    // the absolute path; with the platform's separators.
    static QString ExpandPath(const QString& path);

    const QStringList& Files() const { return FFiles; }
    // Takes the files as they were stored, in their order.
    void SetFiles(const QStringList& files) { FFiles = files; }

    const QString& PreviousFile() const { return FPrevious; }

    // Puts the expanded `path` at the top: nothing changes when it is there
    // already; further down it moves up; otherwise it is inserted and the
    // oldest entries beyond kMaxEntries are dropped.
    void AddToRecent(const QString& path);

    // `path` becomes the open file: it leaves the list, and the file open
    // before it (unless it is the same) goes to the top. An empty `path`
    // (no file open any more) only moves the previous file to the top.
    void PushPrevious(const QString& path);

private:
    int IndexOf(const QString& expanded) const;

    Expander FExpand;
    QStringList FFiles;
    QString FPrevious;
};

} // namespace maprune
