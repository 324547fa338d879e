// SPDX-License-Identifier: GPL-3.0-or-later
// GetItem on names that are cached already, the case of every unit list,
// weight sum and map redraw, over a table of 300 item records. Reference:
// the same look-ups in a plain std::unordered_map from name to record;
// "ratio" is GetItem's time over the reference's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/game_data.h"

using namespace maprune;

namespace {

constexpr int kRecords = 300;

// Names as long as the item names of a report, from "Öl" to "Laenkettenhemd".
std::string ItemName(int i)
{
    static const char* const stems[] = { "Schwert", "Pferd", "Laenkettenhemd", "Öl", "Juwel",
        "Mallornbogen", "Weihrauch", "Wagen" };
    return std::string(stems[i % 8]) + std::to_string(i);
}

std::vector<GameRecord> Records()
{
    std::vector<GameRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        records[i].Singular = records[i].Plural = records[i].Names = ItemName(i);
        records[i].SetByte(16, KindItem);
    }
    return records;
}

// The names looked up: `count` of them, spread over the table.
std::vector<std::string> Names(int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(ItemName(i * kRecords / count));
    return names;
}

// Times `lookups` look-ups of the names, round robin, in nanoseconds.
template <typename Lookup>
double TimeLookups(const std::vector<std::string>& names, int64_t lookups, Lookup lookup)
{
    const auto start = std::chrono::steady_clock::now();
    size_t i = 0;
    for (int64_t n = 0; n < lookups; ++n) {
        benchmark::DoNotOptimize(lookup(names[i]));
        i = i + 1 == names.size() ? 0 : i + 1;
    }
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_GetItemCached(benchmark::State& state)
{
    GameData data(Records());
    const std::vector<std::string> names = Names(static_cast<int>(state.range(0)));
    const auto getItem = [&](const std::string& name) { return &data.GetItem(name, kinds::Items); };
    for (const std::string& name : names)
        getItem(name); // fills the cache
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(getItem(names[i]));
        i = i + 1 == names.size() ? 0 : i + 1;
    }

    // The reference and GetItem once more, timed alike and after each other,
    // so that the ratio compares like with like.
    const std::vector<GameRecord> records = Records();
    std::unordered_map<std::string, const GameRecord*> map;
    for (const GameRecord& r : records)
        map.emplace(r.Names, &r);
    const int64_t lookups = std::max<int64_t>(state.iterations(), 1000000);
    const double own = TimeLookups(names, lookups, getItem);
    const double reference = TimeLookups(
        names, lookups, [&](const std::string& name) { return map.find(name)->second; });

    state.SetItemsProcessed(state.iterations());
    state.counters["names"] = static_cast<double>(names.size());
    state.counters["records"] = kRecords;
    state.counters["ns/op"] = own / static_cast<double>(lookups);
    state.counters["map_ns/op"] = reference / static_cast<double>(lookups);
    state.counters["ratio"] = own / reference;
}
BENCHMARK(BM_GetItemCached)->Arg(8)->Arg(64)->Arg(300);

} // namespace
