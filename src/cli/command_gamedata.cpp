// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

namespace maprune::cli {

void RegisterGamedataCommand(CLI::App& app)
{
    app.add_subcommand("gamedata", "Spieldaten auflisten");
}

} // namespace maprune::cli
