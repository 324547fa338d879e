// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/reference/item_table.h"

#include <cstdio>

#include "core/text_encoding.h"
#include "model/game_data.h"

namespace maprune {

namespace {

bool IsItem(const GameRecord& record)
{
    return record.Kind() < 16 && (kinds::Items & (1u << record.Kind())) != 0;
}

std::string Number(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

} // namespace

const std::vector<std::string>& ItemClassNames()
{
    static const std::vector<std::string> names { "Waffe", "Rüstung", "Schild", "Material",
        "Luxusgut", "Tier", "Fahrzeug", "Geld", "Sonstiges" };
    return names;
}

std::string ItemClassName(int number)
{
    const std::vector<std::string>& names = ItemClassNames();
    if (number >= 0 && static_cast<size_t>(number) < names.size())
        return names[static_cast<size_t>(number)];
    return "Klasse " + std::to_string(number);
}

std::vector<ItemRow> ItemRows(GameData& data, int itemClass)
{
    std::vector<ItemRow> rows;
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& record = data.Record(i);
        if (!IsItem(record) || (itemClass != -1 && record.ItemClass() != itemClass))
            continue;
        rows.push_back(
            { i, record.ItemClass(), DisplayText(record.Singular), Number(record.PieceWeight()),
                record.Capacity() > 0 ? std::to_string(record.Capacity()) : std::string("-"),
                ItemClassName(record.ItemClass()), DisplayText(record.Description) });
    }
    return rows;
}

} // namespace maprune
