// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/report_item.h"

namespace maprune {

// A block of text lines (messages, comments, orders ...).
class TLines : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    // All lines, each followed by CR LF.
    std::string Text() const;
    // Replaces the lines by those of `text`, split at CR LF, LF or CR.
    void SetText(const std::string& text);

    int Count() const { return static_cast<int>(FLines.size()); }
    const std::string& Line(int index) const { return FLines.at(static_cast<size_t>(index)); }
    void SetLine(int index, std::string value)
    {
        FLines.at(static_cast<size_t>(index)) = std::move(value);
    }
    void Add(std::string line) { FLines.push_back(std::move(line)); }
    // Removes line `index`; an index outside the lines changes nothing.
    void Delete(int index)
    {
        if (index >= 0 && index < Count())
            FLines.erase(FLines.begin() + index);
    }
    void Clear() { FLines.clear(); }
    const std::vector<std::string>& Lines() const { return FLines; }

    // Reads the keyless value lines that follow the block head; a line with a
    // key is dropped with a warning.
    void ReadCR(TCRInterface& cr);

private:
    std::vector<std::string> FLines;
};

// Splits `text` into lines at CR LF, LF or CR. A final line break does not
// start another line.
std::vector<std::string> SplitLines(const std::string& text);
// The number of lines SplitLines makes of `text`, without making them.
size_t CountLines(std::string_view text);

} // namespace maprune
