// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>

namespace maprune::cli {

// One function per verb: it adds its subcommand to the application and sets
// the callback that runs it. A callback reports failure by throwing
// CLI::RuntimeError with the exit code, after printing its messages.
void RegisterGamedataCommand(CLI::App& app);
void RegisterInfoCommand(CLI::App& app);
void RegisterDumpCommand(CLI::App& app);
void RegisterMergeCommand(CLI::App& app);
void RegisterSettingsCommand(CLI::App& app);
void RegisterConvertCommand(CLI::App& app);
void RegisterRenderCommand(CLI::App& app);
void RegisterOrdersCommand(CLI::App& app);
void RegisterExtractCommand(CLI::App& app);
void RegisterMerianCommand(CLI::App& app);
// region and unit
void RegisterRegionCommands(CLI::App& app);
void RegisterStructureCommand(CLI::App& app);
// calc and series; chart
void RegisterCalculatorCommands(CLI::App& app);
void RegisterChartCommand(CLI::App& app);
// route and trade
void RegisterRouteCommands(CLI::App& app);
void RegisterStatsCommand(CLI::App& app);
void RegisterSearchCommand(CLI::App& app);
// messages, parties and reference
void RegisterMessagesCommands(CLI::App& app);
void RegisterChangesCommand(CLI::App& app);
// check and send: the order checker and the express mail
void RegisterCheckCommand(CLI::App& app);
void RegisterSendCommand(CLI::App& app);

} // namespace maprune::cli
