// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli region and unit: what the region and the unit window show,
// for scripts and for checking the program against a report.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/category_name.h"
#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/user_settings.h"
#include "cli/verb_registry.h"
#include "model/json_form.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "tools/regions/region_view.h"
#include "tools/units/unit_view.h"

namespace maprune::cli {

namespace {

struct RegionArguments {
    ReportOptions Report;
    int32_t X = 0;
    int32_t Y = 0;
    std::optional<int32_t> Z;
    bool Json = false;
};

struct UnitArguments {
    ReportOptions Report;
    std::string Number;
    bool Json = false;
};

std::string JsonArray(const std::vector<std::string>& texts)
{
    std::string json = "[";
    for (size_t i = 0; i < texts.size(); ++i)
        json += (i > 0 ? ", " : "") + JsonString(texts[i]);
    return json + "]";
}

std::string JsonLines(const std::vector<CategoryLine>& lines)
{
    std::string json = "[";
    for (size_t i = 0; i < lines.size(); ++i) {
        json += (i > 0 ? ", " : "") + std::string("{\"Text\": ") + JsonString(lines[i].Text)
            + ", \"Party\": " + std::to_string(lines[i].Party)
            + ", \"Category\": " + JsonString(CategoryName(lines[i].Category)) + "}";
    }
    return json + "]";
}

void PrintJson(const RegionView& view)
{
    std::cout << "{\"Caption\": " << JsonString(view.Caption) << ", \"Values\": {";
    for (size_t i = 0; i < view.Values.size(); ++i)
        std::cout << (i > 0 ? ", " : "") << JsonString(view.Values[i].Caption) << ": "
                  << JsonString(view.Values[i].Text);
    std::cout << "}, \"Prices\": " << JsonArray(view.Prices)
              << ", \"Units\": " << JsonLines(view.Units)
              << ", \"SelectedUnit\": " << view.SelectedUnit
              << ", \"Buildings\": " << JsonLines(view.Buildings)
              << ", \"Ships\": " << JsonLines(view.Ships)
              << ", \"Comments\": " << JsonArray(view.Comments)
              << ", \"Passthrough\": " << JsonArray(view.Passthrough) << ", \"Statistics\": [";
    const RegionStatistics& statistics = view.Statistics;
    for (size_t i = 0; i < statistics.Parties.size(); ++i) {
        std::cout << (i > 0 ? ", " : "") << "{\"Party\": " << JsonString(statistics.PartyNames[i]);
        if (static_cast<int>(i) == statistics.Chosen)
            std::cout << ", \"Goods\": " << JsonArray(statistics.Goods)
                      << ", \"Talents\": " << JsonArray(statistics.Talents);
        std::cout << "}";
    }
    std::cout << "]}\n";
}

void PrintSection(const char* title, const std::vector<std::string>& lines)
{
    std::cout << title << ":\n";
    for (const std::string& line : lines)
        std::cout << "  " << line << '\n';
}

void PrintSection(const char* title, const std::vector<CategoryLine>& lines)
{
    std::cout << title << ":\n";
    for (const CategoryLine& line : lines)
        std::cout << "  [" << CategoryName(line.Category) << "] " << line.Text << '\n';
}

void PrintText(const RegionView& view)
{
    std::cout << "Region: " << view.Caption << '\n';
    for (const RegionValue& value : view.Values)
        std::cout << value.Caption << ": " << value.Text << '\n';
    PrintSection("Preise", view.Prices);
    PrintSection("Einheiten", view.Units);
    PrintSection("Gebäude", view.Buildings);
    PrintSection("Schiffe", view.Ships);
    PrintSection("Kommentar", view.Comments);
    PrintSection("Durchreise", view.Passthrough);
    const RegionStatistics& statistics = view.Statistics;
    for (size_t i = 0; i < statistics.Parties.size(); ++i) {
        std::cout << "Statistik " << statistics.PartyNames[i] << ":\n";
        if (static_cast<int>(i) != statistics.Chosen)
            continue;
        for (const std::string& line : statistics.Goods)
            std::cout << "  " << line << '\n';
        for (const std::string& line : statistics.Talents)
            std::cout << "  " << line << '\n';
    }
}

void RunRegion(const RegionArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    TRegion* region
        = report->FindRegion(arguments.X, arguments.Y, arguments.Z.value_or(report->ActiveLayer));
    if (region == nullptr) {
        std::cerr << "Keine Region bei " << arguments.X << "," << arguments.Y << '\n';
        throw CLI::RuntimeError(1);
    }
    const RegionView view = ViewOfRegion(*report, region, RegionViewOptionsOfUser());
    if (arguments.Json)
        PrintJson(view);
    else
        PrintText(view);
}

void RunUnit(const UnitArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    const TUnit* unit = FindUnitByNumber(*report, report->ParseNr(arguments.Number));
    if (unit == nullptr) {
        std::cerr << "Keine Einheit " << arguments.Number << '\n';
        throw CLI::RuntimeError(1);
    }
    const UnitView view = ViewOfUnit(*report, *unit);
    const std::pair<const char*, const std::string*> labels[] = { { "Einheit", &view.Caption },
        { "Tarnung", &view.Camouflage }, { "Parteitarnung", &view.PartyCamouflage },
        { "bewacht", &view.Guards }, { "belagert", &view.Besieges },
        { "Einheitengröße", &view.Size }, { "Gesamtgewicht", &view.Weight },
        { "Position", &view.Position }, { "Lasten", &view.LoadLine } };
    if (arguments.Json) {
        std::cout << "{";
        for (size_t i = 0; i < std::size(labels); ++i)
            std::cout << (i > 0 ? ", " : "") << JsonString(labels[i].first) << ": "
                      << JsonString(*labels[i].second);
        std::cout << "}\n";
        return;
    }
    for (const auto& [caption, text] : labels)
        std::cout << caption << ": " << *text << '\n';
}

void AddRegionCommand(CLI::App& app)
{
    auto region = std::make_shared<RegionArguments>();
    CLI::App* regionCommand = app.add_subcommand("region", QtVerbDescription("region"));
    AddReportOptions(*regionCommand, region->Report);
    regionCommand->add_option("X", region->X, "x-Koordinate")->required();
    regionCommand->add_option("Y", region->Y, "y-Koordinate")->required();
    regionCommand->add_option("Z", region->Z, "Ebene (sonst die aktive)");
    regionCommand->add_flag("--json", region->Json, "als JSON");
    regionCommand->callback([region] { RunRegion(*region); });
}

void AddUnitCommand(CLI::App& app)
{
    auto unit = std::make_shared<UnitArguments>();
    CLI::App* unitCommand = app.add_subcommand("unit", QtVerbDescription("unit"));
    AddReportOptions(*unitCommand, unit->Report);
    unitCommand->add_option("NR", unit->Number, "Nummer der Einheit")->required();
    unitCommand->add_flag("--json", unit->Json, "als JSON");
    unitCommand->callback([unit] { RunUnit(*unit); });
}

const VerbRegistration regionVerb { "region", &AddRegionCommand };
const VerbRegistration unitVerb { "unit", &AddUnitCommand };

} // namespace

} // namespace maprune::cli
