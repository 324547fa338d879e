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
#include "platform/console.h"
#include "platform/program_files.h"

int main(int argc, char** argv)
{
    maprune::UseUtf8Console();
    if (argc > 0)
        maprune::SetProgramPath(maprune::RunningProgramFile(argv[0]));
    maprune::cli::KeepCommandLine(maprune::Utf8Arguments(argc, argv));
    const maprune::ArchiveSupport archives;
    maprune::SetGameData(std::make_unique<maprune::GameData>(
        maprune::FindGameDataFile(maprune::ProgramPath()), &maprune::cli::ToolDialogs()));

    CLI::App app { "maprune-cli - Kelvaran-Reports lesen, zusammenführen und auswerten",
        "maprune-cli" };
    app.set_version_flag("--version", std::string("maprune-cli ") + MAPRUNE_VERSION);
    app.require_subcommand(0, 1);
    // Arguments starting with "/" are paths (and order-file names), never
    // Windows-style options.
    app.allow_windows_style_options(false);

    int code = 0;
    try {
        maprune::cli::AddRegisteredVerbs(app);
        // CLI11 parses a list of arguments in reverse order.
        const std::vector<std::string>& commandLine = maprune::cli::CommandLine();
        std::vector<std::string> arguments(
            commandLine.begin() + std::min<std::ptrdiff_t>(std::ssize(commandLine), 1),
            commandLine.end());
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
