// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/analysis_windows.h"

#include <QAction>

#include "model/region.h"
#include "model/unit.h"
#include "tools/ui/alliance_window.h"
#include "tools/ui/search_window.h"
#include "tools/ui/stats_window.h"

namespace maprune {

namespace {

// Shows a window that stays open beside the map, or brings it to the front.
void Present(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

TAnalysisWindows::TAnalysisWindows(
    AnalysisWindowsParts parts, const AnalysisEntries& entries, QWidget* parent)
    : QObject(parent)
    , FStats(new TStatsWindow(parts.Document, parent))
    , FSearch(new TSearchWindow(parts.Settings, parts.Document, parts.Messages, parent))
    , FAlliances(new TAllianceWindow(parts.Alliances, parts.Document, parts.Messages, parent))
{
    connect(entries.Statistics, &QAction::triggered, FStats, [this] { Present(*FStats); });
    connect(entries.Search, &QAction::triggered, FSearch, [this] { Present(*FSearch); });
    connect(entries.Alliances, &QAction::triggered, FAlliances, &QDialog::exec);
    connect(FSearch, &TSearchWindow::unitOpened, this, &TAnalysisWindows::unitOpened);
}

} // namespace maprune
