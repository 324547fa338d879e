// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry_lists.h"

#include "model/property_builders.h"

namespace maprune {

MAPRUNE_DEFINE_SHAPED_CLASS(TPrices, TReportItem, Prices)

MAPRUNE_DEFINE_SHAPED_CLASS(TTalents, TReportItem, Talents)

MAPRUNE_DEFINE_SHAPED_CLASS(TItems, TReportItem, Items)

} // namespace maprune
