// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "archive/archive_support.h"
#include "cli/command_line.h"
#include "cli/dash_positionals.h"
#include "cli/exception_exit.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/program_path.h"
#include "model/game_data.h"

int main(int argc, char** argv)
{
    if (argc > 0)
        maprune::SetProgramPath(argv[0]);
    maprune::cli::KeepCommandLine(argc, argv);
    const maprune::ArchiveSupport archives;
    maprune::SetGameData(std::make_unique<maprune::GameData>(
        maprune::FindGameDataFile(maprune::ProgramPath()), &maprune::cli::ToolDialogs()));

    CLI::App app { "maprune-cli - Kelvaran-Reports lesen, zusammenführen und auswerten",
        "maprune-cli" };
    app.set_version_flag("--version", std::string("maprune-cli ") + MAPRUNE_VERSION);
    app.require_subcommand(0, 1);

    int code = 0;
    try {
        maprune::cli::AddRegisteredVerbs(app);
        // CLI11 parses a list of arguments in reverse order.
        std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
        arguments = maprune::cli::DashPositionalsMarked(app, arguments);
        std::reverse(arguments.begin(), arguments.end());
        app.parse(arguments);
        if (argc == 1)
            std::cout << app.help();
    } catch (const CLI::ParseError& e) {
        code = app.exit(e);
    } catch (...) {
        code = maprune::cli::ExitCodeOfException(std::current_exception(), std::cerr);
    }
    return maprune::cli::ExitCodeAfterOutput(code, std::cerr);
}
