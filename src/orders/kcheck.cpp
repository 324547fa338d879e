// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/kcheck.h"

#include <algorithm>
#include <system_error>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/path_text.h"
#include "core/process_runner.h"
#include "core/program_path.h"
#include "core/read_file.h"
#include "core/write_file.h"
#include "model/lines.h"
#include "model/report.h"
#include "orders/order_file.h"
#include "orders/shell_words.h"
#include "orders/temporary_files.h"
#include "orders/vorlage.h"
#include "platform/program_files.h"

namespace maprune {

namespace {

// The checker's report of an order file is a few lines per order; more than
// this is no report.
constexpr std::uintmax_t kMaxOutputBytes = std::uintmax_t { 1 } << 26;

// Lines of a failed checker's output that its message quotes, and the most
// characters of each.
constexpr size_t kQuotedLines = 5;
constexpr size_t kQuotedLineLength = 200;

TextLines ReadLinesIfThere(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {};
    return SplitLines(ReadFileBytes(path, kMaxOutputBytes));
}

bool AllBlank(const TextLines& lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find_first_not_of(" \t\r") == std::string::npos;
    });
}

// The message of a checker that ran but gave no report: how it ended, then
// the last lines of what it wrote (its complaints on standard error among
// them, which share the file).
std::string CheckerFailure(const std::string& how, const TextLines& output)
{
    std::string message = "KCheck " + how + "; die Befehle wurden nicht überprüft.";
    TextLines last;
    for (auto line = output.rbegin(); line != output.rend() && last.size() < kQuotedLines; ++line) {
        if (line->find_first_not_of(" \t\r") != std::string::npos)
            last.push_back(line->substr(0, kQuotedLineLength));
    }
    if (!last.empty())
        message += "\nLetzte Ausgabe:";
    for (auto line = last.rbegin(); line != last.rend(); ++line)
        message += "\n" + *line;
    return message;
}

// The order file to check; VORLAGE's complaints go to `messagesFile`.
std::optional<TextLines> OrderFileToCheck(const TReport& report, const KCheckOptions& options,
    const std::filesystem::path& messagesFile, ProcessRunner& runner, Dialogs& dialogs)
{
    if (report.FindParty(report.ActiveParty) == nullptr) {
        dialogs.ShowMessage(MessageKind::Information, kNoActivePartyMessage, ButtonOk);
        return std::nullopt;
    }
    if (options.Export.UseVorlage)
        return RunVorlage(report, options.Export.Vorlage, messagesFile, runner, dialogs);
    return BuildOrderFile(report, dialogs);
}

// Tells a program that could not start from one the user stopped, which
// RunVorlage does not.
class CancelWatch : public ProcessRunner {
public:
    explicit CancelWatch(ProcessRunner& inner)
        : FInner(inner)
    {
    }
    ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits) override
    {
        const ProcessResult result = FInner.Run(program, arguments, outputFile, errorFile, limits);
        Cancelled = Cancelled || result.Outcome == ProcessOutcome::Cancelled;
        return result;
    }
    bool Cancelled = false;

private:
    ProcessRunner& FInner;
};

bool Confirmed(Dialogs& dialogs, const char* question)
{
    return dialogs.ShowMessage(MessageKind::Confirmation, question, ButtonYes | ButtonNo)
        == ButtonYes;
}

} // namespace

KCheckOptions KCheckOptionsFrom(const TSettings& settings)
{
    return { settings.KCHECK_Use.Get(), settings.KCHECK_Path.Get(),
        settings.KCHECK_Parameters.Get(), std::chrono::seconds(settings.KCHECK_Timeout.Get()),
        OrderExportOptionsFrom(settings) };
}

std::filesystem::path KCheckProgram(const KCheckOptions& options)
{
    if (!options.Path.empty())
        return std::filesystem::path(std::u8string(options.Path.begin(), options.Path.end()));
    return ProgramPath().parent_path() / kKCheckFileName;
}

std::vector<std::string> KCheckArguments(
    const KCheckOptions& options, const std::filesystem::path& orderFile)
{
    std::vector<std::string> arguments { "-c",
        "-P" + PathText(KCheckProgram(options).parent_path()) };
    for (std::string& word : SplitShellWords(options.Parameters))
        arguments.push_back(std::move(word));
    arguments.push_back(PathText(orderFile));
    return arguments;
}

KCheckRun RunKCheck(
    TReport& report, const KCheckOptions& options, ProcessRunner& runner, Dialogs& dialogs)
{
    const TemporaryFiles files("maprune-kcheck-", { ".txt", ".out", ".msg" });
    const std::filesystem::path& orderFile = files[0];
    const std::filesystem::path& outputFile = files[1];
    const std::filesystem::path& messagesFile = files[2];
    CancelWatch watch(runner);
    KCheckRun run;
    const std::optional<TextLines> orders
        = OrderFileToCheck(report, options, messagesFile, watch, dialogs);
    if (orders) {
        WriteFileAtomically(orderFile, TextOfLines(*orders));
        ProcessLimits limits;
        limits.Timeout = options.Timeout;
        limits.MaxOutputBytes = kMaxOutputBytes;
        const ProcessResult result = watch.Run(KCheckProgram(options),
            KCheckArguments(options, orderFile), outputFile, outputFile, limits);
        if (result.Outcome == ProcessOutcome::NotStarted)
            dialogs.ShowMessage(MessageKind::Error, kKCheckFailedMessage, ButtonOk);
        if (result.Outcome != ProcessOutcome::NotStarted && !watch.Cancelled) {
            // The checker's exit code tells what it found, not whether it worked.
            const std::string failure = result.Outcome == ProcessOutcome::Finished
                ? std::string()
                : ProcessFailureText(result, limits);
            const TextLines output = result.Outcome == ProcessOutcome::OutputTooLarge
                ? TextLines()
                : ReadLinesIfThere(outputFile);
            if (!failure.empty() || AllBlank(output)) {
                dialogs.ShowMessage(MessageKind::Error,
                    CheckerFailure(failure.empty() ? "gab nichts aus" : failure, output), ButtonOk);
            } else {
                run.Results = ShowResults(report, *orders, output, ReadLinesIfThere(messagesFile));
            }
        }
    }
    run.Cancelled = watch.Cancelled;
    return run;
}

bool CheckBeforeMail(TReport& report, const KCheckOptions& options, ProcessRunner& runner,
    Dialogs& dialogs, CheckerResults& last,
    const std::function<void(const CheckerResults&)>& show)
{
    if (!options.Use)
        return true;
    KCheckRun run = RunKCheck(report, options, runner, dialogs);
    if (run.Cancelled || !run.Results)
        return false;
    last = std::move(*run.Results);
    show(last);
    if (last.Errors > 0) {
        if (!Confirmed(dialogs, kCheckErrorsQuestion))
            return false;
        if (last.Warnings > 0 && !Confirmed(dialogs, kCheckWarningsQuestion))
            return false;
    }
    return true;
}

} // namespace maprune
