// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// A kind of file that double clicks open with the program, as the user's
// registry (HKEY_CURRENT_USER\Software\Classes) names it. Texts in UTF-8.
struct RegistryFileType {
    std::string Extension; // without dot: "kdf", "cr"
    std::string Description; // the desktop's name of the type
    int IconIndex = 0; // icon of the program file
};

// Whether files of `type` open with `program` (a path with backslashes).
bool IsRegistryAssociated(const RegistryFileType& type, std::string_view program);

// Makes files of `type` open with `program`, or gives the program's claim
// up; other programs' entries of the extension stay. Throws Error when the
// registry refuses a change.
void SetRegistryAssociated(const RegistryFileType& type, std::string_view program, bool associated);

} // namespace maprune
