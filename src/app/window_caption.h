// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace maprune {

class TReport;

// The main window's caption before anything was loaded.
inline constexpr const char* kNoReportCaption = "Maprune - (kein Report geladen)";

// The main window's caption for `report` (null: none) read from or saved to
// `fileName` (empty: none): "Maprune - <own party> im <month> des Jahres
// <year> (<file>)". The game's name ("Kelvaran" when the report names none)
// stands for a party without a name; the date is left out below turn 1;
// without a record of the own party the caption is "Maprune" alone.
QString MainWindowCaption(const TReport* report, const QString& fileName);

} // namespace maprune
