// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "map/alliance_list.h"

class QAction;
class QWidget;

namespace maprune {

class Dialogs;
class TAllianceWindow;
class TRegion;
class TReportDocument;
class TSearchWindow;
class TSettings;
class TStatsWindow;
class TUnit;

// What the analysis windows work with; everything must outlive them.
struct AnalysisWindowsParts {
    TSettings& Settings;
    TReportDocument& Document;
    Dialogs& Messages;
    AllianceList& Alliances; // the program's, edited in place
};

// The entries of "E&xtras" that open them.
struct AnalysisEntries {
    QAction* Statistics = nullptr; // "&Statistik..."
    QAction* Search = nullptr; // "&Suchen..."
    QAction* Alliances = nullptr; // "&Bündnisse bearbeiten..."
};

// The statistics, search and alliance windows of the main window, opened
// from their entries. What they ask of the map and the unit window comes
// out as signals, which the main window connects.
class TAnalysisWindows : public QObject {
    Q_OBJECT
public:
    TAnalysisWindows(AnalysisWindowsParts parts, const AnalysisEntries& entries, QWidget* parent);

    TStatsWindow& Stats() const { return *FStats; }
    TSearchWindow& Search() const { return *FSearch; }
    TAllianceWindow& Alliances() const { return *FAlliances; }

signals:
    void unitOpened(maprune::TUnit* unit);

private:
    TStatsWindow* FStats = nullptr;
    TSearchWindow* FSearch = nullptr;
    TAllianceWindow* FAlliances = nullptr;
};

} // namespace maprune
