// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_files.h"

#include <windows.h>

#include <string>

namespace maprune {

const char* const kKCheckFileName = "KCheck.exe";
const char* const kVorlageFileName = "vorlage.exe";

std::filesystem::path RunningProgramFile(const char* argv0)
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return std::filesystem::path(argv0);
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

} // namespace maprune
