// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as calculator input over a small report. The
// lexer, the parser and the evaluation must end in a value or a message,
// never crash, hang or leak, however deep or long the input.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/report.h"
#include "tools/calculator/calculator_answer.h"

namespace {

std::unique_ptr<maprune::TReport> SmallReport()
{
    using namespace maprune;
    auto report = CreateEmpty<TReport>(nullptr);
    report->ActiveParty = 7;
    auto party = CreateEmpty<TParty>(report.get());
    party->Nr = 7;
    report->Parties->Add(std::move(party));
    auto region = CreateEmpty<TRegion>(report.get());
    region->Name = "Tiefental";
    region->Peasants->AddValue(5, 1200);
    auto unit = CreateEmpty<TUnit>(report.get());
    unit->Nr = 46;
    region->Units->Add(std::move(unit));
    report->Regions->Add(std::move(region));
    return report;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<maprune::TReport> report = SmallReport();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    maprune::Calculate(report.get(), text);
    return 0;
}
