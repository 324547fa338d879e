// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_test_support.h"

#include "core/error.h"
#include "model/game_data.h"
#include "model/game_data_fixtures.h"

namespace maprune::test {

namespace {

GameRecord Record(const std::string& names, uint8_t kind)
{
    const std::string singular = names.substr(0, names.find('|'));
    return MakeRecord(kind, singular, singular, names);
}

GameRecord Terrain(const char* names, uint8_t number, int32_t picture, bool water, bool iron,
                   bool laen)
{
    GameRecord r = Record(names, KindTerrain);
    r.SetByte(73, number);
    r.SetInt32(32, picture);
    r.SetByte(24, water ? 1 : 0);
    r.SetByte(40, iron ? 1 : 0);
    r.SetByte(41, laen ? 1 : 0);
    return r;
}

GameRecord Talent(const char* names, uint8_t number)
{
    GameRecord r = Record(names, KindTalent);
    r.SetByte(24, number);
    return r;
}

GameRecord Item(const char* names, uint8_t kind, uint8_t itemClass)
{
    GameRecord r = Record(names, kind);
    r.SetByte(288, itemClass);
    return r;
}

} // namespace

std::vector<std::string> ReadOutcome::Messages() const
{
    std::vector<std::string> texts;
    for (const ScriptedDialogs::Message& m : Dialogs.shown)
        texts.push_back(m.text);
    return texts;
}

std::vector<std::string> ReadOutcome::WarningTexts() const
{
    std::vector<std::string> texts;
    for (const CRWarning& w : Warnings)
        texts.push_back(w.Text);
    return texts;
}

std::unique_ptr<ReadOutcome> ReadText(std::string_view text)
{
    auto outcome = std::make_unique<ReadOutcome>();
    NullProgress progress;
    try {
        outcome->Report = ReadCR(text, outcome->Dialogs, progress, &outcome->Warnings);
    } catch (const Abort&) {
        outcome->Aborted = true;
    }
    return outcome;
}

void CRTest::SetUp()
{
    std::vector<GameRecord> records;
    records.push_back(Terrain("Ozean", 0, 9, true, false, false));
    records.push_back(Terrain("Ebene", 1, 1, false, false, false));
    records.push_back(Terrain("Berge|Berg", 6, 6, false, true, true));
    records.push_back(Terrain("Nebel", 8, 8, false, false, false));
    records.push_back(Terrain("Wüste|Wueste", 4, 4, false, false, false));
    records.push_back(Talent("Bergbau", 3));
    records.push_back(Talent("Holzfällen|Holzfaellen", 8));
    records.push_back(Item("Silber", KindItem, 7));
    records.push_back(Item("Schwert|Schwerter", KindItem, 0));
    records.push_back(Item("Bogen", KindItem, 0));
    records.push_back(Item("Katapult", 9, 0));
    records.push_back(Item("Kettenhemd", KindItem, 1));
    records.push_back(Record("Mensch|Menschen", KindRace));
    GameRecord boat = Record("Boot|Boote", KindShip);
    boat.SetInt32(20, 5);
    boat.SetInt32(24, 50);
    records.push_back(boat);
    SetGameData(std::make_unique<GameData>(std::move(records)));
}

void CRTest::TearDown()
{
    SetGameData(nullptr);
}

TRegion& FirstRegion(ReadOutcome& outcome)
{
    if (outcome.Report == nullptr || outcome.Report->Regions->Count() == 0)
        throw Error("the report has no region");
    return *(*outcome.Report->Regions)[0];
}

} // namespace maprune::test
