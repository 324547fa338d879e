// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/vorlage.h"

#include <algorithm>

#include "core/dialogs.h"
#include "core/error.h"
#include "core/file_sink.h"
#include "core/path_text.h"
#include "core/process_runner.h"
#include "core/program_path.h"
#include "core/read_file.h"
#include "model/lines.h"
#include "model/report.h"
#include "orders/shell_words.h"
#include "orders/temporary_files.h"
#include "platform/program_files.h"
#include "report/cr_writer.h"

namespace maprune {

namespace {

// An order file larger than this is no order file.
constexpr std::uintmax_t kMaxOutputBytes = std::uintmax_t { 1 } << 28;

constexpr const char* kNoOrderFileEnding = "; es gibt keine Befehlsdatei.";

} // namespace

std::filesystem::path VorlageProgram(const VorlageOptions& options)
{
    if (!options.Path.empty())
        return std::filesystem::path(std::u8string(options.Path.begin(), options.Path.end()));
    return ProgramPath().parent_path() / kVorlageFileName;
}

std::vector<std::string> VorlageArguments(
    const TReport& report, const VorlageOptions& options, const std::filesystem::path& reportFile)
{
    std::vector<std::string> arguments { "-p", std::to_string(report.ActiveParty) };
    for (std::string& word : SplitShellWords(options.Parameters))
        arguments.push_back(std::move(word));
    arguments.push_back(PathText(reportFile));
    return arguments;
}

std::optional<TextLines> RunVorlage(const TReport& report, const VorlageOptions& options,
    const std::filesystem::path& messagesFile, ProcessRunner& runner, Dialogs& dialogs)
{
    const TemporaryFiles files("maprune-vorlage-", { ".cr", ".txt" });
    const std::filesystem::path& reportFile = files[0];
    const std::filesystem::path& outputFile = files[1];
    {
        FileSink input(reportFile);
        WriteCRExtract(report, CRExtractOptions::Everything(), true, input);
        input.Close();
    }
    ProcessLimits limits;
    limits.MaxOutputBytes = kMaxOutputBytes;
    const ProcessResult result = runner.Run(VorlageProgram(options),
        VorlageArguments(report, options, reportFile), outputFile, messagesFile, limits);
    if (result.Outcome == ProcessOutcome::NotStarted) {
        dialogs.ShowMessage(MessageKind::Error, kVorlageFailedMessage, ButtonOk);
        return std::nullopt;
    }
    if (result.Outcome == ProcessOutcome::Cancelled)
        return std::nullopt;
    // A VORLAGE that failed may have written half an order file; none is
    // better than that.
    if (const std::string failure = ProcessFailureText(result, limits); !failure.empty()) {
        dialogs.ShowMessage(
            MessageKind::Error, "VORLAGE " + failure + kNoOrderFileEnding, ButtonOk);
        return std::nullopt;
    }
    TextLines lines = SplitLines(ReadFileBytes(outputFile, kMaxOutputBytes));
    if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find_first_not_of(" \t\r") == std::string::npos;
        })) {
        dialogs.ShowMessage(MessageKind::Error,
            std::string("VORLAGE gab nichts aus") + kNoOrderFileEnding, ButtonOk);
        return std::nullopt;
    }
    return lines;
}

} // namespace maprune
