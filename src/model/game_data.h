// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/item_name_cache.h"
#include "model/name_forms.h"

namespace maprune {

class Dialogs;

// Kinds of game reference records.
enum GameKind : uint8_t {
    KindItem = 0,
    KindRace = 1,
    KindTerrain = 4,
    KindBuilding = 5,
    KindShip = 6,
    KindTalent = 8,
    KindCommand = 11,
};

// Sets of kinds, bit k for kind k.
namespace kinds {
constexpr uint16_t Items = 0x0681; // 0, 7, 9, 10
constexpr uint16_t ItemsAndRaces = 0x0683;
constexpr uint16_t ItemOnly = 0x0001;
constexpr uint16_t Race = 0x0002;
constexpr uint16_t Terrain = 0x0010;
constexpr uint16_t Building = 0x0020;
constexpr uint16_t Ship = 0x0040;
constexpr uint16_t Talent = 0x0100;
constexpr uint16_t Command = 0x0800;
} // namespace kinds

// One type of the game (item, race, terrain, building, talent, command ...).
// The 376-byte fixed block holds bytes 16..391 of the record; fields are
// addressed by their byte position in that 392-byte record, and which of
// them mean something depends on Kind().
struct GameRecord {
    static constexpr int kFixedOffset = 16;
    static constexpr int kFixedSize = 376;

    std::string Singular;
    std::string Plural;
    std::string Names; // look-up names, alternatives separated by '|'
    std::string Description;
    std::array<uint8_t, kFixedSize> Fixed{};

    // Raw access by record byte position (16 .. 391); positions outside the
    // fixed block read as 0 and are ignored on write.
    uint8_t ByteAt(int recordByte) const;
    int32_t Int32At(int recordByte) const; // little-endian
    void SetByte(int recordByte, uint8_t value);
    void SetInt32(int recordByte, int32_t value);

    uint8_t Kind() const { return ByteAt(16); }

    // Items (kinds 0 and 9).
    double PieceWeight() const; // byte 24 / byte 20, 0 when byte 20 <= 0
    int32_t Capacity() const { return Int32At(28); }
    uint8_t ItemClass() const { return ByteAt(288); } // 0 weapon, 3 material
    uint8_t MaterialNumber() const { return ByteAt(289); }

    // Terrains (kind 4).
    int32_t WorkPlaces() const { return Int32At(20); }
    bool IsWater() const { return ByteAt(24) != 0; }
    int32_t PictureNumber() const { return Int32At(32); }
    bool CanHoldIron() const { return ByteAt(40) != 0; }
    bool CanHoldLaen() const { return ByteAt(41) != 0; }
    uint8_t TerrainNumber() const { return ByteAt(73); }
    uint32_t OverviewColour() const { return static_cast<uint32_t>(Int32At(76)); }
    uint16_t TerrainSet() const; // bytes 80..81

    // Races (kind 1).
    double PersonWeight() const;   // byte 152 / byte 156
    double PersonCapacity() const; // byte 160 / byte 164
    uint8_t RaceNumber() const { return ByteAt(168); }

    // Ship types (kind 6): size points of a complete ship, room in GE.
    int32_t ShipSize() const { return Int32At(20); }
    int32_t ShipCapacity() const { return Int32At(24); }

    // Buildings (kind 5) and talents (kind 8).
    uint8_t BuildingNumber() const { return ByteAt(201); }
    uint8_t TalentNumber() const { return ByteAt(24); }
};

// The game reference data: all records in file order, loaded from the data
// file on first use. Records never move once added, so references to them
// stay valid for the lifetime of the GameData.
class GameData {
public:
    // `dialogs` receives the information message when the file cannot be
    // read; it may be null (the message is then dropped). Neither the file
    // nor `dialogs` is touched before the first call that needs a record;
    // `dialogs` must live until then.
    GameData(std::filesystem::path file, Dialogs* dialogs);
    // A table that is loaded already, from `records` (tests, tools).
    explicit GameData(std::vector<GameRecord> records);

    const std::filesystem::path& File() const { return FFile; }
    // Why the file could not be read (it names the file), or empty when it
    // was read. Loads the file if that has not happened yet.
    const std::string& LoadError();

    size_t Count();
    // Throws Error when `index` >= Count().
    const GameRecord& Record(size_t index);

    // Finds the record of `name` among the kinds of `kindMask`: the first
    // record of those kinds with `name` among its Names, where every '~' in
    // `name` counts as a blank and case and character set do not matter
    // (NameForms). An unknown name becomes a new record of the smallest
    // requested kind, with all fixed fields 0 and the name as its texts.
    // Throws Error "could not find item %s" when only records of other kinds
    // carry the name, "error in GetItem" when the name was found before as a
    // record of a kind outside `kindMask`, and "fatal error in GetItem" when
    // an unknown name is asked for without any kind 0..12.
    // The first 1024 distinct names are cached: a repeated call then costs a
    // hash and one comparison of the name.
    const GameRecord& GetItem(std::string_view name, uint16_t kindMask);
    // The record of GetItem by `form`: 0 Singular, 1 Plural, 2 and 3 the part
    // of Plural before and after its '|' (all of Plural without one), other
    // forms "". A record without Plural gives "mal " + Singular for any form.
    std::string NameForm(std::string_view name, uint16_t kindMask, int form);

    // The first record of the kind with that type number, compared as a
    // byte. Throws Error "terrain type %d not found" etc.
    const GameRecord& GetTerrainType(int number);
    const GameRecord& GetBuildingType(int number);
    const GameRecord& GetRaceType(int number);
    const GameRecord& GetMaterialType(int number); // items of ItemClass 3
    const GameRecord& GetTalentType(int number);

private:
    void EnsureLoaded();
    const GameRecord& Append(GameRecord record);
    const GameRecord& FullSearch(std::string_view name, uint16_t kindMask);
    template <typename Matches>
    const GameRecord& FindByNumber(const char* what, int number, Matches matches);

    std::filesystem::path FFile;
    Dialogs* FDialogs = nullptr;
    bool FLoaded = false;
    std::string FLoadError;
    std::deque<GameRecord> FRecords;
    std::deque<NameForms> FForms; // FForms[i] are the Names of FRecords[i]
    ItemNameCache FCache;
};

// The form of a name for `count` pieces: 0 (singular) for 1, else 1.
int NameFormForCount(long long count);

// The program-wide game data. main() creates it with the program's Dialogs
// and hands it over with SetGameData; tests replace it the same way, null
// drops it, and references into a replaced table become invalid. Without
// one, GameDataInstance creates a default on first call that reads
// FindGameDataFile(ProgramPath()) and shows no message.
GameData& GameDataInstance();
void SetGameData(std::unique_ptr<GameData> data);

// The data file for the program at `programPath`: "<program stem>.dat" or
// else "maprune.dat" beside the program (all of the project's programs share
// that one), else "maprune.dat" in the installed data folder, looked up
// first from the program's folder (InstalledDataFolder) and then at the
// configured prefix. When none of them exists, "maprune.dat" beside the
// program (or in the data folder when `programPath` is empty), so that the
// failure names it.
std::filesystem::path FindGameDataFile(const std::filesystem::path& programPath);

} // namespace maprune
