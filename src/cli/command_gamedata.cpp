// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli gamedata: lists the game reference data record by record, with
// the fields the program reads for each kind.
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/command_line.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "model/game_data.h"

namespace maprune::cli {

namespace {

struct KindName {
    int kind;
    const char* word;
};

constexpr KindName kKindNames[] = {
    { KindItem, "item" },
    { KindRace, "race" },
    { KindTerrain, "terrain" },
    { KindBuilding, "building" },
    { KindShip, "ship" },
    { KindTalent, "talent" },
    { KindCommand, "command" },
};

std::string KindWord(int kind)
{
    for (const KindName& k : kKindNames) {
        if (k.kind == kind)
            return k.word;
    }
    return "kind";
}

// A kind given by word or number; nullopt when it is neither.
std::optional<int> ParseKind(const std::string& text)
{
    for (const KindName& k : kKindNames) {
        if (text == k.word)
            return k.kind;
    }
    if (!text.empty() && text.size() <= 3
        && text.find_first_not_of("0123456789") == std::string::npos)
        return std::stoi(text);
    return std::nullopt;
}

std::string Number(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string YesNo(bool value)
{
    return value ? "yes" : "no";
}

std::string Colour(uint32_t rgb)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buffer;
}

std::string TalentName(GameData& data, int talent)
{
    try {
        return data.GetTalentType(talent).Singular;
    } catch (const Error&) {
        return "talent " + std::to_string(talent);
    }
}

std::string MaterialName(GameData& data, int material)
{
    try {
        return data.GetMaterialType(material).Singular;
    } catch (const Error&) {
        return "material " + std::to_string(material);
    }
}

// "name amount, ..." of the non-zero int32 at first + 4 * i, i < count.
template <typename NameOf>
std::string Amounts(const GameRecord& r, int first, int count, NameOf nameOf)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int32_t amount = r.Int32At(first + 4 * i);
        if (amount != 0)
            text += (text.empty() ? "" : ", ") + nameOf(i) + " " + std::to_string(amount);
    }
    return text.empty() ? "none" : text;
}

std::string NoneOr(int32_t value, const char* none)
{
    return value == -1 ? none : std::to_string(value);
}

std::string Fields(GameData& data, const GameRecord& r)
{
    const auto talent = [&](int t) { return TalentName(data, t); };
    const auto material = [&](int m) { return MaterialName(data, m); };
    switch (r.Kind()) {
    case KindItem:
    case 9: {
        std::string text = "class " + std::to_string(r.ItemClass());
        if (r.Kind() == KindItem && r.ItemClass() == 3)
            text += ", material " + std::to_string(r.MaterialNumber());
        return text + ", weight " + Number(r.PieceWeight()) + " GE ("
            + std::to_string(r.Int32At(24)) + " per " + std::to_string(r.Int32At(20))
            + "), capacity " + std::to_string(r.Capacity()) + " GE";
    }
    case KindRace:
        return "number " + std::to_string(r.RaceNumber()) + ", person weight "
            + Number(r.PersonWeight()) + " GE, person capacity " + Number(r.PersonCapacity())
            + " GE, recruiting cost " + std::to_string(r.Int32At(20)) + ", hit points "
            + std::to_string(r.Int32At(24)) + ", magic resistance " + std::to_string(r.Int32At(28))
            + ", natural armour " + std::to_string(r.Int32At(32)) + ", talents "
            + Amounts(r, 40, 28, talent);
    case KindTerrain: {
        std::string set;
        for (int t = 0; t < 16; ++t) {
            if (r.TerrainSet() >> t & 1)
                set += (set.empty() ? "" : " ") + std::to_string(t);
        }
        return "number " + std::to_string(r.TerrainNumber()) + ", picture "
            + std::to_string(r.PictureNumber()) + ", water " + YesNo(r.IsWater()) + ", iron "
            + YesNo(r.CanHoldIron()) + ", laen " + YesNo(r.CanHoldLaen()) + ", work places "
            + std::to_string(r.WorkPlaces()) + ", colour " + Colour(r.OverviewColour())
            + ", compatible " + set;
    }
    case KindBuilding:
        return "number " + std::to_string(r.BuildingNumber()) + ", cost "
            + Amounts(r, 20, 7, material) + ", upkeep " + Amounts(r, 48, 7, material) + ", talents "
            + Amounts(r, 76, 28, talent) + ", size limit " + NoneOr(r.Int32At(188), "none")
            + ", minimum size " + NoneOr(r.Int32At(192), "none") + ", capacity "
            + NoneOr(r.Int32At(196), "size");
    case KindShip:
        return "size " + std::to_string(r.ShipSize()) + ", capacity "
            + std::to_string(r.ShipCapacity());
    case KindTalent:
        return "number " + std::to_string(r.TalentNumber());
    default:
        return {};
    }
}

void ListRecords(GameData& data, std::optional<int> kind)
{
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& r = data.Record(i);
        if (kind && r.Kind() != *kind)
            continue;
        std::cout << "#" << i << ' ' << KindWord(r.Kind()) << " (" << int(r.Kind()) << ")\n"
                  << "  Singular: " << r.Singular << "\n  Plural:   " << r.Plural
                  << "\n  Names:    " << r.Names << '\n';
        const std::string fields = Fields(data, r);
        if (!fields.empty())
            std::cout << "  " << fields << '\n';
    }
}

void AddGamedataCommand(CLI::App& app)
{
    CLI::App* command = app.add_subcommand("gamedata",
        "Spieldaten (maprune.dat) auflisten: jeder Datensatz mit Art, Namen und den "
        "Feldern, die das Programm liest");
    auto kind = std::make_shared<std::string>();
    auto file = std::make_shared<std::string>();
    command->add_option("--kind", *kind,
        "nur Datensätze dieser Art: item, race, terrain, building, ship, talent, "
        "command oder eine Nummer");
    command->add_option("--file", *file, "diese Datei statt der maprune.dat beim Programm lesen");
    command->callback([kind, file] {
        std::optional<int> wanted;
        if (!kind->empty()) {
            wanted = ParseKind(*kind);
            if (!wanted) {
                std::cerr << "maprune-cli: unbekannte Art '" << *kind << "'\n";
                throw CLI::RuntimeError(2);
            }
        }
        if (!file->empty())
            SetGameData(std::make_unique<GameData>(ArgumentPath(*file), &ToolDialogs()));
        GameData& data = GameDataInstance();
        if (!data.LoadError().empty()) {
            std::cerr << "maprune-cli: " << data.LoadError() << '\n';
            throw CLI::RuntimeError(1);
        }
        ListRecords(data, wanted);
    });
}

const VerbRegistration gamedataVerb { "gamedata", &AddGamedataCommand };

} // namespace

} // namespace maprune::cli
