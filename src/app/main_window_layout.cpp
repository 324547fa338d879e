// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_layout.h"

#include <QAction>
#include <QByteArray>
#include <QDockWidget>
#include <QMainWindow>

#include "app/file_commands.h"
#include "config/window_layout.h"

namespace maprune {

namespace {

QByteArray Bytes(const std::string& data)
{
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

std::string Data(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

void RestoreMainWindowLayout(SettingsStore& store, QMainWindow& window, TFileCommands& files)
{
    const WindowLayout layout = LoadWindowLayout(store);
    files.SetLastFolders(QString::fromStdString(layout.OpenFolder),
        QString::fromStdString(layout.SaveFolder));
    // A first start opens maximised.
    if (layout.Geometry.empty() || !window.restoreGeometry(Bytes(layout.Geometry)))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    if (layout.State.empty())
        return;
    // Before the window is first shown a dock's view action does not follow
    // the dock, and so neither do the check items that follow the action.
    // Setting the action's check moves no dock: it is brought in line before
    // and after the restore.
    const auto followDocks = [&window] {
        for (QDockWidget* dock : window.findChildren<QDockWidget*>())
            dock->toggleViewAction()->setChecked(!dock->isHidden());
    };
    followDocks();
    window.restoreState(Bytes(layout.State));
    followDocks();
}

void StoreMainWindowLayout(SettingsStore& store, const QMainWindow& window, const TFileCommands& files)
{
    WindowLayout layout;
    layout.Geometry = Data(window.saveGeometry());
    layout.State = Data(window.saveState());
    layout.OpenFolder = files.LastOpenFolder().toStdString();
    layout.SaveFolder = files.LastSaveFolder().toStdString();
    try {
        SaveWindowLayout(store, layout);
    } catch (const std::exception&) {
        // The next run starts with the default layout.
    }
}

} // namespace maprune
