// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/class_registry.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "model/report.h"

namespace maprune {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                  return std::tolower(static_cast<unsigned char>(x))
                         == std::tolower(static_cast<unsigned char>(y));
              });
}

} // namespace

const ClassInfo* FindRegisteredClass(std::string_view name)
{
    static const std::array<const ClassInfo*, 30> registered = {
        &TPotion::StaticClass(),      &TSpell::StaticClass(),        &TAlly::StaticClass(),
        &TAllies::StaticClass(),      &TBuilding::StaticClass(),     &TItems::StaticClass(),
        &TLines::StaticClass(),       &TNamedItem::StaticClass(),    &TParty::StaticClass(),
        &TPotions::StaticClass(),     &TPrices::StaticClass(),       &TRegion::StaticClass(),
        &TReport::StaticClass(),      &TReportItem::StaticClass(),   &TShip::StaticClass(),
        &TSpells::StaticClass(),      &TTalents::StaticClass(),      &TUnit::StaticClass(),
        &TBuildingList::StaticClass(), &TUnitList::StaticClass(),    &TPartyList::StaticClass(),
        &TShipList::StaticClass(),    &TRegionList::StaticClass(),   &TPoliticInfoList::StaticClass(),
        &TPoliticInfo::StaticClass(), &THistoryInteger::StaticClass(), &TPastObject::StaticClass(),
        &TPastObjectList::StaticClass(), &TPastPrices::StaticClass(), &TPastPricesList::StaticClass()};
    for (const ClassInfo* info : registered) {
        if (EqualIgnoringCase(info->Name, name))
            return info;
    }
    return nullptr;
}

} // namespace maprune
