// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/entry_lists.h"

#include "model/property_builders.h"

namespace maprune {

MAPRUNE_DEFINE_PLAIN_CLASS(TPrices, TReportItem)

MAPRUNE_DEFINE_PLAIN_CLASS(TTalents, TReportItem)

MAPRUNE_DEFINE_PLAIN_CLASS(TItems, TReportItem)

} // namespace maprune
