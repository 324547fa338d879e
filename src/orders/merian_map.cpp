// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/merian_map.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/report.h"

namespace maprune {

namespace {

// Far-apart regions would make a map that fills the memory.
constexpr int64_t kMaxSide = 20'000;
constexpr int64_t kMaxCells = 50'000'000;

char TerrainLetter(std::string_view terrain)
{
    static constexpr std::pair<std::string_view, char> kLetters[]
        = { { "Hochland", 'H' }, { "Gletscher", 'G' }, { "Berge", 'B' }, { "Wald", 'W' },
              { "Sumpf", 'S' }, { "Ozean", '.' }, { "Wueste", 'D' }, { "Ebene", 'E' } };
    for (const auto& [name, letter] : kLetters) {
        if (terrain == name)
            return letter;
    }
    return '?';
}

void AddHeader(TextLines& lines)
{
    for (const char* line : { "CR-Version: 42", "MERIAN Version 1.02", "Kartenart: Hex(Standard)",
             "", "LEGENDE", "Hochland = H", "Gletscher = G", "Berge = B", "Wald = W", "Sumpf = S",
             "Ozean = .", "Wüste = D", "Ebene = E", "" })
        lines.push_back(Utf8ToCp1252(line));
}

// The x labels of the grid row `row` whose text starts at column `column`.
struct Labels {
    int Parity = 0;
    std::vector<std::string> Texts; // each of the same width
};

std::string SignedText(int64_t value)
{
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

Labels RowLabels(int64_t column, int64_t row, int64_t width)
{
    Labels labels;
    labels.Parity = ((column + row) % 2 != 0) ? 1 : 0;
    const int64_t first = (column + labels.Parity + row) / 2;
    const int64_t count = width / 2 + labels.Parity;
    const size_t digits = std::max(SignedText(first).size(), SignedText(first + count).size());
    for (int64_t x = first; x < first + count; ++x) {
        std::string magnitude = std::to_string(x < 0 ? -x : x);
        if (magnitude.size() < digits - 1)
            magnitude.insert(0, digits - 1 - magnitude.size(), ' ');
        labels.Texts.push_back((x < 0 ? '-' : x == 0 ? ' ' : '+') + magnitude);
    }
    return labels;
}

// Line i of the labels holds the i-th character of each, blank-separated.
void AddLabelLines(TextLines& lines, const Labels& labels, int indent)
{
    const size_t height = labels.Texts.empty() ? 0 : labels.Texts.front().size();
    for (size_t i = 0; i < height; ++i) {
        std::string line(static_cast<size_t>(std::max(indent, 0)), ' ');
        for (size_t k = 0; k < labels.Texts.size(); ++k) {
            if (k > 0)
                line += ' ';
            line += labels.Texts[k][i];
        }
        lines.push_back(std::move(line));
    }
}

std::string SlashLine(int indent, size_t count)
{
    std::string line(static_cast<size_t>(std::max(indent, 0)), ' ');
    for (size_t k = 0; k < count; ++k)
        line += " /";
    return line;
}

std::string RowNumber(int64_t y)
{
    char text[24];
    std::snprintf(text, sizeof text, "%4lld", static_cast<long long>(y));
    return text;
}

} // namespace

TextLines MerianMap(const TReport& report, int32_t layer, bool allRegions)
{
    // A region (x, y) lies in column 2x + y of row -y.
    struct Cell {
        int64_t Column;
        int64_t Row;
        char Letter;
    };
    std::vector<Cell> cells;
    int64_t minColumn = INT64_MAX, maxColumn = INT64_MIN, minRow = INT64_MAX, maxRow = INT64_MIN;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || region->CZ != layer
            || (!allRegions && (region->Tag() & TagSelected) == 0))
            continue;
        const Cell cell { 2 * int64_t { region->CX } + region->CY, -int64_t { region->CY },
            TerrainLetter(region->Terrain) };
        minColumn = std::min(minColumn, cell.Column);
        maxColumn = std::max(maxColumn, cell.Column);
        minRow = std::min(minRow, cell.Row);
        maxRow = std::max(maxRow, cell.Row);
        cells.push_back(cell);
    }
    if (cells.empty())
        return {};
    const int64_t width = maxColumn - minColumn + 1;
    const int64_t height = maxRow - minRow + 1;
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxCells)
        throw Error("Die MERIAN-Karte wäre zu groß (" + std::to_string(width) + " × "
            + std::to_string(height) + " Zeichen).");
    std::vector<std::string> grid(
        static_cast<size_t>(height), std::string(static_cast<size_t>(width), ' '));
    for (const Cell& cell : cells)
        grid[static_cast<size_t>(cell.Row - minRow)][static_cast<size_t>(cell.Column - minColumn)]
            = cell.Letter;

    TextLines lines;
    AddHeader(lines);
    const Labels top = RowLabels(minColumn, minRow, width);
    const int p = top.Parity;
    AddLabelLines(lines, top, 8 - p);
    lines.push_back(SlashLine(6 - p, top.Texts.size()));
    for (int64_t i = 0; i < height; ++i) {
        const std::string y = RowNumber(-(minRow + i));
        lines.push_back(y + "  " + grid[static_cast<size_t>(i)] + " " + y);
    }
    const Labels bottom = RowLabels(minColumn, maxRow, width);
    lines.push_back(SlashLine(4 - p, bottom.Texts.size()));
    AddLabelLines(lines, bottom, 4 - p);
    return lines;
}

} // namespace maprune
