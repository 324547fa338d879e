// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/politic_info.h"

#include <algorithm>
#include <charconv>

#include "model/property_builders.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

const ClassInfo& TPoliticInfo::StaticClass()
{
    using P = TPoliticInfo;
    static const ClassInfo info = MakeClassInfo<TPoliticInfo>(
        "TPoliticInfo", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
                         {IntProperty<TReportItem, &TReportItem::Turn>("Turn").WithDefault(-1),
                          ObjectProperty<P, TLines, &P::Data>("Data"),
                          IntProperty<P, &P::Party>("Party").WithDefault(-1),
                          IntProperty<P, &P::RTurn>("RTurn").WithDefault(-1)}));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TPoliticInfoList, TReportItemList)

void TPoliticInfo::InitFields()
{
    TReportItem::InitFields();
    for (int i = 0; i < 4; ++i)
        Data->Add("-1");
}

int32_t TPoliticInfo::DataValue(DataLine line) const
{
    if (line >= Data->Count())
        return -1;
    const std::string& text = Data->Line(line);
    int32_t value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

TPoliticInfo& TPoliticInfo::CreateForParty(TReport* owner, int32_t party, TRegion& region)
{
    auto summary = CreateEmpty<TPoliticInfo>(owner);
    summary->Party = party;
    summary->Turn = region.ReadTurn;

    int64_t persons = 0;
    int64_t guards = 0;
    int64_t armed = 0;
    for (const TUnit* unit : *region.Units) {
        if (unit == nullptr || unit->Party != party)
            continue;
        // An unknown count (-1) must not lower the sums.
        const int32_t count = std::max(0, unit->Count->CurrentValue());
        persons += count;
        if (unit->Observes != 0)
            guards += count;
        armed += std::min(count, unit->Weapons);
    }

    if (persons >= 1) {
        summary->Data->SetLine(Armed, std::to_string(armed));
        summary->Data->SetLine(Persons, std::to_string(persons));
        summary->Data->SetLine(Guards, std::to_string(guards));
        summary->RTurn = summary->Turn;
    } else {
        const TPoliticInfo* newest = nullptr;
        for (const TPoliticInfo* old : *region.Politic) {
            if (old != nullptr && old->Party == party && (newest == nullptr || old->Turn > newest->Turn))
                newest = old;
        }
        if (newest != nullptr) {
            for (int i = 0; i < 4 && i < newest->Data->Count(); ++i)
                summary->Data->SetLine(i, newest->Data->Line(i));
            summary->RTurn = newest->Turn;
        }
    }

    TPoliticInfo& added = *summary;
    region.Politic->Add(std::move(summary));
    return added;
}

} // namespace maprune
