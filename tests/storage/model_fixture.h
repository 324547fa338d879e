// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/game_data.h"
#include "model/report.h"

// Installs a small terrain table (Ebene, Berge with iron and laen, Ozean as
// water) as the game data for the lifetime of the object.
class TestTerrains {
public:
    TestTerrains()
    {
        std::vector<maprune::GameRecord> records;
        records.push_back(Terrain("Ebene", 1, 5, false, false, false));
        records.push_back(Terrain("Berge", 2, 7, false, true, true));
        records.push_back(Terrain("Ozean", 8, 1, true, false, false));
        maprune::SetGameData(std::make_unique<maprune::GameData>(std::move(records)));
    }
    ~TestTerrains() { maprune::SetGameData(nullptr); }
    TestTerrains(const TestTerrains&) = delete;
    TestTerrains& operator=(const TestTerrains&) = delete;

private:
    static maprune::GameRecord Terrain(const char* name, uint8_t number, int32_t picture,
                                       bool water, bool iron, bool laen)
    {
        maprune::GameRecord r;
        r.Singular = name;
        r.Names = name;
        r.SetByte(16, maprune::KindTerrain);
        r.SetByte(24, water ? 1 : 0);
        r.SetInt32(32, picture);
        r.SetByte(40, iron ? 1 : 0);
        r.SetByte(41, laen ? 1 : 0);
        r.SetByte(73, number);
        return r;
    }
};

template <class T>
T& AddTo(maprune::TTypedList<T>& list)
{
    auto item = maprune::CreateEmpty<T>(list.Owner());
    T& added = *item;
    list.Add(std::move(item));
    return added;
}

// A finished report that uses every kind of stored value: parties with
// allies, texts and histories; a land, a mountain and a water region with
// units, items, talents, prices, a ship, a building and political
// summaries; spells and potions. Its regions' derived values are those a
// load computes. Needs TestTerrains.
std::unique_ptr<maprune::TReport> SampleReport();

// Adds a GoogleTest failure for every stored property, list element, history
// entry or table entry in which `a` and `b` differ; `where` names the place.
void ExpectSameStoredContent(const maprune::TReportItem& a, const maprune::TReportItem& b,
                             const std::string& where = "report");

// The bytes of WriteObject(item).
std::string RecordOf(const maprune::TReportItem& item);

// Whether `bytes` contain the property name `name` as a short string.
bool HasPropertyName(const std::string& bytes, const std::string& name);
