// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_drops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace maprune {

namespace {

class FileDropFilter : public QObject {
public:
    FileDropFilter(QWidget& target, std::function<void(const QStringList&)> dropped)
        : QObject(&target)
        , FDropped(std::move(dropped))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (DroppedPaths(*drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList paths = DroppedPaths(*drop->mimeData());
            if (paths.isEmpty())
                return false;
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, paths] { FDropped(paths); });
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<void(const QStringList&)> FDropped;
};

} // namespace

QStringList DroppedPaths(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            paths += url.toLocalFile();
    }
    return paths;
}

void AcceptFileDrops(QWidget& target, std::function<void(const QStringList&)> dropped)
{
    target.setAcceptDrops(true);
    target.installEventFilter(new FileDropFilter(target, std::move(dropped)));
}

} // namespace maprune
