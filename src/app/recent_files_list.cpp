// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_files_list.h"

#include <QDir>
#include <QFileInfo>

namespace maprune {

TRecentFilesList::TRecentFilesList(Expander expand)
    : FExpand(std::move(expand))
{
}

QString TRecentFilesList::ExpandPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return QDir::toNativeSeparators(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

int TRecentFilesList::IndexOf(const QString& expanded) const
{
    for (int i = 0; i < FFiles.size(); ++i) {
        if (FFiles[i].compare(expanded, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TRecentFilesList::AddToRecent(const QString& path)
{
    const QString expanded = FExpand(path);
    const int index = IndexOf(expanded);
    if (index == 0)
        return;
    if (index > 0) {
        FFiles.move(index, 0);
        return;
    }
    FFiles.prepend(expanded);
    while (FFiles.size() > kMaxEntries)
        FFiles.removeLast();
}

void TRecentFilesList::PushPrevious(const QString& path)
{
    const QString expanded = path.isEmpty() ? QString() : FExpand(path);
    if (!expanded.isEmpty()) {
        const int index = IndexOf(expanded);
        if (index >= 0)
            FFiles.removeAt(index);
    }
    if (!FPrevious.isEmpty()
        && (expanded.isEmpty() || FExpand(FPrevious).compare(expanded, Qt::CaseInsensitive) != 0))
        AddToRecent(FPrevious);
    FPrevious = path;
}

} // namespace maprune
