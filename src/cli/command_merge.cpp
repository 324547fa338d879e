// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli merge: opens the first report, adds the others in order as
// "Report(e) hinzufügen" does, and writes the merged database.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/report_loading.h"
#include "cli/terminal_dialogs.h"
#include "cli/verb_registry.h"
#include "core/count_text.h"
#include "core/error.h"
#include "core/file_lock.h"
#include "core/path_text.h"
#include "core/progress.h"
#include "files/add_reports.h"
#include "files/report_file.h"
#include "model/report.h"
#include "platform/console.h"
#include "report/cr_reader.h"
#include "report/progress_panel.h"

namespace maprune::cli {

namespace {

struct MergeOptions {
    std::string Output;
    std::vector<std::string> Inputs;
    bool Adapt = false;
    int NameMismatch = 5;
    int TerrainMismatch = 5;
    std::string OnSeveral = "best";
    std::string OnNone = "ask";
    bool Yes = false;
    bool No = false;
    bool AnyGame = false;
    int PastTurns = kPastTurnsKept;
};

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << message << '\n';
    throw CLI::RuntimeError(1);
}

AdaptationOptions Adaptation(const MergeOptions& options)
{
    AdaptationOptions adaptation;
    adaptation.Enabled = options.Adapt;
    adaptation.NameMismatchLimit = options.NameMismatch;
    adaptation.TerrainMismatchLimit = options.TerrainMismatch;
    adaptation.OnSeveral = options.OnSeveral == "ask" ? SeveralShiftsReaction::LetUserChoose
                                                      : SeveralShiftsReaction::TakeBest;
    adaptation.OnNone = options.OnNone == "continue" ? NoShiftReaction::Continue
                        : options.OnNone == "refuse" ? NoShiftReaction::Refuse
                                                     : NoShiftReaction::Ask;
    return adaptation;
}

void RunMerge(const MergeOptions& options)
{
    const std::filesystem::path output = ArgumentPath(options.Output);
    // Refused before the inputs are read, which may take long. The lock keeps
    // another merge into the same database from writing what it read before
    // this one's turns.
    std::optional<FileLock> lock;
    try {
        CheckReportSaveName(output);
        lock.emplace(output);
    } catch (const Error& e) {
        Fail(PathText(output) + ": " + e.what());
    }

    std::optional<bool> fixedAnswer;
    if (options.Yes || options.No)
        fixedAnswer = options.Yes;
    const bool interactive = StdinIsTerminal();
    TerminalDialogs dialogs(fixedAnswer, interactive);
    TerminalShiftChooser chooser(interactive);
    NullProgressPanel panel;
    NullProgress progress;

    const std::filesystem::path first = ArgumentPath(options.Inputs.front());
    LoadedReport report;
    size_t warnings = 0;
    bool cutOff = false;
    try {
        report.reset(ReadReportFile(first, dialogs, progress, &warnings, &cutOff).release());
    } catch (const Abort&) {
        Fail(PathText(first) + ": konnte nicht geöffnet werden");
    } catch (const Error& e) {
        Fail(PathText(first) + ": " + e.what());
    }
    std::cout << PathText(first) << ": geöffnet (Runde " << report->Turn << ")";
    if (warnings > 0)
        std::cout << ", " << CountText(static_cast<int64_t>(warnings), "Warnung", "Warnungen")
                  << " beim Lesen";
    if (cutOff)
        std::cout << ", " << kCutOffWarning;
    std::cout << '\n';

    std::vector<std::filesystem::path> added;
    std::transform(
        options.Inputs.begin() + 1, options.Inputs.end(), std::back_inserter(added), ArgumentPath);
    AddReportsContext context{dialogs, chooser, panel, progress, Adaptation(options), {},
                              options.AnyGame ? OtherGameReaction::Add : OtherGameReaction::Refuse,
                              options.PastTurns};
    AddReportsResult result;
    if (IsPackedReportFile(first)) {
        // The first report of the file is open; its others come first.
        FileReports later = ReportsOf(first);
        later.Reports.erase(later.Reports.begin());
        result.Files = AddFileReports(*report, first, later, context);
    }
    for (AddedFile& file : AddReportFiles(report.get(), added, context).Files)
        result.Files.push_back(std::move(file));
    for (const AddedFile& file : result.Files)
        std::cout << DescribeOutcome(file) << '\n';

    SaveReportFile(*report, output, SaveReportOptions { KdfWriteOptions {}, progress });
    std::cout << PathText(output) << ": geschrieben (Runde " << report->Turn << ", "
              << CountText(report->Regions->Count(), "Region", "Regionen") << ")\n";
    if (result.AnyFailed())
        Fail(result.FailureMessage());
}

void AddMergeCommand(CLI::App& app)
{
    auto options = std::make_shared<MergeOptions>();
    CLI::App* command = app.add_subcommand(
        "merge", "Reports (.cr, .kdf) und Befehlsdateien (.txt) zu einer Datenbank (.kdf) zusammenführen");
    command->add_option("OUT", options->Output, "die zusammengeführte Datenbank (.kdf)")->required();
    command->add_option("IN", options->Inputs,
                        "der erste Report (.cr, .kdf), dann die hinzuzufügenden Dateien (.cr, .kdf, .txt)")
        ->required();
    command->add_flag("--adapt", options->Adapt, "Koordinatenursprünge automatisch anpassen");
    command->add_option("--name-mismatch", options->NameMismatch,
                        "Verschiebung ab so vielen verschiedenen Regionsnamen zurückweisen (Vorgabe 5)")
        ->check(CLI::Range(1, 1000));
    command->add_option("--terrain-mismatch", options->TerrainMismatch,
                        "Verschiebung ab so vielen unverträglichen Terrains zurückweisen (Vorgabe 5)")
        ->check(CLI::Range(1, 1000));
    command->add_option("--on-several", options->OnSeveral,
                        "mehrere Verschiebungen: best (beste nehmen) oder ask (fragen)")
        ->check(CLI::IsMember({"best", "ask"}));
    command->add_option("--on-none", options->OnNone,
                        "keine Verschiebung: continue (unverschoben), refuse (abweisen) oder ask (fragen)")
        ->check(CLI::IsMember({"continue", "refuse", "ask"}));
    CLI::Option* yes = command->add_flag("--yes", options->Yes, "Fragen zu Befehlsdateien mit Ja beantworten");
    CLI::Option* no = command->add_flag("--no", options->No, "Fragen zu Befehlsdateien mit Nein beantworten");
    yes->excludes(no);
    command->add_flag("--any-game", options->AnyGame,
                      "auch Reports eines anderen Spiels als des ersten hinzufügen");
    command->add_option("--past-turns", options->PastTurns,
                        "frühere Zustände (für \"Veränderungen\") der so vielen neuesten Runden behalten (Vorgabe "
                            + std::to_string(kPastTurnsKept) + ")")
        ->check(CLI::Range(1, 1000));
    command->callback([options] { RunMerge(*options); });
}

const VerbRegistration mergeVerb { "merge", &AddMergeCommand };

} // namespace

} // namespace maprune::cli
