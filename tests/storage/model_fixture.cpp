// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_fixture.h"

#include "storage/object_writer.h"
#include "storage/region_after_load.h"

using namespace maprune;

std::unique_ptr<TReport> SampleReport()
{
    auto report = CreateEmpty<TReport>(nullptr);
    report->Version = 57;
    report->Game = "Kelvaran";
    report->Series = "Test\xE4";
    report->PosX = 120;
    report->PosY = -40;

    TParty& own = AddTo(*report->Parties);
    own.Nr = 1234;
    own.Name = "Die Elfen";
    own.Type_ = "Elfen";
    own.Turn = 12;
    own.EMail = "elf@example.org";
    own.Messages->SetText("Erste Meldung\r\nZweite Meldung\r\n");
    own.Points->AddValue(11, 300);
    own.Points->AddValue(12, 350);
    own.Persons->AddValue(12, 42);
    TAlly& ally = AddTo(*own.Allies);
    ally.Party = 77;
    ally.Name = "Zwerge";
    ally.State = 10;
    TParty& known = AddTo(*report->Parties);
    known.Nr = 77;
    known.Name = "Zwerge";
    known.Turn = 12;

    TRegion& plain = AddTo(*report->Regions);
    plain.CX = 3;
    plain.CY = 4;
    plain.Terrain = "Ebene";
    plain.Name = "Tirana";
    plain.FullInfoDate = 12;
    plain.InfoDate = 12;
    plain.SetTagSilently(TagSelected);
    plain.Mallorn = 0;
    for (THistoryInteger* h : { &*plain.Peasants, &*plain.Horses, &*plain.Street, &*plain.Trees,
             &*plain.Laen, &*plain.Iron })
        h->AddValue(12, 0);
    plain.Peasants->SetHistory({{12, 2000}, {11, 1900}});
    plain.Silver->AddValue(12, 40000);
    plain.Wages->AddValue(12, 11);
    plain.Prices->Entries = {{-5, "Balsam"}, {12, "Seide"}};
    plain.Comment->SetText("Hier wohnen Elfen\r\n");
    TUnit& unit = AddTo(*plain.Units);
    unit.Nr = 4711;
    unit.Party = 1234;
    unit.Name = "Wachen";
    unit.Type_ = "Elfen";
    unit.Count->AddValue(12, 5);
    unit.Silver->AddValue(12, 100);
    unit.Observes = 1;
    unit.Weapons = 5;
    unit.Commands->SetText("BEWACHE\r\n// Kommentar\r\n");
    unit.Items->Entries = {{"Schwert", 5}, {"Silber", 100}};
    unit.Talents->Entries = {{"Hiebwaffen", 450, 3}, {"Ausdauer", 150, 1}};
    TBuilding& castle = AddTo(*plain.Buildings);
    castle.Nr = 99;
    castle.Type_ = "Burg";
    castle.Captain = 4711;
    castle.Size->AddValue(12, 10);
    TPoliticInfo& politic = AddTo(*plain.Politic);
    politic.Party = 1234;
    politic.Turn = 12;
    politic.RTurn = 12;
    politic.Data->SetText("-1\r\n5\r\n5\r\n5\r\n");

    TRegion& sea = AddTo(*report->Regions);
    sea.CX = 4;
    sea.CY = 4;
    sea.Terrain = "Ozean";
    sea.FullInfoDate = 0;
    sea.InfoDate = 11;
    sea.Wages->AddValue(11, 0);
    TShip& ship = AddTo(*sea.Ships);
    ship.Nr = 5;
    ship.Type_ = "Boot";
    ship.Captain = 8;
    ship.Load->AddValue(11, 300);
    TUnit& sailor = AddTo(*sea.Units);
    sailor.Nr = 8;
    sailor.Party = 77;
    sailor.Ship = 5;
    sailor.HitPoints = "verwundet";

    TRegion& mountain = AddTo(*report->Regions);
    mountain.CX = 3;
    mountain.CY = 5;
    mountain.CZ = 1;
    mountain.Terrain = "Berge";
    mountain.FullInfoDate = 10;
    mountain.Iron->AddValue(10, 20);
    mountain.Laen->AddValue(10, 2);

    TSpell& spell = AddTo(*report->Spells);
    spell.Nr = 3;
    spell.Spell = "Feuerball";
    spell.Level = 4;
    spell.Descr = "Heiss";
    TPotion& potion = AddTo(*report->Potions);
    potion.Nr = 1;
    potion.Potion = "Heiltrank";
    potion.Level = 2;
    potion.Ingredients = "Elfenlieb Gurgelkraut";
    TPastObject& past = AddTo(*report->PastObjects);
    past.Turn = 9;
    past.Nr = 77;
    past.Name = "Fort";
    past.X = 3;
    past.Gone = 1;
    past.ItemsKnown = 1;
    past.Items->Entries.push_back({ "Schwert", 2 });
    TPastPrices& prices = AddTo(*report->PastPrices);
    prices.Turn = 9;
    prices.Prices->Entries.push_back({ 12, "Balsam" });

    for (TRegion* region : *report->Regions)
        CompleteLoadedRegion(*region);
    report->Finish();
    return report;
}

void ExpectSameStoredContent(const TReportItem& a, const TReportItem& b, const std::string& where)
{
    ASSERT_EQ(a.ClassName(), b.ClassName()) << where;
    for (const PropertyInfo& p : a.Class().Properties) {
        const std::string place = where + "." + std::string(p.Name);
        if (!p.Stored)
            continue;
        switch (p.Kind) {
        case PropertyKind::Integer:
            EXPECT_EQ(p.GetInt(a), p.GetInt(b)) << place;
            break;
        case PropertyKind::String:
            EXPECT_EQ(p.GetString(a), p.GetString(b)) << place;
            break;
        case PropertyKind::Object:
            ExpectSameStoredContent(p.ReadObject(a), p.ReadObject(b), place);
            break;
        }
    }
    if (const auto* list = dynamic_cast<const TReportItemList*>(&a)) {
        const auto& other = dynamic_cast<const TReportItemList&>(b);
        ASSERT_EQ(list->Count(), other.Count()) << where;
        for (size_t i = 0; i < list->Count(); ++i) {
            ExpectSameStoredContent(*list->Item(i), *other.Item(i),
                                    where + "[" + std::to_string(i) + "]");
        }
    } else if (const auto* history = dynamic_cast<const THistoryInteger*>(&a)) {
        const HistoryEntries& mine = history->History();
        const HistoryEntries& theirs = dynamic_cast<const THistoryInteger&>(b).History();
        EXPECT_EQ(std::vector(mine.begin(), mine.end()), std::vector(theirs.begin(), theirs.end()))
            << where;
    } else if (const auto* prices = dynamic_cast<const TPrices*>(&a)) {
        EXPECT_EQ(prices->Entries, dynamic_cast<const TPrices&>(b).Entries) << where;
    } else if (const auto* items = dynamic_cast<const TItems*>(&a)) {
        EXPECT_EQ(items->Entries, dynamic_cast<const TItems&>(b).Entries) << where;
    } else if (const auto* talents = dynamic_cast<const TTalents*>(&a)) {
        EXPECT_EQ(talents->Entries, dynamic_cast<const TTalents&>(b).Entries) << where;
    }
}

std::string RecordOf(const TReportItem& item)
{
    ByteWriter out;
    WriteObject(item, out);
    return out.Take();
}

bool HasPropertyName(const std::string& bytes, const std::string& name)
{
    return bytes.find(static_cast<char>(name.size()) + name) != std::string::npos;
}
