// SPDX-License-Identifier: GPL-3.0-or-later
// The order check on a generated world of 40,000 regions: all orders of a
// party of 1,000 units (the lines of its order file), the re-check of one
// unit after an edit as the orders editor does it (its scope and its lines),
// and a completion list. Prints the best of several runs against the aims.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "bench/generated_reports.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/lines.h"
#include "model/region.h"
#include "model/unit.h"
#include "orders/language/order_check.h"
#include "orders/language/order_completion.h"
#include "orders/language/order_grammar.h"
#include "orders/language/report_scope.h"
#include "orders/order_file.h"
#include "orders/unit_orders.h"

using namespace maprune;

namespace {

constexpr int kRegions = 40000;
constexpr size_t kPartyUnits = 1000;
constexpr int kRuns = 7;

struct PlacedUnit {
    TRegion* Region;
    TUnit* Unit;
};

// Gives the first kPartyUnits units of the world to the active party, each
// with the orders of a busy turn, and takes the rest away from it.
std::vector<PlacedUnit> PrepareParty(TReport& report)
{
    std::vector<PlacedUnit> party;
    for (TRegion* region : *report.Regions) {
        for (TUnit* unit : *region->Units) {
            if (party.size() >= kPartyUnits) {
                if (unit->Party == report.ActiveParty)
                    unit->Party = report.ActiveParty + 1;
                continue;
            }
            unit->Party = report.ActiveParty;
            const TUnit* other = region->Units->Count() > 1 ? (*region->Units)[0] : unit;
            const std::string to = report.FormatNr(other->Nr);
            ReplaceUnitOrders(*unit,
                { "LERNE Hiebwaffen", "GIB " + to + " 50 Silber", "KAUFE 5 Juwel",
                    "NACH o so nw ; weiter", "MACHE TEMP 1", "REKRUTIERE 2", "LERNE Reiten", "ENDE",
                    "GIB TEMP 1 20 Silber", "@BEWACHE" });
            party.push_back({ region, unit });
        }
    }
    return party;
}

template <typename Work> double BestMilliseconds(Work work)
{
    bench::Times times;
    for (int run = 0; run < kRuns; ++run) {
        const bench::Stopwatch watch;
        work();
        times.Keep(watch);
    }
    return times.Wall * 1000.0;
}

} // namespace

int main(int, char** argv)
{
    SetProgramPath(argv[0]);
    crgen::GeneratorOptions options;
    options.Regions = kRegions;
    options.Format = crgen::kTodayFormat;
    const std::unique_ptr<TReport> report = bench::ReadGenerated(crgen::GenerateReport(options));
    const std::vector<PlacedUnit> party = PrepareParty(*report);
    const OrderGrammar grammar(GameDataInstance());
    SilentDialogs dialogs;

    std::vector<std::string> lines;
    const double build = BestMilliseconds([&] {
        lines = BuildOrderFile(*report, dialogs);
        for (std::string& line : lines)
            line = DisplayText(line);
    });
    size_t findings = 0;
    const double whole
        = BestMilliseconds([&] { findings = CheckOrderFile(grammar, *report, lines).size(); });
    const PlacedUnit& edited = party[party.size() / 2];
    std::vector<std::string> unitLines;
    for (const std::string& line : edited.Unit->Commands->Lines())
        unitLines.push_back(DisplayText(line));
    const double unit = BestMilliseconds([&] {
        const OrderScope scope = ScopeOfUnit(*report, edited.Region, edited.Unit);
        CheckUnitOrders(grammar, scope, unitLines);
    });
    size_t candidates = 0;
    const double completion = BestMilliseconds([&] {
        const OrderScope scope = ScopeOfUnit(*report, edited.Region, edited.Unit);
        candidates = CompleteOrder(grammar, scope, "GIB ", 4).Candidates.size()
            + CompleteOrder(grammar, scope, "GIB 1 5 ", 8).Candidates.size();
    });
    std::printf("order check, %d regions, party of %zu units (%zu findings)\n", kRegions,
        party.size(), findings);
    std::printf("  order file built (not part of the check):   %8.3f ms\n", build);
    std::printf("  whole party checked (%zu lines):          %8.3f ms  (aim < 50 ms)\n",
        lines.size(), whole);
    std::printf("  one unit re-checked after an edit:           %8.3f ms  (aim < 1 ms)\n", unit);
    std::printf("  completion, two lists (%zu candidates):     %8.3f ms  (aim < 5 ms)\n",
        candidates, completion);
    return whole < 50 && unit < 1 && completion < 5 ? 0 : 1;
}
