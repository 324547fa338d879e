// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_report.h"

#include <map>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "core/model_text.h"
#include "report/merge_entities.h"
#include "report/merge_party.h"
#include "report/merge_past.h"
#include "report/merge_region.h"
#include "report/progress_panel.h"
#include "report/report_encoding.h"

namespace maprune {

namespace {

constexpr char kSeriesSeparator = '\x02';
constexpr size_t kRegionsPerEvents = 256;

std::vector<std::string> SplitSeries(const std::string& series)
{
    std::vector<std::string> definitions;
    size_t start = 0;
    while (start <= series.size()) {
        const size_t end = std::min(series.find(kSeriesSeparator, start), series.size());
        definitions.push_back(series.substr(start, end - start));
        start = end + 1;
    }
    return definitions;
}

// Appends the chart series of `added` that `series` lacks, so that merging a
// database twice does not chart every series twice.
void JoinSeries(std::string& series, const std::string& added)
{
    if (added.empty())
        return;
    std::unordered_set<std::string> known;
    if (!series.empty()) {
        for (std::string& definition : SplitSeries(series))
            known.insert(std::move(definition));
    }
    for (const std::string& definition : SplitSeries(added)) {
        if (definition.empty() || !known.insert(definition).second)
            continue;
        if (!series.empty())
            series += kSeriesSeparator;
        series += definition;
    }
}

void MergeHeader(TReport& dest, TReport& src, const MergeTurns& turns)
{
    MergeProperties(dest, src, turns.SrcNewer());
    JoinSeries(dest.Series, src.Series);
}

void MergeRegions(
    TReport& dest, TReport& src, const MergeTurns& turns, PastRecorder& past, Progress& bar)
{
    // Regions created here are not in dest's index; a second region of src
    // at the same place must find them all the same.
    std::map<std::tuple<int32_t, int32_t, int32_t>, TRegion*> created;
    dest.SetIndexed(true);
    const size_t count = src.Regions->Count();
    for (size_t i = 0; i < count; ++i) {
        if (TRegion* s = (*src.Regions)[i]) {
            const auto place = std::make_tuple(s->CX, s->CY, s->CZ);
            TRegion* d = dest.FindRegion(s->CX, s->CY, s->CZ);
            if (d == nullptr) {
                const auto it = created.find(place);
                d = it != created.end() ? it->second : nullptr;
            }
            if (d != nullptr) {
                past.ComparePrices(*d, *s);
                MergeRegion(*d, *s, turns);
            } else {
                auto region = CreateEmpty<TRegion>(&dest);
                CopyRegion(*region, *s);
                created.emplace(place, region.get());
                dest.Regions->Add(std::move(region));
            }
        }
        bar.SetPosition(static_cast<int>(i + 1));
        if ((i + 1) % kRegionsPerEvents == 0)
            bar.ProcessEvents();
    }
    dest.SetIndexed(false);
}

void MergeParties(TReport& dest, TReport& src)
{
    std::unordered_map<int32_t, TParty*> known;
    for (TParty* party : *dest.Parties) {
        if (party != nullptr)
            known.try_emplace(party->Nr, party);
    }
    for (size_t i = 0; i < src.Parties->Count(); ++i) {
        TParty* s = (*src.Parties)[i];
        if (s == nullptr)
            continue;
        if (const auto it = known.find(s->Nr); it != known.end()) {
            MergeParty(*it->second, *s);
        } else {
            known.emplace(s->Nr, s);
            dest.Parties->Add(src.Parties->Release(i));
        }
    }
    src.Parties->Pack();
}

// Moves the spells (potions) of `from` whose names `to` lacks, compared
// ignoring case.
template <class List, class Item> void TakeNewByName(List& to, List& from, std::string Item::*name)
{
    std::unordered_set<std::u32string> known;
    for (const Item* item : to) {
        if (item != nullptr)
            known.insert(FoldedText(item->*name));
    }
    for (size_t i = 0; i < from.Count(); ++i) {
        const Item* item = from[i];
        if (item != nullptr && known.insert(FoldedText(item->*name)).second)
            to.Add(from.Release(i));
    }
    from.Pack();
}

} // namespace

MergeResult MergeReport(TReport& dest, TReport& src, const AdaptationOptions& options,
    AdaptationUi& ui, int32_t pastTurns)
{
    const MergeTurns turns { dest.Turn, src.Turn };
    MergeResult result;
    result.SrcNewer = turns.SrcNewer();
    result.AddedTurn = turns.Src;

    Progress& adaptationBar = ui.Panel.Bar(PanelBar::Adaptation);
    adaptationBar.SetRange(1000);
    adaptationBar.SetPosition(0);
    Progress& regionBar = ui.Panel.Bar(PanelBar::Regions);
    regionBar.SetRange(static_cast<int>(src.Regions->Count()));
    regionBar.SetPosition(0);

    TReport& older = turns.SrcNewer() ? dest : src;
    const TReport& newer = turns.SrcNewer() ? src : dest;
    result.Adaptation = PlanAdaptation(older, newer, options, ui);
    if (result.Adaptation.Refused())
        return result;
    // The one place where bytes of the texts change: the database keeps one
    // encoding, so that a name has one spelling whatever its report used.
    if (ReportEncoding(src) != ReportEncoding(dest))
        ConvertReportTexts(src, ReportEncoding(dest));
    // Built before anything changes, so that the one error the merge can
    // raise leaves the database as it was.
    const std::unique_ptr<TNIList> units = IndexUnits(src);
    const std::unique_ptr<TNIList> buildings = IndexBuildings(src);
    const std::unique_ptr<TNIList> ships = IndexShips(src);

    MergeHeader(dest, src, turns);
    ApplyAdaptation(older, result.Adaptation);
    PastRecorder past(dest, src, turns);
    past.TakeRecords(src);
    MergeRegions(dest, src, turns, past, regionBar);
    MergeUnits(dest, src, *units, turns, past);
    MergeBuildings(dest, src, *buildings, turns, past);
    MergeShips(dest, src, *ships, turns, past);
    dest.SetIndexed(false);
    MergeParties(dest, src);
    dest.Finish();
    TakeNewByName(*dest.Spells, *src.Spells, &TSpell::Spell);
    TakeNewByName(*dest.Potions, *src.Potions, &TPotion::Potion);
    TrimPastStates(dest, pastTurns);
    result.Merged = true;
    return result;
}

} // namespace maprune
