// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_layout.h"

#include <QAction>
#include <QByteArray>
#include <QDockWidget>
#include <QMainWindow>

#include "app/file_commands.h"
#include "app/log_window.h"
#include "config/window_layout.h"

namespace maprune {

namespace {

const char* const kLayoutDropped = "Die gespeicherte Fensteranordnung ließ sich nicht herstellen "
                                   "und wurde verworfen; das Programm beginnt mit der üblichen.";

QByteArray Bytes(const std::string& data)
{
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

std::string Data(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void RestoreDocks(
    SettingsStore& store, QMainWindow& window, const std::string& state, TLogWindow& log)
{
    // Before the window is first shown a dock's view action does not follow
    // the dock, and so neither do the check items that follow the action.
    // Setting the action's check moves no dock: it is brought in line before
    // and after the restore.
    const auto followDocks = [&window] {
        for (QDockWidget* dock : window.findChildren<QDockWidget*>())
            dock->toggleViewAction()->setChecked(!dock->isHidden());
    };
    followDocks();
    if (!window.restoreState(Bytes(state))) {
        // The window keeps the layout it was built with; the next close
        // stores that one.
        ForgetWindowState(store);
        log.AddLines({ QString::fromUtf8(kLayoutDropped) });
    }
    followDocks();
}

} // namespace

void RestoreMainWindowLayout(
    SettingsStore& store, QMainWindow& window, TFileCommands& files, TLogWindow& log)
{
    const WindowLayout layout = LoadWindowLayout(store);
    files.SetLastFolders(QString::fromStdString(layout.OpenFolder),
        QString::fromStdString(layout.SaveFolder));
    // The docks first, while the window has the size it was built with and
    // is not maximised: Qt keeps a state that does not fit a hidden,
    // maximised window for its first showing and crashes there applying it
    // (a layout stored larger than 1024 x 768). Fitted into the window when
    // it is first laid out, the state needs no such keeping.
    if (!layout.State.empty())
        RestoreDocks(store, window, layout.State, log);
    // A first start opens maximised.
    if (layout.Geometry.empty() || !window.restoreGeometry(Bytes(layout.Geometry)))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
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
