// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_data.h"

#include <algorithm>

#include "core/dialogs.h"
#include "core/error.h"
#include "core/install_layout.h"
#include "core/model_text.h"
#include "core/path_text.h"
#include "core/program_path.h"
#include "core/read_file.h"
#include "model/game_data_file.h"

namespace maprune {

namespace {

constexpr const char* kReadFailedMessage
    = "Achtung: es trat ein Fehler beim Lesen der Datei Maprune.DAT auf! Das Programm wird jetzt "
      "fortfahren, allerdings werden einige Dinge nicht korrekt funktionieren (Singular-/Plural-"
      "Formen von Gegenständen etc., Gewichtsberechnungen, Informationsfenster).";

// The real file is a few hundred kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxDataFileBytes = 64u << 20;

constexpr int kHighestKind = 12;

bool InMask(uint8_t kind, uint16_t kindMask)
{
    return kind < 16 && (kindMask >> kind & 1u) != 0;
}

std::unique_ptr<GameData>& InstanceSlot()
{
    static std::unique_ptr<GameData> instance;
    return instance;
}

} // namespace

GameData::GameData(std::filesystem::path file, Dialogs* dialogs)
    : FFile(std::move(file))
    , FDialogs(dialogs)
{
}

GameData::GameData(std::vector<GameRecord> records)
    : FLoaded(true)
{
    for (GameRecord& record : records)
        Append(std::move(record));
}

void GameData::EnsureLoaded()
{
    if (FLoaded)
        return;
    FLoaded = true;
    std::vector<GameRecord> records;
    try {
        const std::string bytes = ReadFileBytes(FFile, kMaxDataFileBytes);
        try {
            records = ParseGameDataFile(bytes);
        } catch (const Error& e) {
            throw Error(PathText(FFile) + ": " + e.what());
        }
    } catch (const Error& e) {
        FLoadError = e.what();
    }
    if (!FLoadError.empty()) {
        if (FDialogs != nullptr)
            FDialogs->ShowMessage(MessageKind::Information, kReadFailedMessage, ButtonOk);
        return;
    }
    for (GameRecord& record : records)
        Append(std::move(record));
}

const std::string& GameData::LoadError()
{
    EnsureLoaded();
    return FLoadError;
}

const GameRecord& GameData::Append(GameRecord record)
{
    FForms.emplace_back(record.Names);
    return FRecords.emplace_back(std::move(record));
}

size_t GameData::Count()
{
    EnsureLoaded();
    return FRecords.size();
}

const GameRecord& GameData::Record(size_t index)
{
    EnsureLoaded();
    if (index >= FRecords.size())
        throw Error("GameData.Record: index " + std::to_string(index) + " out of range");
    return FRecords[index];
}

const GameRecord& GameData::GetItem(std::string_view name, uint16_t kindMask)
{
    EnsureLoaded();
    if (const GameRecord* cached = FCache.Find(name)) {
        if (!InMask(cached->Kind(), kindMask))
            throw Error("error in GetItem");
        return *cached;
    }
    const GameRecord& record = FullSearch(name, kindMask);
    FCache.Insert(name, record);
    return record;
}

const GameRecord& GameData::FullSearch(std::string_view name, uint16_t kindMask)
{
    std::string searched(name);
    std::replace(searched.begin(), searched.end(), '~', ' ');
    const std::u32string folded = FoldedText(searched);

    bool otherKindMatches = false;
    for (size_t i = 0; i < FRecords.size(); ++i) {
        if (!FForms[i].Matches(folded))
            continue;
        if (InMask(FRecords[i].Kind(), kindMask))
            return FRecords[i];
        otherKindMatches = true;
    }
    if (otherKindMatches)
        throw Error("could not find item " + searched);

    int kind = 0;
    while (kind <= kHighestKind && !InMask(static_cast<uint8_t>(kind), kindMask))
        ++kind;
    if (kind > kHighestKind)
        throw Error("fatal error in GetItem");
    GameRecord record;
    record.Singular = searched;
    record.Plural = searched;
    record.Names = searched;
    record.SetByte(16, static_cast<uint8_t>(kind));
    return Append(std::move(record));
}

std::string GameData::NameForm(std::string_view name, uint16_t kindMask, int form)
{
    const GameRecord& record = GetItem(name, kindMask);
    const std::string& plural = record.Plural;
    if (plural.empty())
        return "mal " + record.Singular;
    const size_t bar = plural.find('|');
    switch (form) {
    case 0:
        return record.Singular;
    case 1:
        return plural;
    case 2:
        return bar == std::string::npos ? plural : plural.substr(0, bar);
    case 3:
        return bar == std::string::npos ? plural : plural.substr(bar + 1);
    default:
        return {};
    }
}

template <typename Matches>
const GameRecord& GameData::FindByNumber(const char* what, int number, Matches matches)
{
    EnsureLoaded();
    const auto byte = static_cast<uint8_t>(number);
    for (const GameRecord& record : FRecords) {
        if (matches(record, byte))
            return record;
    }
    throw Error(std::string(what) + " type " + std::to_string(number) + " not found");
}

const GameRecord& GameData::GetTerrainType(int number)
{
    return FindByNumber("terrain", number, [](const GameRecord& r, uint8_t n) {
        return r.Kind() == KindTerrain && r.TerrainNumber() == n;
    });
}

const GameRecord& GameData::GetBuildingType(int number)
{
    return FindByNumber("building", number, [](const GameRecord& r, uint8_t n) {
        return r.Kind() == KindBuilding && r.BuildingNumber() == n;
    });
}

const GameRecord& GameData::GetRaceType(int number)
{
    return FindByNumber("race", number,
        [](const GameRecord& r, uint8_t n) { return r.Kind() == KindRace && r.RaceNumber() == n; });
}

const GameRecord& GameData::GetMaterialType(int number)
{
    return FindByNumber("material", number, [](const GameRecord& r, uint8_t n) {
        return r.Kind() == KindItem && r.ItemClass() == 3 && r.MaterialNumber() == n;
    });
}

const GameRecord& GameData::GetTalentType(int number)
{
    return FindByNumber("talent", number, [](const GameRecord& r, uint8_t n) {
        return r.Kind() == KindTalent && r.TalentNumber() == n;
    });
}

int NameFormForCount(long long count)
{
    return count == 1 ? 0 : 1;
}

GameData& GameDataInstance()
{
    std::unique_ptr<GameData>& instance = InstanceSlot();
    if (!instance)
        instance = std::make_unique<GameData>(FindGameDataFile(ProgramPath()), nullptr);
    return *instance;
}

void SetGameData(std::unique_ptr<GameData> data)
{
    InstanceSlot() = std::move(data);
}

std::filesystem::path FindGameDataFile(const std::filesystem::path& programPath)
{
    constexpr const char* kFileName = "maprune.dat";
    const std::filesystem::path installed
        = std::filesystem::path(MAPRUNE_DATA_INSTALL_DIR) / kFileName;
    if (programPath.empty())
        return installed;
    const std::filesystem::path folder = programPath.parent_path();
    std::filesystem::path own = programPath.filename();
    own.replace_extension(".dat");
    const std::filesystem::path shared = folder / kFileName;
    const std::filesystem::path relocated = InstalledDataFolder(programPath) / kFileName;
    for (const std::filesystem::path& candidate : { folder / own, shared, relocated, installed }) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return candidate;
    }
    return shared;
}

} // namespace maprune
