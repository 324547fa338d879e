// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an order file read into a small report. The
// reader must end in a result or in its error, never crash, hang or leak,
// and must leave every unit it does not name as it was.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/error.h"
#include "model/lines.h"
#include "model/report.h"
#include "report/order_reader.h"

namespace {

// Answers Yes or No by the bits of the input's first byte, one per question.
class BitDialogs : public maprune::Dialogs {
public:
    explicit BitDialogs(uint8_t bits) : FBits(bits) {}
    maprune::DialogButton ShowMessage(maprune::MessageKind, const std::string&,
                                      maprune::DialogButtons buttons) override
    {
        const bool yes = (FBits & 1u) != 0;
        FBits = static_cast<uint8_t>((FBits >> 1) | (FBits << 7));
        if ((buttons & maprune::ButtonYes) != 0)
            return yes ? maprune::ButtonYes : maprune::ButtonNo;
        return maprune::ButtonOk;
    }

private:
    uint8_t FBits;
};

// Party 1 with password "geheim"; units 1, a, zz and 10 (base 36) in two
// regions; unit 99 keeps its orders unless the file names it.
std::unique_ptr<maprune::TReport> SmallReport()
{
    using namespace maprune;
    auto report = CreateEmpty<TReport>(nullptr);
    auto party = CreateEmpty<TParty>(report.get());
    party->Nr = 1;
    party->Turn = 5;
    party->Type_ = "Menschen";
    party->Password = "geheim";
    report->Parties->Add(std::move(party));
    report->Finish();
    int z = 0;
    for (const std::vector<int32_t>& numbers : {std::vector<int32_t>{1, 10, 99}, {1295, 36}}) {
        auto region = CreateEmpty<TRegion>(report.get());
        region->CZ = z++;
        for (int32_t nr : numbers) {
            auto unit = CreateEmpty<TUnit>(report.get());
            unit->Nr = nr;
            unit->Party = 1;
            unit->Commands->Add("ARBEITE");
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
    const std::vector<std::string> lines = maprune::SplitLines(bytes);
    std::unique_ptr<maprune::TReport> report = SmallReport();
    BitDialogs dialogs(size > 0 ? data[0] : 0);
    try {
        maprune::ReadOrderFile(*report, lines, dialogs);
    } catch (const maprune::Error&) {
    }
    if (bytes.find("99") == std::string::npos) {
        const maprune::TUnit* untouched = (*(*report->Regions)[0]->Units)[2];
        if (untouched->Commands->Count() != 1 || untouched->Commands->Line(0) != "ARBEITE")
            __builtin_trap();
    }
    return 0;
}
