// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recent_files_list.h"

#include <QDir>
#include <QFileInfo>

namespace maprune {

TRecentFilesList::TRecentFilesList(Expander expand)
    : expand_(std::move(expand))
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
    for (int i = 0; i < files_.size(); ++i) {
        if (files_[i].compare(expanded, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TRecentFilesList::AddToRecent(const QString& path)
{
    const QString expanded = expand_(path);
    const int index = IndexOf(expanded);
    if (index == 0)
        return;
    if (index > 0) {
        files_.move(index, 0);
        return;
    }
    files_.prepend(expanded);
    while (files_.size() > kMaxEntries)
        files_.removeLast();
}

void TRecentFilesList::PushPrevious(const QString& path)
{
    const QString expanded = path.isEmpty() ? QString() : expand_(path);
    if (!expanded.isEmpty()) {
        const int index = IndexOf(expanded);
        if (index >= 0)
            files_.removeAt(index);
    }
    if (!previous_.isEmpty()
        && (expanded.isEmpty() || expand_(previous_).compare(expanded, Qt::CaseInsensitive) != 0))
        AddToRecent(previous_);
    previous_ = path;
}

} // namespace maprune
