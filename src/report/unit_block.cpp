// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/block_reading.h"
#include "report/today_blocks.h"

namespace maprune {

namespace {

// Weapons are the items of kind 0 or 9 and item class 0. A name that the
// game data knows only as another kind is no weapon.
bool IsWeapon(GameData& game, const std::string& item)
{
    try {
        const GameRecord& type = game.GetItem(item, kinds::Items);
        return (type.Kind() == KindItem || type.Kind() == 9) && type.ItemClass() == 0;
    } catch (const Error&) {
        return false;
    }
}

constexpr std::string_view kSilverItem = "Silber";

// Today's reports give a unit's silver only as an item. Without the unit's
// own silver key the items' silver is the unit's, and the items leave it to
// the rule that appends the silver item after them, so that every unit
// holds its silver once, as a value and as the last item.
void TakeSilverFromItems(TUnit& unit, bool silverKeyRead)
{
    // Read, not edited, until there is silver to take: a unit without items
    // makes no item list.
    const std::vector<TItem>& shown = unit.Items.Read().Entries;
    if (silverKeyRead || std::none_of(shown.begin(), shown.end(), [](const TItem& item) {
            return item.Item == kSilverItem;
        }))
        return;
    std::vector<TItem>& items = unit.Items->Entries;
    int64_t silver = 0;
    for (const TItem& item : items)
        silver += item.Item == kSilverItem ? item.Count : 0;
    std::erase_if(items, [](const TItem& item) { return item.Item == kSilverItem; });
    unit.Silver->SetHistory({});
    unit.Silver->AddValue(unit.Turn,
        static_cast<int32_t>(std::clamp<int64_t>(silver, 0, std::numeric_limits<int32_t>::max())));
}

int32_t CountWeapons(const TItems& items)
{
    if (items.Entries.empty())
        return 0;
    GameData& game = GameDataInstance();
    int64_t weapons = 0;
    for (const TItem& item : items.Entries) {
        if (IsWeapon(game, item.Item))
            weapons += item.Count;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(
        weapons, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

void TUnit::ReadCR(TCRInterface& cr)
{
    Nr = CRInt(cr, cr.CurrentLine().Params);

    const bool today = ReadsTodayFormat(Owner());
    ReadPropertyValues(cr, *this, "unknown value for unit: ", [today](const CRToken& token) {
        return today && IsUnusedTodayKey("EINHEIT", token.Key);
    });

    if (Count->HistoryCount() == 0)
        Count->AddValue(Turn, 1);
    const bool silverKeyRead = Silver->HistoryCount() > 0;
    if (!silverKeyRead)
        Silver->AddValue(Turn, 0);

    ReadPropertyBlocks(cr, *this);
    TakeSilverFromItems(*this, silverKeyRead);

    if (Default_.empty() && Commands.Read().Count() > 0)
        Default_ = Commands.Read().Line(0);
    if (Building == 0)
        Building = -1;
    if (Ship == 0)
        Ship = -1;
    if (Silver->CurrentValue() > 0) {
        // One more, not twice the room.
        Items->Entries.reserve(Items->Entries.size() + 1);
        Items->Entries.push_back(TItem { std::string(kSilverItem), Silver->CurrentValue() });
    }
    Weapons = CountWeapons(Items.Read());
}

} // namespace maprune
