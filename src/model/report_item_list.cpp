// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/report_item_list.h"

#include <algorithm>

#include "core/error.h"
#include "model/property_builders.h"

namespace maprune {

MAPRUNE_DEFINE_SHAPED_CLASS(TReportItemList, TReportItem, List)

void TReportItemList::Add(std::unique_ptr<TReportItem> item)
{
    Insert(FItems.size(), std::move(item));
}

void TReportItemList::Insert(size_t index, std::unique_ptr<TReportItem> item)
{
    if (!item->Class().IsA(ElementClass())) {
        throw Error(std::string(ClassName()) + ".Add: an object of class "
            + std::string(item->ClassName()) + " does not belong into this list");
    }
    TReportItem* added = item.get();
    FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(std::min(index, FItems.size())),
        std::move(item));
    added->SetOwner(Owner());
}

void TReportItemList::Pack()
{
    FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
}

std::unique_ptr<TReportItem> TReportItemList::Extract(size_t index)
{
    std::unique_ptr<TReportItem> item = std::move(FItems[index]);
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index));
    return item;
}

void TReportItemList::SetOwnerOfElements(TReport* newOwner)
{
    for (const auto& item : FItems) {
        if (item != nullptr)
            item->SetOwner(newOwner);
    }
}

} // namespace maprune
