// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/regions/list_series.h"

#include <cstdint>
#include <utility>

#include "core/text_encoding.h"
#include "model/building.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/lines/line_number.h"

namespace maprune {

namespace {

template <typename List> const TNamedItem* FindByNumber(const List& list, int32_t nr)
{
    for (const auto* item : list) {
        if (item != nullptr && item->Nr == nr)
            return item;
    }
    return nullptr;
}

// "Name (nr): " with the number as the report writes it.
std::string TitleOf(const TReport& report, const TNamedItem& item)
{
    return DisplayText(item.Name) + " (" + report.FormatNr(item.Nr) + "): ";
}

} // namespace

std::vector<ListSeries> UnitListSeries(const TReport& report, const TUnit& unit)
{
    // The calculator reads a plain number as decimal, whatever the base.
    const std::string title = TitleOf(report, unit);
    const std::string object = "einheit[" + std::to_string(unit.Nr) + "].";
    return { { title + "Anzahl Personen", object + "anzahl" },
        { title + "Silber", object + "silber" } };
}

std::vector<ListSeries> PlaceListSeries(
    const TReport& report, const TRegion& region, std::string_view line, bool building)
{
    const int32_t nr = NumberInLine(line, report.Basis);
    const TNamedItem* found
        = building ? FindByNumber(*region.Buildings, nr) : FindByNumber(*region.Ships, nr);
    if (found == nullptr)
        return {};
    using Fields = std::vector<std::pair<const char*, const char*>>;
    const Fields fields = building
        ? Fields { { "Größe", "groesse" }, { "Unterhalt", "unterhalt" } }
        : Fields { { "Beschädigung", "beschaedigung" }, { "Baufortschritt", "fortschritt" },
              { "Beladung", "ladung" }, { "max. Beladung", "maxladung" } };
    const std::string title = TitleOf(report, *found);
    const std::string object
        = (building ? "gebaeude[" : "schiff[") + std::to_string(found->Nr) + "].";
    std::vector<ListSeries> series;
    for (const auto& [caption, field] : fields)
        series.push_back({ title + caption, object + field });
    return series;
}

} // namespace maprune
