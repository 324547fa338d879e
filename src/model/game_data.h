// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace maprune {

class Dialogs;

// Kinds of game reference records.
enum GameKind : uint8_t {
    KindItem = 0,
    KindRace = 1,
    KindTerrain = 4,
    KindBuilding = 5,
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
    // read; it may be null (the message is then dropped).
    GameData(std::filesystem::path file, Dialogs* dialogs);

    size_t Count();
    const GameRecord& Record(size_t index);

    // Finds the record of `name` among the kinds of `kindMask`; an unknown
    // name becomes a new record of the smallest requested kind. Throws Error
    // ("error in GetItem", "could not find item %s", "fatal error in GetItem").
    const GameRecord& GetItem(std::string_view name, uint16_t kindMask);
    // form: 0 singular, 1 plural, 2/3 the parts of a "a|b" plural.
    std::string NameForm(std::string_view name, uint16_t kindMask, int form);

    const GameRecord& GetTerrainType(int number);
    const GameRecord& GetBuildingType(int number);
    const GameRecord& GetRaceType(int number);
    const GameRecord& GetMaterialType(int number);
    const GameRecord& GetTalentType(int number);

private:
    /* implementation-defined */
};

// The program-wide game data. SetGameData replaces it (tests use this);
// GameDataInstance creates the default one on first call.
GameData& GameDataInstance();
void SetGameData(std::unique_ptr<GameData> data);

// "<program>.dat" beside the program, else the installed data folder.
std::filesystem::path FindGameDataFile(const std::filesystem::path& programPath);

} // namespace maprune
