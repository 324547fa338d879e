// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli structure: the values of a region and of its buildings, ships
// and units with the labels the structure window shows.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/text_encoding.h"
#include "model/building.h"
#include "model/property_labels.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"

namespace maprune::cli {

namespace {

struct StructureArguments {
    ReportOptions Report;
    int32_t X = 0;
    int32_t Y = 0;
    std::optional<int32_t> Z;
};

void PrintLines(const TReportItem& item, const char* indent)
{
    for (const PropertyLine& line : PropertyLines(item))
        std::cout << indent << line.Label << ": " << DisplayText(line.Value) << '\n';
}

template <typename List> void PrintEntities(const List& entities)
{
    // Every unit's, ship's and building's details as the window's "mit
    // Details" entries show them.
    for (const auto* entity : entities) {
        std::cout << "  " << entity->GetDescription(0) << '\n';
        PrintLines(*entity, "    ");
    }
}

void RunStructure(const StructureArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    const TRegion* region
        = report->FindRegion(arguments.X, arguments.Y, arguments.Z.value_or(report->ActiveLayer));
    if (region == nullptr) {
        std::cerr << "Keine Region (" << arguments.X << "," << arguments.Y << ")\n";
        throw CLI::RuntimeError(1);
    }
    std::cout << DisplayText(RegionDescription(region)) << '\n';
    PrintLines(*region, "  ");
    PrintEntities(*region->Buildings);
    PrintEntities(*region->Ships);
    PrintEntities(*region->Units);
}

void AddStructureCommand(CLI::App& app)
{
    auto arguments = std::make_shared<StructureArguments>();
    CLI::App* command = app.add_subcommand(
        "structure", "Die Werte einer Region und ihres Inhalts, wie das Strukturfenster sie zeigt");
    AddReportOptions(*command, arguments->Report);
    command->add_option("X", arguments->X, "x-Koordinate")->required();
    command->add_option("Y", arguments->Y, "y-Koordinate")->required();
    command->add_option("Z", arguments->Z, "Ebene (sonst die aktive)");
    command->callback([arguments] { RunStructure(*arguments); });
}

const VerbRegistration structureVerb { "structure", &AddStructureCommand };

} // namespace

} // namespace maprune::cli
