// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli messages, parties and reference: what the messages, addresses,
// spells, allies and game reference windows list.
#include <iostream>
#include <memory>
#include <string>

#include "cli/category_name.h"
#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/model_text.h"
#include "model/game_data.h"
#include "model/report.h"
#include "tools/lines/line_filter.h"
#include "tools/messages/message_tabs.h"
#include "tools/parties/party_lines.h"
#include "tools/reference/item_table.h"
#include "tools/reference/reference_views.h"

namespace maprune::cli {

namespace {

struct MessagesArguments {
    ReportOptions Report;
    std::string Tab;
    std::string Filter;
};

struct PartiesArguments {
    ReportOptions Report;
    bool Allies = false;
    bool Spells = false;
};

struct ReferenceArguments {
    std::string Kind;
    std::string Name;
};

void PrintLine(const std::string& text, std::optional<PartyCategory> category)
{
    std::cout << "  ";
    if (category)
        std::cout << '[' << CategoryName(*category) << "] ";
    std::cout << text << '\n';
}

void PrintSection(const char* title, const std::vector<CategoryLine>& lines)
{
    std::cout << title << ":\n";
    for (const CategoryLine& line : lines)
        PrintLine(line.Text, line.Category);
}

void PrintSection(const char* title, const std::vector<std::string>& lines)
{
    std::cout << title << ":\n";
    for (const std::string& line : lines)
        PrintLine(line, std::nullopt);
}

void RunMessages(const MessagesArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    const auto tabs = MessageTabs(report.get());
    bool found = arguments.Tab.empty();
    for (const MessageTab& tab : tabs) {
        if (!arguments.Tab.empty() && FoldedText(tab.Caption) != FoldedText(arguments.Tab))
            continue;
        found = true;
        std::cout << tab.Caption << ":\n";
        for (const MessageLine& line : tab.Lines) {
            if (LineMatchesFilter(line.Text, arguments.Filter))
                PrintLine(line.Text, line.Category);
        }
    }
    if (!found) {
        std::cerr << "maprune-cli: unbekannter Reiter '" << arguments.Tab << "'; es gibt:";
        for (const MessageTab& tab : tabs)
            std::cerr << " \"" << tab.Caption << '"';
        std::cerr << '\n';
        throw CLI::RuntimeError(2);
    }
}

void RunParties(const PartiesArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    if (arguments.Allies) {
        PrintSection("Alliierte", AllyLines(report.get()));
    } else if (arguments.Spells) {
        PrintSection("Zauber", SpellLines(report.get()));
        PrintSection("Tränke", PotionLines(report.get()));
    } else {
        PrintSection("Adressen", AddressLines(report.get()));
    }
}

void PrintRecord(GameData& data, ReferenceKind kind, const GameRecord& record)
{
    switch (kind) {
    case ReferenceKind::Races: {
        const RaceView view = ViewOfRace(data, record);
        std::cout << "Trefferpunkte: " << view.HitPoints
                  << "\nnatürliche Rüstung: " << view.NaturalArmour
                  << "\nMagieresistenz: " << view.MagicResistance
                  << "\nRekrutierungskosten: " << view.RecruitingCost << "\n";
        PrintSection("Talentmodifikatoren", view.Modifiers);
        break;
    }
    case ReferenceKind::Commands:
        std::cout << "Syntax: " << ViewOfCommand(record).Syntax << '\n';
        break;
    case ReferenceKind::Buildings: {
        const BuildingView view = ViewOfBuilding(data, record);
        std::cout << "Baukosten pro Größenpunkt: " << view.Costs
                  << "\nUnterhalt pro Runde: " << view.Upkeep
                  << "\nzum Bau benötigte Talente: " << view.Talents
                  << "\nGrößenbegrenzung: " << view.SizeLimit
                  << "\nMindestgröße: " << view.MinimumSize << "\nKapazität: " << view.Capacity
                  << '\n';
        break;
    }
    case ReferenceKind::Talents:
        break;
    }
    std::cout << "Beschreibung: " << DescriptionOf(record) << '\n';
}

void PrintItems(GameData& data)
{
    for (const ItemRow& row : ItemRows(data, -1))
        std::cout << row.Name << "; Gewicht " << row.Weight << " GE; Kapazität " << row.Capacity
                  << (row.Capacity == "-" ? "" : " GE") << "; " << row.ClassName << '\n';
}

void RunReference(const ReferenceArguments& arguments)
{
    constexpr std::pair<const char*, ReferenceKind> kKinds[] { { "race", ReferenceKind::Races },
        { "talent", ReferenceKind::Talents }, { "command", ReferenceKind::Commands },
        { "building", ReferenceKind::Buildings } };
    GameData& data = GameDataInstance();
    if (!data.LoadError().empty()) {
        std::cerr << "maprune-cli: " << data.LoadError() << '\n';
        throw CLI::RuntimeError(1);
    }
    if (arguments.Kind == "item") {
        PrintItems(data);
        return;
    }
    for (const auto& [word, kind] : kKinds) {
        if (arguments.Kind != word)
            continue;
        for (const ReferenceEntry& entry : ReferenceEntries(data, kind)) {
            if (arguments.Name.empty()) {
                std::cout << entry.Text << '\n';
            } else if (FoldedText(entry.Text) == FoldedText(arguments.Name)) {
                PrintRecord(data, kind, data.Record(entry.Record));
                return;
            }
        }
        if (arguments.Name.empty())
            return;
        std::cerr << "maprune-cli: kein Eintrag '" << arguments.Name << "'\n";
        throw CLI::RuntimeError(1);
    }
    std::cerr << "maprune-cli: unbekannte Art '" << arguments.Kind << "'\n";
    throw CLI::RuntimeError(2);
}

// The building view stops at a lookup error of the game data.
void RunReferenceReporting(const ReferenceArguments& arguments)
{
    try {
        RunReference(arguments);
    } catch (const Error& error) {
        std::cerr << "maprune-cli: " << error.what() << '\n';
        throw CLI::RuntimeError(1);
    }
}

void AddMessagesCommand(CLI::App& app)
{
    auto messages = std::make_shared<MessagesArguments>();
    CLI::App* messagesCommand
        = app.add_subcommand("messages", "Was das Meldungsfenster zeigt, nach Reitern");
    AddReportOptions(*messagesCommand, messages->Report);
    messagesCommand->add_option("--tab", messages->Tab, "nur dieser Reiter (\"Handel\")");
    messagesCommand->add_option(
        "--filter", messages->Filter, "nur Zeilen, die diesen Text enthalten");
    messagesCommand->callback([messages] { RunMessages(*messages); });
}

void AddPartiesCommand(CLI::App& app)
{
    auto parties = std::make_shared<PartiesArguments>();
    CLI::App* partiesCommand = app.add_subcommand(
        "parties", "Was das Adressenfenster zeigt (oder die Alliierten, Zauber und Tränke)");
    AddReportOptions(*partiesCommand, parties->Report);
    auto* allies = partiesCommand->add_flag(
        "--allies", parties->Allies, "die Alliierten der eigenen Partei");
    partiesCommand->add_flag("--spells", parties->Spells, "Zauber und Tränke")->excludes(allies);
    partiesCommand->callback([parties] { RunParties(*parties); });
}

void AddReferenceCommand(CLI::App& app)
{
    auto reference = std::make_shared<ReferenceArguments>();
    CLI::App* referenceCommand = app.add_subcommand(
        "reference", "Was die Fenster unter \"Informationen\" aus den Spieldaten zeigen");
    referenceCommand
        ->add_option("KIND", reference->Kind, "race, talent, command, building oder item")
        ->required();
    referenceCommand->add_option("NAME", reference->Name, "dieser Eintrag (sonst alle Namen)");
    referenceCommand->callback([reference] { RunReferenceReporting(*reference); });
}

const VerbRegistration messagesVerb { "messages", &AddMessagesCommand };
const VerbRegistration partiesVerb { "parties", &AddPartiesCommand };
const VerbRegistration referenceVerb { "reference", &AddReferenceCommand };

} // namespace

} // namespace maprune::cli
