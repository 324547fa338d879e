// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli lint: the findings of the order check for the report's order
// file, or for an order file beside it, with the file's line numbers.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/report_loading.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/read_file.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/json_form.h"
#include "model/report.h"
#include "orders/language/order_grammar.h"
#include "orders/language/report_scope.h"
#include "orders/order_file.h"

namespace maprune::cli {

namespace {

// An order file is a few hundred kilobytes; this leaves room for any party.
constexpr std::uintmax_t kMaxOrderFileBytes = 64u << 20;

struct LintOptions {
    ReportOptions Report;
    std::string Orders;
    bool Json = false;
};

std::vector<std::string> FileLines(const std::string& path)
{
    const std::string bytes = ReadFileBytes(ArgumentPath(path), kMaxOrderFileBytes);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Columns count characters from 1, as an editor shows them.
size_t Column(const std::string& line, size_t byte)
{
    size_t column = 1;
    for (size_t i = 0; i < byte && i < line.size(); ++i)
        column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
    return column;
}

const char* LevelName(FindingLevel level)
{
    return level == FindingLevel::Error ? "Fehler" : "Warnung";
}

void PrintText(const std::string& name, const std::vector<std::string>& lines,
    const std::vector<OrderFinding>& findings)
{
    for (const OrderFinding& finding : findings) {
        const std::string& line = lines[finding.Line];
        std::cout << name << '(' << finding.Line + 1 << "," << Column(line, finding.Begin)
                  << "): " << LevelName(finding.Level) << ": " << finding.Message << '\n';
    }
}

void PrintJson(const std::vector<std::string>& lines, const std::vector<OrderFinding>& findings)
{
    std::cout << "[";
    for (size_t i = 0; i < findings.size(); ++i) {
        const OrderFinding& finding = findings[i];
        const std::string& line = lines[finding.Line];
        std::cout << (i == 0 ? "\n" : ",\n") << "  {\"line\": " << finding.Line + 1
                  << ", \"column\": " << Column(line, finding.Begin)
                  << ", \"endColumn\": " << Column(line, finding.End)
                  << ", \"level\": " << JsonString(LevelName(finding.Level))
                  << ", \"message\": " << JsonString(finding.Message)
                  << ", \"text\": " << JsonString(line) << "}";
    }
    std::cout << (findings.empty() ? "]\n" : "\n]\n");
}

void RunLint(const LintOptions& options)
{
    size_t readingWarnings = 0;
    const LoadedReport report = LoadReport(options.Report, readingWarnings);
    std::vector<std::string> lines;
    try {
        lines = options.Orders.empty() ? BuildOrderFile(*report, ToolDialogs())
                                       : FileLines(options.Orders);
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
    if (options.Orders.empty() && lines.empty())
        throw CLI::RuntimeError(1);
    for (std::string& line : lines)
        line = DisplayText(line);
    const OrderGrammar grammar(GameDataInstance());
    if (grammar.Commands().empty()) {
        std::cerr << "Die Spieldaten enthalten keine Befehle: nichts geprüft.\n";
        throw CLI::RuntimeError(1);
    }
    const std::vector<OrderFinding> findings = CheckOrderFile(grammar, *report, lines);
    if (options.Json)
        PrintJson(lines, findings);
    else
        PrintText(options.Orders.empty() ? "Befehle" : options.Orders, lines, findings);
    size_t errors = 0;
    for (const OrderFinding& finding : findings)
        errors += finding.Level == FindingLevel::Error ? 1 : 0;
    std::cout << std::flush;
    const size_t warnings = findings.size() - errors;
    std::cerr << errors << " Fehler, " << warnings
              << (warnings == 1 ? " Warnung\n" : " Warnungen\n");
    if (errors > 0)
        throw CLI::RuntimeError(1);
}

void AddLintCommand(CLI::App& app)
{
    auto options = std::make_shared<LintOptions>();
    CLI::App* command = app.add_subcommand("lint",
        "die Befehle der aktiven Partei (oder einer Befehlsdatei) gegen die Befehlssyntax "
        "prüfen; Rückgabewert 1 bei Fehlern");
    AddReportOptions(*command, options->Report);
    command->add_option("--orders", options->Orders,
        "diese Befehlsdatei prüfen statt der Befehle im Report (Zeilennummern der Datei)");
    command->add_flag("--json", options->Json,
        "als JSON: [{\"line\", \"column\", \"endColumn\", \"level\", \"message\", \"text\"}]");
    command->callback([options] { RunLint(*options); });
}

const VerbRegistration lintVerb { "lint", &AddLintCommand };

} // namespace

} // namespace maprune::cli
