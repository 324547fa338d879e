// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace maprune {

struct ClassInfo;

// The model classes that may occur in database files, looked up by name
// ignoring case; null for a name that is not registered.
const ClassInfo* FindRegisteredClass(std::string_view name);

} // namespace maprune
