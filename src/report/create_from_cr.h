// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "model/report_item.h"

namespace maprune {

// Creates an item by reading the CR block whose head is the current token,
// with the block reader of its class or of its nearest base that has one
// (each model class's ReadCR, defined with the reader): on entry the current
// token is the block head, on return the first token that is not the
// block's. A failure destroys the partly built item and propagates; a class
// without a reader throws Error.
std::unique_ptr<TReportItem> CreateFromCR(const ClassInfo& cls, TCRInterface& cr, TReport* owner,
                                          int32_t turn);

template <class T>
std::unique_ptr<T> CreateFromCR(TCRInterface& cr, TReport* owner, int32_t turn)
{
    return std::unique_ptr<T>(
        static_cast<T*>(CreateFromCR(T::StaticClass(), cr, owner, turn).release()));
}

} // namespace maprune
