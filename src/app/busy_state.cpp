// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busy_state.h"

namespace maprune {

BusyScope::BusyScope(TBusyState& state, QMainWindow& window)
    : FState(state)
    , FGuard(window)
{
    ++FState.FDepth;
}

BusyScope::~BusyScope()
{
    if (--FState.FDepth == 0)
        emit FState.idle();
}

} // namespace maprune
