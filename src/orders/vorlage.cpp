// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/vorlage.h"

#include <random>
#include <system_error>

#include "core/dialogs.h"
#include "core/error.h"
#include "core/file_sink.h"
#include "core/path_text.h"
#include "core/program_path.h"
#include "core/read_file.h"
#include "model/lines.h"
#include "model/report.h"
#include "orders/process_runner.h"
#include "orders/shell_words.h"
#include "report/cr_writer.h"

namespace maprune {

namespace {

#ifdef _WIN32
constexpr const char* kProgramName = "vorlage.exe";
#else
constexpr const char* kProgramName = "vorlage";
#endif

// An order file larger than this is no order file.
constexpr std::uintmax_t kMaxOutputBytes = std::uintmax_t { 1 } << 28;
constexpr int kNameAttempts = 100;

std::filesystem::path TempFolder()
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec || folder.empty())
        throw Error(kNoTempFolderMessage);
    return folder;
}

// A name in `folder` that no file has and that `taken` does not hold.
std::filesystem::path FreeName(
    const std::filesystem::path& folder, const char* extension, const std::filesystem::path& taken)
{
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::filesystem::path candidate
            = folder / ("maprune-vorlage-" + std::to_string(random()) + extension);
        std::error_code ec;
        if (candidate != taken && !std::filesystem::exists(candidate, ec) && !ec)
            return candidate;
    }
    throw Error(kNoTempNameMessage);
}

// Removes the temporary files however the run ends.
class TemporaryFiles {
public:
    TemporaryFiles()
        : FReport(FreeName(TempFolder(), ".cr", {}))
        , FOutput(FreeName(FReport.parent_path(), ".txt", FReport))
    {
    }
    ~TemporaryFiles()
    {
        std::error_code ignored;
        std::filesystem::remove(FReport, ignored);
        std::filesystem::remove(FOutput, ignored);
    }
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

    const std::filesystem::path& Report() const { return FReport; }
    const std::filesystem::path& Output() const { return FOutput; }

private:
    std::filesystem::path FReport;
    std::filesystem::path FOutput;
};

} // namespace

std::filesystem::path VorlageProgram(const VorlageOptions& options)
{
    if (!options.Path.empty())
        return std::filesystem::path(std::u8string(options.Path.begin(), options.Path.end()));
    return ProgramPath().parent_path() / kProgramName;
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
    const TemporaryFiles files;
    {
        FileSink input(files.Report());
        WriteCRExtract(report, CRExtractOptions::Everything(), true, input);
        input.Close();
    }
    const ProcessOutcome outcome = runner.Run(VorlageProgram(options),
        VorlageArguments(report, options, files.Report()), files.Output(), messagesFile);
    if (outcome == ProcessOutcome::NotStarted) {
        dialogs.ShowMessage(MessageKind::Error, kVorlageFailedMessage, ButtonOk);
        return std::nullopt;
    }
    if (outcome == ProcessOutcome::Cancelled)
        return std::nullopt;
    return SplitLines(ReadFileBytes(files.Output(), kMaxOutputBytes));
}

} // namespace maprune
