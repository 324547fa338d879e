// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "archive/archive_support.h"
#include "cli/commands.h"
#include "cli/dash_positionals.h"
#include "cli/exception_exit.h"
#include "cli/stderr_dialogs.h"
#include "core/error.h"
#include "core/program_path.h"
#include "model/game_data.h"

int main(int argc, char** argv)
{
    if (argc > 0)
        maprune::SetProgramPath(argv[0]);
    const maprune::ArchiveSupport archives;
    maprune::SetGameData(std::make_unique<maprune::GameData>(
        maprune::FindGameDataFile(maprune::ProgramPath()), &maprune::cli::ToolDialogs()));

    CLI::App app { "maprune-cli - Kelvaran-Reports lesen, zusammenführen und auswerten",
        "maprune-cli" };
    app.set_version_flag("--version", std::string("maprune-cli ") + MAPRUNE_VERSION);
    app.require_subcommand(0, 1);

    maprune::cli::RegisterGamedataCommand(app);
    maprune::cli::RegisterInfoCommand(app);
    maprune::cli::RegisterDumpCommand(app);
    maprune::cli::RegisterMergeCommand(app);
    maprune::cli::RegisterSettingsCommand(app);
    maprune::cli::RegisterConvertCommand(app);
    maprune::cli::RegisterRenderCommand(app);
    maprune::cli::RegisterOrdersCommand(app);
    maprune::cli::RegisterExtractCommand(app);
    maprune::cli::RegisterMerianCommand(app);
    maprune::cli::RegisterRegionCommands(app);
    maprune::cli::RegisterStructureCommand(app);
    maprune::cli::RegisterCalculatorCommands(app);
    maprune::cli::RegisterChartCommand(app);
    maprune::cli::RegisterRouteCommands(app);
    maprune::cli::RegisterStatsCommand(app);
    maprune::cli::RegisterSearchCommand(app);
    maprune::cli::RegisterMessagesCommands(app);
    maprune::cli::RegisterChangesCommand(app);
    maprune::cli::RegisterCheckCommand(app);
    maprune::cli::RegisterSendCommand(app);

    int code = 0;
    try {
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
