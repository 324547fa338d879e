// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the order checker's output and as the order
// file it speaks of. Reading them must never crash or hang, every counted
// message must be listed, and every link must point into the report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/lines.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/checker_results.h"

namespace {

// Units 1 and a (base 36) in region 0,0 and unit 10 in region 1,1,1.
std::unique_ptr<maprune::TReport> SmallReport()
{
    using namespace maprune;
    auto report = CreateEmpty<TReport>(nullptr);
    int z = 0;
    for (const std::vector<int32_t>& numbers : { std::vector<int32_t> { 1, 10 }, { 36 } }) {
        auto region = CreateEmpty<TRegion>(report.get());
        region->CX = region->CY = region->CZ = z++;
        for (int32_t nr : numbers) {
            auto unit = CreateEmpty<TUnit>(report.get());
            unit->Nr = nr;
            region->Units->Add(std::move(unit));
        }
        report->Regions->Add(std::move(region));
    }
    return report;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The part before the first NUL is the order file, the rest the output.
    const size_t split = bytes.find('\0');
    const std::vector<std::string> orders = maprune::SplitLines(bytes.substr(0, split));
    const std::vector<std::string> output = maprune::SplitLines(
        split == std::string::npos ? std::string() : bytes.substr(split + 1));
    std::unique_ptr<maprune::TReport> report = SmallReport();
    const maprune::CheckerResults results = maprune::ShowResults(*report, orders, output, {});
    if (static_cast<size_t>(results.Warnings + results.Errors) > results.Entries.size()
        || results.Entries.size() > output.size())
        __builtin_trap();
    for (const maprune::CheckerEntry& entry : results.Entries) {
        bool found = entry.Link.Region == nullptr && entry.Link.Unit == nullptr;
        for (maprune::TRegion* region : *report->Regions) {
            if (region != entry.Link.Region)
                continue;
            found = entry.Link.Unit == nullptr;
            for (maprune::TUnit* unit : *region->Units)
                found = found || unit == entry.Link.Unit;
        }
        if (!found)
            __builtin_trap();
    }
    return 0;
}
