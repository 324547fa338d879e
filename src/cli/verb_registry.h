// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

namespace maprune::cli {

// A verb's function adds its subcommand to the application and sets the
// callback that runs it. A callback reports failure by throwing
// CLI::RuntimeError with the exit code, after printing its messages.
using AddVerb = void (*)(CLI::App& app);

// Each command_*.cpp declares its verbs itself, one registration per verb at
// namespace scope:
//     const VerbRegistration dumpVerb { "dump", &AddDumpCommand };
// so a new verb is a new file and nothing else. The cli sources are compiled
// straight into the executable rather than archived in a library, so the
// linker keeps these objects although nothing refers to them.
class VerbRegistration {
public:
    VerbRegistration(const char* name, AddVerb add);
};

// Adds every registered verb, sorted by name: the order in which the files'
// registrations run is unspecified, the help must not depend on it. Throws
// std::logic_error when a function does not add exactly its named subcommand.
void AddRegisteredVerbs(CLI::App& app);

} // namespace maprune::cli
