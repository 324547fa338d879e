// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/progress.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "support/scripted_dialogs.h"

namespace maprune::test {

// The outcome of reading a report text: the report (null after a failure),
// the messages shown and the warnings collected.
struct ReadOutcome {
    std::unique_ptr<TReport> Report;
    bool Aborted = false;
    ScriptedDialogs Dialogs;
    std::vector<CRWarning> Warnings;
    std::vector<std::string> Messages() const;
    std::vector<std::string> WarningTexts() const;
};

// Reads `text` (lines separated by '\n') as a report.
std::unique_ptr<ReadOutcome> ReadText(std::string_view text);

// Installs a small game reference table for the duration of a test:
// terrains Ebene (1), Berge (6, iron and laen), Ozean (0, water) and Nebel
// (8, the fallback); talents Bergbau (3) and Holzfällen (8); items Schwert
// and Bogen (weapons), Katapult (kind 9 weapon), Kettenhemd (armour), Silber
// (money); race Mensch; ship type Boot (size 5, room 50 GE).
class CRTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The first region of a report read from `text` (which must succeed).
TRegion& FirstRegion(ReadOutcome& outcome);

} // namespace maprune::test
