// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

class Dialogs;
class TReport;

enum class OrderFileResult {
    Complete,     // read up to the NAECHSTER line
    Unterminated, // the lines ran out first; the warning was shown
    Declined,     // the user declined to go on at a question
};

// Reads the lines of an order file ("PARTEI", "REGION", "EINHEIT" sections,
// "NAECHSTER") into `report`: every unit the file names gets the order lines
// of its section as its Commands; other units keep theirs. Lines are trimmed;
// empty lines and lines beginning with ";" are skipped; lines inside a
// temporary unit block ("MACHE TEMP " up to "ENDE") are stored indented by
// two blanks.
//
// The party number of the PARTEI line is read in the report's number base,
// as the order export writes it. Questions go to `dialogs` as warnings with
// Yes and No: another party's file, a wrong password, a unit number that no
// unit has. Declining one stops reading; the sections read before it are
// applied. A missing NAECHSTER line is shown as a warning with OK; what was
// read is applied.
//
// Throws Error, changing nothing, when the first line that is not a comment
// is not a PARTEI line with a party number ("Fehler beim Lesen der
// Befehlsdatei Zeile %d: ..."). An exception from `dialogs` propagates and
// changes nothing either: the sections are applied only when reading ends.
// Accepts any bytes.
OrderFileResult ReadOrderFile(TReport& report, const std::vector<std::string>& lines,
                              Dialogs& dialogs);

} // namespace maprune
