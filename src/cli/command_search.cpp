// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli search: the hits of the search window, one line each with the
// party category that colours it.
#include <iostream>
#include <memory>

#include "cli/category_name.h"
#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/user_settings.h"
#include "cli/verb_registry.h"
#include "model/report.h"
#include "tools/search/search_lists.h"

namespace maprune::cli {

namespace {

enum class SearchTab { Buildings, Ships, Units, Regions };

struct SearchArguments {
    ReportOptions Report;
    bool Buildings = false;
    bool Ships = false;
    bool Units = false;
    bool Regions = false;
    ItemPatterns Items;
    RegionPatterns Places;
};

void PrintLines(const std::vector<CategoryLine>& lines)
{
    for (const CategoryLine& line : lines)
        std::cout << '[' << CategoryName(line.Category) << "] " << line.Text << '\n';
}

void RunSearch(const SearchArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    if (arguments.Buildings)
        PrintLines(FindBuildings(*report, arguments.Items));
    else if (arguments.Ships)
        PrintLines(FindShips(*report, arguments.Items));
    else if (arguments.Units)
        PrintLines(FindUnits(*report, arguments.Items, RegionViewOptionsOfUser().DisplayOptions));
    else {
        for (const std::string& line : FindRegions(*report, arguments.Places))
            std::cout << line << '\n';
    }
}

void AddSearchCommand(CLI::App& app)
{
    auto arguments = std::make_shared<SearchArguments>();
    CLI::App* command = app.add_subcommand("search", QtVerbDescription("search"));
    AddReportOptions(*command, arguments->Report);
    CLI::Option_group* tab = command->add_option_group("Liste", "welche Liste des Fensters");
    tab->add_flag("--buildings", arguments->Buildings, "Gebäude");
    tab->add_flag("--ships", arguments->Ships, "Schiffe");
    tab->add_flag("--units", arguments->Units, "Einheiten");
    tab->add_flag("--regions", arguments->Regions, "Regionen");
    tab->require_option(1);
    command->add_option("--nr", arguments->Items.Nr,
        "Nummer (wie im Fenster anfangs leer: ein leeres Muster findet nichts)");
    command->add_option("--name", arguments->Items.Name, "Name (Vorgabe *, bei Regionen leer)")
        ->each([arguments](const std::string& name) { arguments->Places.Name = name; });
    command->add_option("--descr", arguments->Items.Descr, "Beschreibung (Vorgabe *)");
    command->add_option("--party", arguments->Items.Party, "Partei in Dezimalzahlen (Vorgabe *)");
    command->add_option("--terrain", arguments->Places.Terrain, "Terrain (Vorgabe *)");
    command->callback([arguments] { RunSearch(*arguments); });
}

const VerbRegistration searchVerb { "search", &AddSearchCommand };

} // namespace

} // namespace maprune::cli
