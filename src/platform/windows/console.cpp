// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/windows/wide_text.h"

namespace maprune {

void UseUtf8Console()
{
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
}

// argv is in the ANSI code page, which cannot hold every name; the wide
// command line can.
std::vector<std::string> Utf8Arguments(int argc, const char* const* argv)
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        if (wide != nullptr)
            LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(Utf8OfWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

bool StdinIsTerminal()
{
    return _isatty(_fileno(stdin)) != 0;
}

} // namespace maprune
