// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "core/error.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/block_reading.h"

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
    return static_cast<int32_t>(std::clamp<int64_t>(weapons, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

void TUnit::ReadCR()
{
    TReport& report = *Owner();
    Nr = CRInt(*CR, CR->CurrentLine().Params);

    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (ReadNamedItemValue(*CR, *this, token))
            return;
        if (key == "Typ")
            Type_ = token.Value;
        else if (key == "wahrerTyp")
            TrueType = token.Value;
        else if (key == "Silber")
            Silver->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "Kampfstatus")
            FightState = CRInt(*CR, token.Value);
        else if (key == "Tarnung")
            Cloak = CRInt(*CR, token.Value);
        else if (key == "Parteitarnung")
            CloakParty = CRInt(*CR, token.Value);
        else if (key == "Anzahl")
            Count->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "bewacht")
            Observes = CRInt(*CR, token.Value);
        else if (key == "belagert")
            Besiege = CRInt(*CR, token.Value);
        else if (key == "Burg")
            Building = CRInt(*CR, token.Value);
        else if (key == "Schiff")
            Ship = CRInt(*CR, token.Value);
        else if (key == "privat")
            Private_ = token.Value;
        else if (key == "Default")
            Default_ = token.Value;
        else if (key == "hp")
            HitPoints = token.Value;
        else
            CR->Warning("unknown value for unit: " + MessageText(key));
    });

    if (Count->HistoryCount() == 0)
        Count->AddValue(Turn, 1);
    if (Silver->HistoryCount() == 0)
        Silver->AddValue(Turn, 0);

    ReadSubBlocks(*CR, &report, [this, &report](std::string_view block) {
        if (block == "COMMANDS")
            ReplaceItem(Commands, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "TALENTE")
            ReplaceItem(Talents, CreateFromCR<TTalents>(*CR, &report, Turn));
        else if (block == "GEGENSTAENDE")
            ReplaceItem(Items, CreateFromCR<TItems>(*CR, &report, Turn));
        else if (block == "SPRUECHE")
            ReplaceItem(Spells, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "EINHEITSBOTSCHAFTEN")
            ReplaceItem(Messages, CreateFromCR<TLines>(*CR, &report, Turn));
        else
            return false;
        return true;
    });

    if (Default_.empty() && Commands->Count() > 0)
        Default_ = Commands->Line(0);
    if (Building == 0)
        Building = -1;
    if (Ship == 0)
        Ship = -1;
    if (Silver->CurrentValue() > 0)
        Items->Entries.push_back(TItem{"Silber", Silver->CurrentValue()});
    Weapons = CountWeapons(*Items);
}

} // namespace maprune
