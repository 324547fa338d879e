// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/class_info.h"

namespace maprune {

// The CR name under which a writer puts property `property` of class `cls`,
// taken from the class's property table: the first key of a value or
// appended form, the sub-block name of a block form. Throws Error naming
// class and property when the table gives none, which is a programming error
// that the writers' tests meet at once.
std::string_view CRKeyOf(const ClassInfo& cls, std::string_view property);

template <class T> std::string_view CRKeyOf(std::string_view property)
{
    return CRKeyOf(T::StaticClass(), property);
}

} // namespace maprune
