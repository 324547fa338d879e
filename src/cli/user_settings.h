// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/regions/region_view.h"

namespace maprune::cli {

// The region window's options from the user's settings, read without
// writing anything back, so that the verbs print what the window shows.
RegionViewOptions RegionViewOptionsOfUser();

} // namespace maprune::cli
