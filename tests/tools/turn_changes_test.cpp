// SPDX-License-Identifier: GPL-3.0-or-later
// The changes between two merged turns of a generated world: each row edits
// what the database keeps of one object or region, and exactly the change
// of that edit must appear beside the changes the world brought itself.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "storage/memory_stream.h"
#include "storage/report_stream.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_shifts.h"
#include "tools/changes/change_list.h"
#include "tools/changes/turn_changes.h"

namespace maprune::test {
namespace {

constexpr int32_t kFrom = crgen::kFirstGameTurn;
constexpr int32_t kTo = kFrom + 1;

std::unique_ptr<TReport> Generate(int turn)
{
    crgen::GeneratorOptions options;
    options.Seed = 36;
    options.Regions = 200;
    options.UnitsPerRegion = 4;
    options.Turn = turn;
    ScriptedDialogs dialogs;
    NullProgress progress;
    return ReadCR(crgen::GenerateReport(options), dialogs, progress, nullptr);
}

std::unique_ptr<TReport> MergedTurns()
{
    auto database = Generate(1);
    auto added = Generate(2);
    ScriptedDialogs dialogs;
    ScriptedShifts chooser;
    NullProgressPanel panel;
    AdaptationUi ui { dialogs, chooser, panel };
    EXPECT_TRUE(MergeReport(*database, *added, AdaptationOptions {}, ui).Merged);
    return database;
}

// Sets the value of `turn` (none: unknown, as a -1 of a report leaves it).
void SetAt(THistoryInteger& history, int32_t turn, std::optional<int32_t> value)
{
    std::vector<THistoryInteger::Entry> kept;
    for (const THistoryInteger::Entry& entry : history.History()) {
        if (entry.Date != turn)
            kept.push_back(entry);
    }
    history.SetHistory(std::move(kept));
    history.AddValue(turn, value.value_or(-1));
}

bool Both(const THistoryInteger& history)
{
    int found = 0;
    for (const THistoryInteger::Entry& entry : history.History())
        found += entry.Date == kFrom || entry.Date == kTo ? 1 : 0;
    return found == 2;
}

bool ValuesInBoth(const TRegion& region)
{
    return Both(*region.Peasants) && Both(*region.Silver);
}

// Persons of each party observed in `turn`.
std::map<int32_t, TPoliticInfo*> Summaries(const TRegion& region, int32_t turn)
{
    std::map<int32_t, TPoliticInfo*> found;
    for (TPoliticInfo* info : *region.Politic) {
        if (info->Turn == turn && info->RTurn == turn && info->DataValue(TPoliticInfo::Persons) > 1)
            found[info->Party] = info;
    }
    return found;
}

// What a row edited: the region, and the unit, building or ship (-1 none).
struct Target {
    const TRegion* Region = nullptr;
    int32_t Nr = -1;
};

Target FirstRegion(TReport& db, const std::function<bool(TRegion&)>& fits)
{
    for (TRegion* region : *db.Regions) {
        if (ValuesInBoth(*region) && fits(*region))
            return { region };
    }
    ADD_FAILURE() << "the world has no region for this row";
    return {};
}

// Seen in both turns: by its values, or on water by the units there.
bool SeenInBoth(const TRegion& region)
{
    const auto observed = [&region](int32_t turn) {
        return std::any_of(region.Politic->begin(), region.Politic->end(),
            [turn](const TPoliticInfo* info) { return info->Turn == turn && info->RTurn == turn; });
    };
    return ValuesInBoth(region) || (observed(kFrom) && observed(kTo));
}

template <class List, class Edit>
Target FirstEntity(TReport& db, List TRegion::*list, const Edit& edit)
{
    for (TRegion* region : *db.Regions) {
        if (!SeenInBoth(*region))
            continue;
        for (auto* entity : *(region->*list)) {
            if (edit(*entity))
                return { region, entity->Nr };
        }
    }
    ADD_FAILURE() << "the world has no object for this row";
    return {};
}

Target EditUnit(TReport& db, bool ownOnly, const std::function<void(TUnit&)>& edit)
{
    return FirstEntity(db, &TRegion::Units, [&](TUnit& unit) {
        if (!Both(*unit.Count) || !Both(*unit.Silver) || (ownOnly && unit.Party != db.ActiveParty))
            return false;
        edit(unit);
        return true;
    });
}

Target EditBuilding(TReport& db, const std::function<void(TBuilding&)>& edit)
{
    return FirstEntity(db, &TRegion::Buildings, [&](TBuilding& building) {
        if (!Both(*building.Size))
            return false;
        edit(building);
        return true;
    });
}

Target EditShip(TReport& db, const std::function<void(TShip&)>& edit)
{
    return FirstEntity(db, &TRegion::Ships, [&](TShip& ship) {
        if (!Both(*ship.Damage))
            return false;
        edit(ship);
        return true;
    });
}

Target EditValue(TReport& db, SubObject<THistoryInteger> TRegion::*value,
    std::optional<int32_t> before, std::optional<int32_t> after)
{
    return FirstRegion(db, [&](TRegion& region) {
        SetAt(*(region.*value), kFrom, before);
        SetAt(*(region.*value), kTo, after);
        return true;
    });
}

void ForgetTurn(TRegion& region, int32_t turn)
{
    for (auto value : { &TRegion::Peasants, &TRegion::Silver, &TRegion::Trees, &TRegion::Horses,
             &TRegion::Wages })
        SetAt(*(region.*value), turn, std::nullopt);
}

void AddSummary(TReport& db, TRegion& region, int32_t turn, int32_t party, int32_t persons)
{
    auto info = CreateEmpty<TPoliticInfo>(&db);
    info->Turn = turn;
    info->RTurn = turn;
    info->Party = party;
    info->Data->SetLine(TPoliticInfo::Persons, std::to_string(persons));
    region.Politic->Add(std::move(info));
}

// A region where two parties were seen in both turns, the same one the
// strongest; the other becomes the strongest of the newer turn.
Target OvertakeStrongest(TReport& db)
{
    return FirstRegion(db, [](TRegion& region) {
        const auto before = Summaries(region, kFrom);
        const auto after = Summaries(region, kTo);
        if (before.size() < 2 || after.size() != before.size())
            return false;
        int32_t most = 0;
        int32_t strongest = -1;
        for (const auto& [party, info] : after) {
            if (before.count(party) == 0)
                return false;
            if (info->DataValue(TPoliticInfo::Persons) > most) {
                most = info->DataValue(TPoliticInfo::Persons);
                strongest = party;
            }
        }
        for (auto& [party, info] : after) {
            if (party != strongest) {
                info->Data->SetLine(TPoliticInfo::Persons, std::to_string(most + 1000));
                return true;
            }
        }
        return false;
    });
}

bool Recorded(const TReport& db, int32_t kind, int32_t nr)
{
    return std::any_of(db.PastObjects->begin(), db.PastObjects->end(),
        [&](const TPastObject* past) { return past->Kind == kind && past->Nr == nr; });
}

// Adds a recorded state of turn kFrom, as `edit` makes it from the present
// state, for the first unit (ship) without records, both of whose turns
// were seen, that `fits`.
template <class List, class Entity>
Target RecordPast(TReport& db, SubObject<List> TRegion::*list, int32_t kind,
    const std::function<bool(const Entity&)>& fits,
    const std::function<void(TPastObject&, const TRegion&)>& edit)
{
    for (TRegion* region : *db.Regions) {
        if (!SeenInBoth(*region))
            continue;
        for (Entity* entity : *(region->*list)) {
            if (Recorded(db, kind, entity->Nr) || !fits(*entity))
                continue;
            auto past = CreateEmpty<TPastObject>(&db);
            past->Turn = kFrom;
            past->Kind = kind;
            past->Nr = entity->Nr;
            past->Name = entity->Name;
            past->Party = entity->Party;
            past->X = region->CX;
            past->Y = region->CY;
            past->Z = region->CZ;
            edit(*past, *region);
            db.PastObjects->Add(std::move(past));
            return { region, entity->Nr };
        }
    }
    ADD_FAILURE() << "the world has no object for this row";
    return {};
}

Target RecordUnit(
    TReport& db, bool ownOnly, const std::function<void(TPastObject&, const TRegion&)>& edit)
{
    return RecordPast<TUnitList, TUnit>(
        db, &TRegion::Units, TPastObject::Unit,
        [&](const TUnit& unit) {
            return Both(*unit.Count) && (!ownOnly || unit.Party == db.ActiveParty);
        },
        edit);
}

Target RecordShip(TReport& db, const std::function<void(TPastObject&, const TRegion&)>& edit)
{
    return RecordPast<TShipList, TShip>(
        db, &TRegion::Ships, TPastObject::Ship,
        [](const TShip& ship) { return Both(*ship.Damage); }, edit);
}

// Another region seen in both turns than `region`.
void ElsewhereSeen(const TReport& db, TPastObject& past, const TRegion& region)
{
    for (const TRegion* other : *db.Regions) {
        if (other != &region && SeenInBoth(*other)) {
            past.X = other->CX;
            past.Y = other->CY;
            return;
        }
    }
}

// An object that the database holds no more: its record of turn kFrom says
// the next turn did not show it.
Target RecordGone(TReport& db, int32_t kind)
{
    return FirstRegion(db, [&db, kind](TRegion& region) {
        auto past = CreateEmpty<TPastObject>(&db);
        past->Turn = kFrom;
        past->Kind = kind;
        past->Nr = 999'999;
        past->Name = "Verschollen";
        past->Party = db.ActiveParty;
        past->X = region.CX;
        past->Y = region.CY;
        past->Z = region.CZ;
        past->Gone = 1;
        db.PastObjects->Add(std::move(past));
        return true;
    });
}

// The prices of turn kFrom as the present ones with the first price from
// `before` to `after`, in the first region described in both turns.
Target RecordPrices(TReport& db, int32_t before, int32_t after)
{
    return FirstRegion(db, [&](TRegion& region) {
        if (region.Prices->Entries.empty() || region.FullInfoDate != kTo)
            return false;
        TPastPricesList& kept = *db.PastPrices;
        for (size_t i = 0; i < kept.Count(); ++i) {
            if (kept[i]->X == region.CX && kept[i]->Y == region.CY && kept[i]->Z == region.CZ)
                kept.Release(i);
        }
        kept.Pack();
        region.Prices->Entries.front().Price = after;
        auto past = CreateEmpty<TPastPrices>(&db);
        past->Turn = kFrom;
        past->X = region.CX;
        past->Y = region.CY;
        past->Z = region.CZ;
        past->Prices->Entries = region.Prices->Entries;
        past->Prices->Entries.front().Price = before;
        db.PastPrices->Add(std::move(past));
        return true;
    });
}

struct Row {
    const char* Name;
    std::function<Target(TReport&)> Edit;
    std::optional<ChangeKind> Expected; // none: the edit adds no change
    ChangeThresholds Thresholds {};
};

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows {
        { "a fight of the newer turn",
            [](TReport& db) {
                TRegion* region = (*db.Regions)[0];
                TLines& fights = *db.FindParty(db.ActiveParty)->Fights;
                fights.SetText("Kampf in " + region->Name + " (" + std::to_string(region->CX) + ","
                    + std::to_string(region->CY) + ")\r\nDie Angreifer fliehen.\r\n");
                return Target { region };
            },
            ChangeKind::Fight },
        { "another strongest party", OvertakeStrongest, ChangeKind::DominantParty },
        { "a party arrives",
            [](TReport& db) {
                return FirstRegion(db, [&db](TRegion& region) {
                    if (Summaries(region, kFrom).empty() || Summaries(region, kTo).empty())
                        return false;
                    AddSummary(db, region, kTo, 4711, 1);
                    return true;
                });
            },
            ChangeKind::PartyArrived },
        { "a party leaves",
            [](TReport& db) {
                return FirstRegion(db, [&db](TRegion& region) {
                    if (Summaries(region, kFrom).empty() || Summaries(region, kTo).empty())
                        return false;
                    AddSummary(db, region, kFrom, 4711, 1);
                    return true;
                });
            },
            ChangeKind::PartyLeft },
        { "a new unit",
            [](TReport& db) {
                return EditUnit(db, false, [](TUnit& unit) {
                    SetAt(*unit.Count, kFrom, std::nullopt);
                    SetAt(*unit.Silver, kFrom, std::nullopt);
                });
            },
            ChangeKind::UnitNew },
        { "a unit gone",
            [](TReport& db) {
                return EditUnit(db, false, [](TUnit& unit) {
                    SetAt(*unit.Count, kTo, std::nullopt);
                    SetAt(*unit.Silver, kTo, std::nullopt);
                });
            },
            ChangeKind::UnitGone },
        { "a unit gone, kept as its record",
            [](TReport& db) { return RecordGone(db, TPastObject::Unit); }, ChangeKind::UnitGone },
        { "a unit moved",
            [](TReport& db) {
                return RecordUnit(db, false, [&db](TPastObject& past, const TRegion& region) {
                    ElsewhereSeen(db, past, region);
                });
            },
            ChangeKind::UnitMoved },
        { "a unit of another party",
            [](TReport& db) {
                return RecordUnit(
                    db, false, [](TPastObject& past, const TRegion&) { past.Party = 4711; });
            },
            ChangeKind::UnitParty },
        { "a unit of an unknown party before",
            [](TReport& db) {
                return RecordUnit(
                    db, false, [](TPastObject& past, const TRegion&) { past.Party = -1; });
            },
            std::nullopt },
        { "an own unit lost items",
            [](TReport& db) {
                return RecordUnit(db, true, [](TPastObject& past, const TRegion&) {
                    past.ItemsKnown = 1;
                    past.Items->Entries.push_back({ "Schwert", 1000 });
                });
            },
            ChangeKind::ItemsLost },
        { "an own unit whose items were not seen",
            [](TReport& db) {
                return RecordUnit(db, true, [](TPastObject& past, const TRegion&) {
                    past.Items->Entries.push_back({ "Schwert", 1000 });
                });
            },
            std::nullopt },
        { "a unit shrinks",
            [](TReport& db) {
                return EditUnit(db, false, [](TUnit& unit) {
                    SetAt(*unit.Count, kFrom, 10);
                    SetAt(*unit.Count, kTo, 7);
                });
            },
            ChangeKind::UnitShrunk },
        { "a unit grows",
            [](TReport& db) {
                return EditUnit(db, false, [](TUnit& unit) {
                    SetAt(*unit.Count, kFrom, 7);
                    SetAt(*unit.Count, kTo, 10);
                });
            },
            ChangeKind::UnitGrown },
        { "an own unit loses silver beyond the threshold",
            [](TReport& db) {
                return EditUnit(db, true, [](TUnit& unit) {
                    SetAt(*unit.Silver, kFrom, 1000);
                    SetAt(*unit.Silver, kTo, 750);
                });
            },
            ChangeKind::SilverLost },
        { "an own unit loses silver within the threshold",
            [](TReport& db) {
                return EditUnit(db, true, [](TUnit& unit) {
                    SetAt(*unit.Silver, kFrom, 1000);
                    SetAt(*unit.Silver, kTo, 751);
                });
            },
            std::nullopt },
        { "an unknown person count is no change",
            [](TReport& db) {
                return EditUnit(
                    db, false, [](TUnit& unit) { SetAt(*unit.Count, kFrom, std::nullopt); });
            },
            std::nullopt },
        { "a new building",
            [](TReport& db) {
                return EditBuilding(db, [](TBuilding& building) {
                    SetAt(*building.Size, kFrom, std::nullopt);
                    SetAt(*building.Support, kFrom, std::nullopt);
                });
            },
            ChangeKind::BuildingNew },
        { "a building gone",
            [](TReport& db) {
                return EditBuilding(db, [](TBuilding& building) {
                    SetAt(*building.Size, kTo, std::nullopt);
                    SetAt(*building.Support, kTo, std::nullopt);
                });
            },
            ChangeKind::BuildingGone },
        { "a building grows",
            [](TReport& db) {
                return EditBuilding(db, [](TBuilding& building) {
                    SetAt(*building.Size, kFrom, 10);
                    SetAt(*building.Size, kTo, 12);
                });
            },
            ChangeKind::BuildingGrown },
        { "a building shrinks",
            [](TReport& db) {
                return EditBuilding(db, [](TBuilding& building) {
                    SetAt(*building.Size, kFrom, 12);
                    SetAt(*building.Size, kTo, 10);
                });
            },
            ChangeKind::BuildingShrunk },
        { "a new ship",
            [](TReport& db) {
                return EditShip(db, [](TShip& ship) {
                    for (auto* history :
                        { &*ship.Damage, &*ship.Load, &*ship.MaxLoad, &*ship.Percent })
                        SetAt(*history, kFrom, std::nullopt);
                });
            },
            ChangeKind::ShipNew },
        { "a ship gone",
            [](TReport& db) {
                return EditShip(db, [](TShip& ship) {
                    for (auto* history :
                        { &*ship.Damage, &*ship.Load, &*ship.MaxLoad, &*ship.Percent })
                        SetAt(*history, kTo, std::nullopt);
                });
            },
            ChangeKind::ShipGone },
        { "a ship gone, kept as its record",
            [](TReport& db) { return RecordGone(db, TPastObject::Ship); }, ChangeKind::ShipGone },
        { "a ship sailed",
            [](TReport& db) {
                return RecordShip(db, [&db](TPastObject& past, const TRegion& region) {
                    ElsewhereSeen(db, past, region);
                });
            },
            ChangeKind::ShipMoved },
        { "a ship of another party",
            [](TReport& db) {
                return RecordShip(db, [](TPastObject& past, const TRegion&) { past.Party = 4711; });
            },
            ChangeKind::ShipParty },
        { "a ship built on",
            [](TReport& db) {
                return EditShip(db, [](TShip& ship) {
                    SetAt(*ship.Percent, kFrom, 50);
                    SetAt(*ship.Percent, kTo, 80);
                });
            },
            ChangeKind::ShipGrown },
        { "a ship damaged",
            [](TReport& db) {
                return EditShip(db, [](TShip& ship) {
                    SetAt(*ship.Damage, kFrom, 0);
                    SetAt(*ship.Damage, kTo, 20);
                });
            },
            ChangeKind::ShipDamaged },
        { "a region seen first",
            [](TReport& db) {
                return FirstRegion(db, [](TRegion& region) {
                    ForgetTurn(region, kFrom);
                    return true;
                });
            },
            ChangeKind::RegionSeen },
        { "a region no longer seen",
            [](TReport& db) {
                return FirstRegion(db, [](TRegion& region) {
                    ForgetTurn(region, kTo);
                    return true;
                });
            },
            ChangeKind::RegionLost },
        { "peasants at the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 1000, 1100); },
            ChangeKind::Peasants },
        { "peasants below the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 1000, 1099); },
            std::nullopt },
        { "peasants below the least difference",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 100, 149); }, std::nullopt },
        { "peasants below a raised threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 1000, 1400); }, std::nullopt,
            { .Peasants = { 50, 50 } } },
        { "peasants at a raised threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 1000, 1500); },
            ChangeKind::Peasants, { .Peasants = { 50, 50 } } },
        { "unknown peasants of the newer turn",
            [](TReport& db) { return EditValue(db, &TRegion::Peasants, 1000, std::nullopt); },
            std::nullopt },
        { "silver at the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Silver, 1000, 800); },
            ChangeKind::Silver },
        { "silver below the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Silver, 1000, 801); }, std::nullopt },
        { "horses at the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Horses, 50, 60); },
            ChangeKind::Horses },
        { "horses below the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Horses, 50, 59); }, std::nullopt },
        { "trees where there were none",
            [](TReport& db) { return EditValue(db, &TRegion::Trees, 0, 5); }, ChangeKind::Trees },
        { "too few trees where there were none",
            [](TReport& db) { return EditValue(db, &TRegion::Trees, 0, 4); }, std::nullopt },
        { "trees below the threshold",
            [](TReport& db) { return EditValue(db, &TRegion::Trees, 100, 109); }, std::nullopt },
        { "unknown trees of the older turn",
            [](TReport& db) { return EditValue(db, &TRegion::Trees, std::nullopt, 500); },
            std::nullopt },
        { "any change of wages", [](TReport& db) { return EditValue(db, &TRegion::Wages, 11, 12); },
            ChangeKind::Wages },
        { "a price at the threshold", [](TReport& db) { return RecordPrices(db, 100, 120); },
            ChangeKind::Prices },
        { "a price below the threshold", [](TReport& db) { return RecordPrices(db, 100, 119); },
            std::nullopt },
        { "a selling price below the threshold",
            [](TReport& db) { return RecordPrices(db, -100, -119); }, std::nullopt },
        { "a price below a raised threshold",
            [](TReport& db) { return RecordPrices(db, 100, 140); }, std::nullopt,
            { .Prices = { 50, 1 } } },
        { "equal wages", [](TReport& db) { return EditValue(db, &TRegion::Wages, 11, 11); },
            std::nullopt },
    };
    return rows;
}

using Key = std::tuple<ChangeKind, bool, int32_t, int32_t, int32_t, int32_t, std::string>;

std::multiset<Key> Keys(const std::vector<TurnChange>& changes)
{
    std::multiset<Key> keys;
    for (const TurnChange& c : changes)
        keys.insert({ c.Kind, c.Placed, c.X, c.Y, c.Z, c.Nr, c.Text });
    return keys;
}

std::vector<Key> Without(const std::multiset<Key>& a, const std::multiset<Key>& b)
{
    std::vector<Key> left;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(left));
    return left;
}

class TurnChangesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGameData(std::make_unique<GameData>(
            std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", nullptr));
    }
    void TearDown() override { SetGameData(nullptr); }
};

TEST_F(TurnChangesTest, EachEditShowsExactlyItsChange)
{
    const auto plain = MergedTurns();
    const ChangeTurns turns = DefaultChangeTurns(*plain);
    EXPECT_EQ(turns.From, kFrom);
    EXPECT_EQ(turns.To, kTo);

    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.Name);
        const auto before = Keys(TurnChanges(*plain, kFrom, kTo, row.Thresholds));
        const auto db = MergedTurns();
        const Target target = row.Edit(*db);
        ASSERT_NE(target.Region, nullptr);
        const auto after = Keys(TurnChanges(*db, kFrom, kTo, row.Thresholds));
        const auto atTarget = [&](const Key& key) {
            const auto& [kind, placed, x, y, z, nr, text] = key;
            return (placed && x == target.Region->CX && y == target.Region->CY
                       && z == target.Region->CZ)
                || kind == ChangeKind::Fight;
        };
        const std::vector<Key> added = Without(after, before);
        if (row.Expected) {
            ASSERT_EQ(added.size(), 1u);
            EXPECT_EQ(std::get<0>(added[0]), *row.Expected);
            EXPECT_TRUE(atTarget(added[0])) << std::get<6>(added[0]);
            if (target.Nr != -1) {
                EXPECT_EQ(std::get<5>(added[0]), target.Nr);
            }
        } else {
            EXPECT_TRUE(added.empty()) << std::get<6>(added.front());
        }
        for (const Key& gone : Without(before, after))
            EXPECT_TRUE(atTarget(gone)) << "lost elsewhere: " << std::get<6>(gone);
    }
}

// The list shows every change once, under the heading of its kind and
// category, and weighs each region by its heaviest change.
TEST_F(TurnChangesTest, ListAndWeightsFollowTheChanges)
{
    const auto db = MergedTurns();
    const std::vector<TurnChange> changes = TurnChanges(*db, kFrom, kTo, {});
    ASSERT_FALSE(changes.empty());
    std::vector<int32_t> listed;
    for (const ChangeLine& line : ChangeListLines(changes)) {
        if (line.Change >= 0) {
            listed.push_back(line.Change);
            EXPECT_EQ(&LineText(line, changes), &changes[static_cast<size_t>(line.Change)].Text);
        }
    }
    ASSERT_EQ(listed.size(), changes.size());
    for (size_t i = 0; i < listed.size(); ++i)
        EXPECT_EQ(listed[i], static_cast<int32_t>(i));

    const std::vector<ChangeWeight> weights = RegionWeights(*db, changes);
    ASSERT_EQ(weights.size(), db->Regions->Count());
    for (size_t i = 0; i < weights.size(); ++i) {
        const TRegion& region = *(*db->Regions)[i];
        ChangeWeight heaviest = ChangeWeight::None;
        for (const TurnChange& change : changes) {
            if (change.Placed && change.X == region.CX && change.Y == region.CY
                && change.Z == region.CZ)
                heaviest = std::max(heaviest, WeightOf(change.Kind));
        }
        EXPECT_EQ(weights[i], heaviest);
    }
    EXPECT_TRUE(TurnChanges(*db, kTo, kTo, {}).empty());
    EXPECT_EQ(TurnBefore(*db, 1), -1);
}

using Places = std::map<int32_t, std::tuple<int32_t, int32_t, int32_t>>;

Places UnitPlaces(const TReport& report)
{
    Places places;
    for (const TRegion* region : *report.Regions) {
        for (const TUnit* unit : *region->Units)
            places[unit->Nr] = { region->CX, region->CY, region->CZ };
    }
    return places;
}

std::set<int32_t> NumbersOf(const std::vector<TurnChange>& changes, ChangeKind kind)
{
    std::set<int32_t> numbers;
    for (const TurnChange& change : changes) {
        if (change.Kind == kind)
            numbers.insert(change.Nr);
    }
    return numbers;
}

// The generated world moves and drops units and changes prices from one
// turn to the next: the merge keeps what the newer turn replaced, the
// database file keeps it too, and the changes name exactly those units.
TEST_F(TurnChangesTest, MergedTurnsKeepMovedAndDroppedUnits)
{
    const Places before = UnitPlaces(*Generate(1));
    const Places after = UnitPlaces(*Generate(2));
    const auto db = MergedTurns();
    std::set<int32_t> gone;
    std::set<int32_t> moved;
    for (const auto& [nr, place] : before) {
        const auto now = after.find(nr);
        if (now != after.end()) {
            if (now->second != place)
                moved.insert(nr);
            continue;
        }
        const auto& [x, y, z] = place;
        const TRegion* region = db->FindRegion(x, y, z);
        if (region != nullptr && SeenInBoth(*region))
            gone.insert(nr);
    }
    ASSERT_FALSE(gone.empty());
    ASSERT_FALSE(moved.empty());

    const std::vector<TurnChange> changes = TurnChanges(*db, kFrom, kTo, {});
    EXPECT_EQ(NumbersOf(changes, ChangeKind::UnitGone), gone);
    EXPECT_EQ(NumbersOf(changes, ChangeKind::UnitMoved), moved);
    EXPECT_FALSE(NumbersOf(changes, ChangeKind::Prices).empty());

    TMemoryStream stream;
    NullProgress progress;
    WriteReport(*db, stream, progress);
    stream.Seek(0, SeekOrigin::Beginning);
    const auto loaded = ReadReport(stream, progress);
    EXPECT_EQ(Keys(TurnChanges(*loaded, kFrom, kTo, {})), Keys(changes));
}

// A database merged over many turns keeps the earlier states of the newest
// turns only, and the changes of its newest two turns stay what the
// untrimmed database gives, also after saving and loading.
TEST_F(TurnChangesTest, MergesKeepTheEarlierStatesOfTheNewestTurns)
{
    constexpr int kTurns = 6;
    const auto merged = [](int32_t pastTurns) {
        auto database = Generate(1);
        for (int turn = 2; turn <= kTurns; ++turn) {
            auto added = Generate(turn);
            ScriptedDialogs dialogs;
            ScriptedShifts chooser;
            NullProgressPanel panel;
            AdaptationUi ui { dialogs, chooser, panel };
            EXPECT_TRUE(MergeReport(*database, *added, AdaptationOptions {}, ui, pastTurns).Merged);
        }
        return database;
    };
    const auto full = merged(kTurns);
    const int32_t newest = full->Turn;
    for (const int32_t pastTurns : { 1, 2, 4 }) {
        SCOPED_TRACE(pastTurns);
        const auto db = merged(pastTurns);
        std::set<int32_t> turns;
        for (const TPastObject* past : *db->PastObjects)
            turns.insert(past->Turn);
        for (const TPastPrices* past : *db->PastPrices)
            turns.insert(past->Turn);
        EXPECT_EQ(turns.size(), static_cast<size_t>(pastTurns));
        EXPECT_LT(db->PastObjects->Count(), full->PastObjects->Count());

        TMemoryStream stream;
        NullProgress progress;
        WriteReport(*db, stream, progress);
        stream.Seek(0, SeekOrigin::Beginning);
        const auto loaded = ReadReport(stream, progress);
        EXPECT_EQ(loaded->PastObjects->Count(), db->PastObjects->Count());
        const auto expected = Keys(TurnChanges(*full, newest - 1, newest, {}));
        EXPECT_EQ(Keys(TurnChanges(*db, newest - 1, newest, {})), expected);
        EXPECT_EQ(Keys(TurnChanges(*loaded, newest - 1, newest, {})), expected);
    }
}

} // namespace
} // namespace maprune::test
