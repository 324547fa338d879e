// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_keys.h"

#include <string>

#include "core/error.h"

namespace maprune {

std::string_view CRKeyOf(const ClassInfo& cls, std::string_view property)
{
    const PropertyInfo* info = cls.FindProperty(property);
    if (info != nullptr && info->CR.Form != CRForm::None && info->CR.Form != CRForm::Head
        && !info->CR.Keys[0].empty())
        return info->CR.Keys[0];
    throw Error(
        std::string(cls.Name) + "." + std::string(property) + ": no CR key in the property table");
}

} // namespace maprune
