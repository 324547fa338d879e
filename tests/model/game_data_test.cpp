// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <unordered_map>

#include "core/byte_coding.h"
#include "core/error.h"
#include "core/install_layout.h"
#include "core/program_path.h"
#include "model/game_data.h"
#include "model/game_data_file.h"
#include "model/game_data_fixtures.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::test::MakeRecord;
using maprune::test::ScriptedDialogs;
using maprune::test::TempFile;

namespace {

constexpr const char* kReadFailed
    = "Achtung: es trat ein Fehler beim Lesen der Datei Maprune.DAT auf! Das Programm wird jetzt "
      "fortfahren, allerdings werden einige Dinge nicht korrekt funktionieren (Singular-/Plural-"
      "Formen von Gegenständen etc., Gewichtsberechnungen, Informationsfenster).";

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

std::vector<GameRecord> SmallTable()
{
    std::vector<GameRecord> r;
    r.push_back(MakeRecord(KindItem, "Schwert", "Schwerter", "Schwert|Schwerter"));
    r.push_back(MakeRecord(KindItem, "Pferd", "Pferde", "Pferd|Pferde"));
    r.push_back(MakeRecord(KindRace, "Troll", "Trolle", "Troll|Trolle"));
    r.push_back(MakeRecord(KindTerrain, "Wüste", "Wüsten", "Wüste|Wüsten"));
    r.push_back(MakeRecord(KindTerrain, "Aktiver Vulkan", "Aktive Vulkane", "Aktiver Vulkan"));
    r.push_back(MakeRecord(KindTalent, "Reiten", "Reiten", "Reiten"));
    r.push_back(MakeRecord(KindItem, "Mal", "", "Mal"));
    r.push_back(MakeRecord(KindItem, "Juwel", "Juwelen|Juwelen2", "Juwel"));
    r[3].SetByte(73, 4);
    r[4].SetByte(73, 4); // a second terrain 4: look-ups by number take the first
    r[5].SetByte(24, 13);
    return r;
}

} // namespace

// --- Loading -------------------------------------------------------------

TEST(GameDataLoading, ReadsTheFileOnFirstUseOnly)
{
    TempFile file(SerializeGameDataFile(SmallTable()));
    ScriptedDialogs dialogs;
    GameData data(file.Path(), &dialogs);
    std::filesystem::remove(file.Path());
    // The file was gone before the first use: the table is loaded lazily.
    EXPECT_EQ(data.Count(), 0u);
    EXPECT_EQ(dialogs.shown.size(), 1u);

    TempFile again(SerializeGameDataFile(SmallTable()));
    GameData loaded(again.Path(), &dialogs);
    EXPECT_EQ(loaded.Count(), SmallTable().size());
    EXPECT_EQ(loaded.LoadError(), "");
    EXPECT_EQ(loaded.Record(2).Plural, "Trolle");
    EXPECT_THROW(loaded.Record(loaded.Count()), Error);
}

TEST(GameDataLoading, UnreadableFilesGiveTheMessageOnceAndAnEmptyTable)
{
    const std::string good = SerializeGameDataFile(SmallTable());
    ByteWriter hostile; // claims two billion records in a few bytes
    hostile.PutI32(0x7FFFFFFF);
    hostile.PutBytes(std::string(400, 'x'));
    const std::vector<std::string> faulty = { "", std::string(2, '\x01'),
        good.substr(0, good.size() - 1), hostile.Bytes(), good + std::string(1, '\0') };
    for (const std::string& bytes : faulty) {
        TempFile file(bytes);
        ScriptedDialogs dialogs;
        GameData data(file.Path(), &dialogs);
        EXPECT_EQ(data.Count(), 0u);
        EXPECT_EQ(data.Count(), 0u);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
        EXPECT_EQ(dialogs.shown[0].text, kReadFailed);
        EXPECT_EQ(dialogs.shown[0].buttons, ButtonOk);
        EXPECT_NE(data.LoadError().find(file.Path().string()), std::string::npos);
        // Without data every name becomes a type of its own.
        EXPECT_EQ(data.GetItem("Schwert", kinds::Items).Kind(), KindItem);
        EXPECT_EQ(data.Count(), 1u);
    }
}

TEST(GameDataLoading, MissingFileWithoutDialogsIsSilent)
{
    GameData data(std::filesystem::temp_directory_path() / "maprune-no-such-file.dat", nullptr);
    EXPECT_EQ(data.Count(), 0u);
    EXPECT_NE(data.LoadError(), "");
}

// --- GetItem ---------------------------------------------------------------

TEST(GetItem, MatchesNamesIgnoringCaseCharacterSetAndTildes)
{
    GameData data(SmallTable());
    EXPECT_EQ(data.GetItem("schwerter", kinds::Items).Singular, "Schwert");
    EXPECT_EQ(data.GetItem("PFERD", kinds::Items).Singular, "Pferd");
    EXPECT_EQ(data.GetItem("W\xFCste", kinds::Terrain).Singular, "Wüste"); // Windows-1252
    EXPECT_EQ(data.GetItem("W\xDCSTEN", kinds::Terrain).Singular, "Wüste"); // upper case
    EXPECT_EQ(data.GetItem("Aktiver~Vulkan", kinds::Terrain).Singular, "Aktiver Vulkan");
    EXPECT_EQ(data.GetItem("Trolle", kinds::ItemsAndRaces).Kind(), KindRace);
    EXPECT_EQ(data.Count(), SmallTable().size()); // nothing was made up
}

TEST(GetItem, UnknownNamesBecomeRecordsOfTheSmallestKind)
{
    GameData data(SmallTable());
    const GameRecord& land = data.GetItem("Schattenland", kinds::Terrain);
    EXPECT_EQ(land.Kind(), KindTerrain);
    EXPECT_EQ(land.Singular, "Schattenland");
    EXPECT_EQ(land.Plural, "Schattenland");
    EXPECT_EQ(land.Names, "Schattenland");
    EXPECT_FALSE(land.IsWater());
    EXPECT_EQ(land.PictureNumber(), 0);
    EXPECT_EQ(land.PersonWeight(), 0.0); // zero divisor: 0, not NaN
    EXPECT_EQ(land.PieceWeight(), 0.0);
    for (int b = 17; b < 392; ++b)
        EXPECT_EQ(land.ByteAt(b), 0) << b;

    EXPECT_EQ(data.GetItem("Zauberstab", kinds::ItemsAndRaces).Kind(), KindItem);
    EXPECT_EQ(data.GetItem("Golem", kinds::Race).Kind(), KindRace);
    // Tildes are blanks in the made-up record too, and it is found again.
    const GameRecord& mist = data.GetItem("Roter~Nebel", kinds::Terrain);
    EXPECT_EQ(mist.Singular, "Roter Nebel");
    EXPECT_EQ(&data.GetItem("roter nebel", kinds::Terrain), &mist);
    EXPECT_EQ(data.Count(), SmallTable().size() + 4);
}

TEST(GetItem, FailsForNamesOfOtherKinds)
{
    GameData data(SmallTable());
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Troll", kinds::Items); }), "could not find item Troll");
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Aktiver~Vulkan", kinds::Items); }),
        "could not find item Aktiver Vulkan");
    // Once cached under its own kind, asking for another kind is an error.
    data.GetItem("Reiten", kinds::Talent);
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Reiten", kinds::Items); }), "error in GetItem");
    data.GetItem("Spuk", kinds::Terrain);
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Spuk", kinds::Race); }), "error in GetItem");
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Nichts", 0); }), "fatal error in GetItem");
    EXPECT_EQ(ErrorOf([&] { data.GetItem("Nichts", 0x8000); }), "fatal error in GetItem");
    EXPECT_EQ(data.Count(), SmallTable().size() + 1);
}

TEST(GetItem, NamesWithEqualHashesKeepTheirOwnRecords)
{
    // Two different names with the same 32-bit cache hash.
    std::unordered_map<uint32_t, std::string> seen;
    std::string a, b;
    for (int i = 0; a.empty(); ++i) {
        const std::string name = "Ding" + std::to_string(i);
        const auto [it, inserted] = seen.emplace(ItemNameCache::Hash(name), name);
        if (!inserted) {
            a = it->second;
            b = name;
        }
    }
    GameData data(SmallTable());
    const GameRecord& first = data.GetItem(a, kinds::Terrain);
    // Same hash, other kind: a record of its own, not the terrain nor an error.
    const GameRecord& second = data.GetItem(b, kinds::Items);
    EXPECT_NE(&first, &second);
    EXPECT_EQ(second.Names, b);
    EXPECT_EQ(second.Kind(), KindItem);
    EXPECT_EQ(&data.GetItem(a, kinds::Terrain), &first);
    EXPECT_EQ(&data.GetItem(b, kinds::Items), &second);
}

TEST(GetItem, NamesInTheSameCacheSlotKeepTheirOwnRecords)
{
    const uint32_t horseSlot = ItemNameCache::Hash("Pferd") % ItemNameCache::kSlots;
    std::string neighbour;
    for (int i = 0; neighbour.empty(); ++i) {
        const std::string name = "Ding" + std::to_string(i);
        if (ItemNameCache::Hash(name) % ItemNameCache::kSlots == horseSlot)
            neighbour = name;
    }
    GameData data(SmallTable());
    const GameRecord& horse = data.GetItem("Pferd", kinds::Items);
    EXPECT_EQ(data.GetItem(neighbour, kinds::Items).Names, neighbour);
    EXPECT_THROW(data.GetItem(neighbour, kinds::Race), Error); // cached as an item
    EXPECT_EQ(&data.GetItem("Pferd", kinds::Items), &horse);
}

TEST(GetItem, StaysCorrectWhenTheCacheIsFull)
{
    GameData data(SmallTable());
    const size_t names = ItemNameCache::kSlots + 300;
    for (size_t i = 0; i < names; ++i)
        data.GetItem("Sache" + std::to_string(i), kinds::Items);
    for (size_t i = 0; i < names; i += 7) {
        const std::string name = "Sache" + std::to_string(i);
        EXPECT_EQ(data.GetItem(name, kinds::Items).Names, name);
    }
    EXPECT_EQ(data.GetItem("Pferde", kinds::Items).Singular, "Pferd");
    EXPECT_EQ(data.Count(), SmallTable().size() + names);
}

// --- NameForm ------------------------------------------------------------

TEST(NameForm, GivesTheFormsOfThePlural)
{
    GameData data(SmallTable());
    EXPECT_EQ(data.NameForm("Pferde", kinds::Items, 0), "Pferd");
    EXPECT_EQ(data.NameForm("Pferd", kinds::Items, 1), "Pferde");
    EXPECT_EQ(data.NameForm("Pferd", kinds::Items, 2), "Pferde");
    EXPECT_EQ(data.NameForm("Pferd", kinds::Items, 3), "Pferde");
    EXPECT_EQ(data.NameForm("Juwel", kinds::Items, 1), "Juwelen|Juwelen2");
    EXPECT_EQ(data.NameForm("Juwel", kinds::Items, 2), "Juwelen");
    EXPECT_EQ(data.NameForm("Juwel", kinds::Items, 3), "Juwelen2");
    EXPECT_EQ(data.NameForm("Juwel", kinds::Items, 4), "");
    EXPECT_EQ(data.NameForm("Juwel", kinds::Items, -1), "");
    // Without a plural every form is "mal " and the singular.
    for (int form : { 0, 1, 2, 3, 7 })
        EXPECT_EQ(data.NameForm("Mal", kinds::Items, form), "mal Mal");
    EXPECT_EQ(NameFormForCount(1), 0);
    EXPECT_EQ(NameFormForCount(0), 1);
    EXPECT_EQ(NameFormForCount(2), 1);
    EXPECT_EQ(NameFormForCount(-1), 1);
}

// --- Look-ups by number ------------------------------------------------------

TEST(LookupByNumber, FindsTheFirstRecordOfKindAndNumber)
{
    std::vector<GameRecord> table = SmallTable();
    GameRecord castle = MakeRecord(KindBuilding, "Burg", "Burgen", "Burg");
    castle.SetByte(201, 13);
    GameRecord elf = MakeRecord(KindRace, "Elf", "Elfen", "Elf");
    elf.SetByte(168, 2);
    GameRecord stone = MakeRecord(KindItem, "Stein", "Steine", "Stein");
    stone.SetByte(288, 3);
    stone.SetByte(289, 1);
    GameRecord notMaterial = MakeRecord(KindItem, "Kiesel", "Kiesel", "Kiesel");
    notMaterial.SetByte(289, 5); // material number of an item that is no material
    table.insert(table.end(), { castle, elf, stone, notMaterial });
    GameData data(std::move(table));

    EXPECT_EQ(data.GetTerrainType(4).Singular, "Wüste");
    EXPECT_EQ(data.GetTerrainType(4 + 256).Singular, "Wüste"); // compared as a byte
    EXPECT_EQ(data.GetBuildingType(13).Singular, "Burg");
    EXPECT_EQ(data.GetRaceType(2).Singular, "Elf");
    EXPECT_EQ(data.GetMaterialType(1).Singular, "Stein");
    EXPECT_EQ(data.GetTalentType(13).Singular, "Reiten");

    EXPECT_EQ(ErrorOf([&] { data.GetTerrainType(5); }), "terrain type 5 not found");
    EXPECT_EQ(ErrorOf([&] { data.GetBuildingType(12); }), "building type 12 not found");
    EXPECT_EQ(ErrorOf([&] { data.GetRaceType(7); }), "race type 7 not found");
    EXPECT_EQ(ErrorOf([&] { data.GetMaterialType(5); }), "material type 5 not found");
    EXPECT_EQ(ErrorOf([&] { data.GetTalentType(-1); }), "talent type -1 not found");
}

// --- Records and the program-wide instance ---------------------------------

TEST(GameRecordFields, AreLittleEndianAtTheirBytePositions)
{
    GameRecord r;
    r.SetInt32(76, 0x2050C0);
    EXPECT_EQ(r.ByteAt(76), 0xC0);
    EXPECT_EQ(r.ByteAt(78), 0x20);
    EXPECT_EQ(r.OverviewColour(), 0x2050C0u);
    r.SetByte(80, 0x01);
    r.SetByte(81, 0xD0);
    EXPECT_EQ(r.TerrainSet(), 0xD001);
    r.SetInt32(152, 540);
    r.SetInt32(156, 100);
    EXPECT_DOUBLE_EQ(r.PersonWeight(), 5.4);
    r.SetInt32(20, 100);
    r.SetInt32(24, 1);
    EXPECT_DOUBLE_EQ(r.PieceWeight(), 0.01);
    // Outside the fixed block: reads 0, writes nothing, never past the array.
    r.SetInt32(389, -1);
    r.SetByte(15, 9);
    EXPECT_EQ(r.Int32At(389), 0);
    EXPECT_EQ(r.ByteAt(15), 0);
    EXPECT_EQ(r.ByteAt(392), 0);
    EXPECT_EQ(r.ByteAt(389), 0);
}

TEST(GameDataInstance, CanBeReplacedAndFallsBackToTheDefault)
{
    SetGameData(std::make_unique<GameData>(SmallTable()));
    EXPECT_EQ(GameDataInstance().Count(), SmallTable().size());
    SetGameData(nullptr);
    EXPECT_EQ(GameDataInstance().File(), FindGameDataFile(ProgramPath()));
    SetGameData(nullptr);
}

TEST(FindGameDataFile, PrefersTheFileBesideTheProgram)
{
    const auto folder = std::filesystem::temp_directory_path() / "maprune-find-test";
    std::filesystem::create_directories(folder);
    const auto program = folder / "maprune-cli";
    std::filesystem::remove(folder / "maprune.dat");
    std::filesystem::remove(folder / "maprune-cli.dat");
    // Nothing there: the shared name, never the program file itself.
    EXPECT_EQ(FindGameDataFile(program).filename(), "maprune.dat");
    std::ofstream(folder / "maprune.dat") << "x";
    EXPECT_EQ(FindGameDataFile(program), folder / "maprune.dat");
    EXPECT_EQ(FindGameDataFile(folder / "maprune"), folder / "maprune.dat");
    EXPECT_EQ(FindGameDataFile(folder / "maprune.exe"), folder / "maprune.dat");
    std::ofstream(folder / "maprune-cli.dat") << "x";
    EXPECT_EQ(FindGameDataFile(program), folder / "maprune-cli.dat");
    std::filesystem::remove_all(folder);
}

TEST(FindGameDataFile, FindsTheDataOfAnInstalledTreeWhereverItWasUnpacked)
{
    const auto root = std::filesystem::temp_directory_path() / "maprune-tree-test";
    const auto program = root / "usr" / "bin" / "maprune-cli";
    const auto data = InstalledDataFolder(program);
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::create_directories(data);
    EXPECT_FALSE(RunsFromInstalledTree(program));
    std::ofstream(data / "maprune.dat") << "x";
    EXPECT_EQ(FindGameDataFile(program), data / "maprune.dat");
    EXPECT_TRUE(RunsFromInstalledTree(program));
    std::filesystem::remove_all(root);
}
