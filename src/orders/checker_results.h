// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "orders/text_lines.h"

namespace maprune {

class TRegion;
class TReport;
class TUnit;

// Where a line of the order file belongs: the unit of the last EINHEIT line
// at or above it, else the region of the last REGION line, else nowhere.
struct CheckerLink {
    TRegion* Region = nullptr;
    TUnit* Unit = nullptr;
    // The line's place among the unit's orders (0 the line after EINHEIT);
    // -1 for the EINHEIT line itself and lines of no unit.
    int OrderLine = -1;
};

enum class CheckerLevel { None, Warning, Error };

// One line of the checker's messages window.
struct CheckerEntry {
    std::string Text; // as the checker wrote it (the report's bytes)
    CheckerLink Link;
    CheckerLevel Level = CheckerLevel::None; // what it counted as
};

// What one run of the order checker found, as the window lists it.
struct CheckerResults {
    std::vector<CheckerEntry> Entries;
    int Warnings = 0;
    int Errors = 0;

    // The window comes up by itself only when something was found.
    bool ShowWindow() const { return Warnings + Errors > 0; }
};

// The link of every line of `orderFile` in `report` (whose region index it
// builds): an EINHEIT line links to the first unit of that number (regions
// and units in list order), a REGION line to the region at its x,y[,z]
// (z 0 when missing), a comment after ";" ignored; other lines keep the link
// of the line before.
std::vector<CheckerLink> OrderFileLinks(TReport& report, const TextLines& orderFile);

// The messages window's list: first the lines of VORLAGE's messages file
// without link, then the checker's output. A checker line
// "file(12): Warnung ..." or "file(12): Fehler ..." counts a warning or an
// error and shows the text after "): " with the link of order-file line 12
// (the number after the last "(" before the first "): "; none when it cannot
// be read or lies outside the file); other numbered lines are dropped. The
// compact form "file(12)|level|text" counts an error at level 0 and a
// warning above. A line of neither form is shown unchanged and uncounted.
CheckerResults ShowResults(TReport& report, const TextLines& orderFile,
    const TextLines& checkerOutput, const TextLines& messages);

// "region x,y,z", "unit abc" or empty: the link as the command-line tool
// prints it.
std::string CheckerLinkText(const TReport& report, const CheckerLink& link);

} // namespace maprune
