// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/entry_lists.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report_item_list.h"

namespace maprune {

// Overloaded handlers for VisitShape: ShapeHandlers{[](const TLines&) {...}, ...}.
template <class... Handler> struct ShapeHandlers : Handler... {
    using Handler::operator()...;
};
// Spelled out for compilers without class template argument deduction for aggregates.
template <class... Handler> ShapeHandlers(Handler...) -> ShapeHandlers<Handler...>;

namespace shape_detail {

template <class Target, class Item> Target& As(Item& item)
{
    return static_cast<Target&>(item);
}

template <class Item, class Visitor> decltype(auto) Visit(Item& item, Visitor&& visit)
{
    constexpr bool kConst = std::is_const_v<Item>;
    auto as = [&item]<class T>() -> auto&
    {
        return As<std::conditional_t<kConst, const T, T>>(item);
    };
    switch (item.Class().Shape) {
    case ItemShape::History:
        return visit(as.template operator()<THistoryInteger>());
    case ItemShape::Lines:
        return visit(as.template operator()<TLines>());
    case ItemShape::Prices:
        return visit(as.template operator()<TPrices>());
    case ItemShape::Items:
        return visit(as.template operator()<TItems>());
    case ItemShape::Talents:
        return visit(as.template operator()<TTalents>());
    case ItemShape::List:
        return visit(as.template operator()<TReportItemList>());
    case ItemShape::Plain:
        break;
    }
    return visit(item);
}

} // namespace shape_detail

// The one place that tells the special shapes of report items apart: calls
// `visit` with `item` as its shape's class (THistoryInteger, TLines, TPrices,
// TItems, TTalents, TReportItemList) or, for every other item, as the plain
// TReportItem. The handlers overload on those classes; entry tables may be
// taken together as TEntryList<Entry>. All handlers return the same type.
template <class Visitor> decltype(auto) VisitShape(const TReportItem& item, Visitor&& visit)
{
    return shape_detail::Visit(item, visit);
}

template <class Visitor> decltype(auto) VisitShape(TReportItem& item, Visitor&& visit)
{
    return shape_detail::Visit(item, visit);
}

} // namespace maprune
