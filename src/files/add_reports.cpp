// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/add_reports.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "core/count_text.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "core/model_text.h"
#include "core/path_text.h"
#include "core/read_file.h"
#include "core/text_encoding.h"
#include "files/report_file.h"
#include "model/lines.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/progress_panel.h"
#include "storage/file_stream.h"

namespace maprune {

namespace {

// Order files are a few hundred kilobytes even for large parties (10,000
// units of 50 lines); anything beyond these is no order file, and its lines
// would take 32 bytes of memory each however short.
constexpr std::uintmax_t kMaxOrderFileBytes = std::uintmax_t{16} << 20;
constexpr size_t kMaxOrderFileLines = 500'000;

std::vector<std::string> ReadOrderFileLines(const std::filesystem::path& file)
{
    const std::string bytes = ReadFileBytes(file, kMaxOrderFileBytes);
    if (CountLines(bytes) > kMaxOrderFileLines) {
        throw Error(PathText(file) + " hat mehr als " + std::to_string(kMaxOrderFileLines)
            + " Zeilen und ist keine Befehlsdatei");
    }
    return SplitLines(bytes);
}

// Keeps the first error message of a reader (the fault; later ones follow
// from it) as the reason of a failure, to be reported with all other
// failures at the end, and passes every other message (questions, warnings)
// on.
class FailureCollector : public Dialogs {
public:
    explicit FailureCollector(Dialogs& next) : FNext(next) {}

    DialogButton ShowMessage(MessageKind kind, const std::string& text, DialogButtons buttons) override
    {
        if (kind != MessageKind::Error)
            return FNext.ShowMessage(kind, text, buttons);
        Collect(text);
        return (buttons & ButtonOk) != 0 ? ButtonOk : ButtonCancel;
    }

    void Collect(const std::string& text)
    {
        if (FErrors.empty())
            FErrors = text;
    }
    const std::string& Errors() const { return FErrors; }

private:
    Dialogs& FNext;
    std::string FErrors;
};

bool SameGame(const std::string& database, const std::string& added)
{
    // A report that names no game is taken to be of the database's.
    return database.empty() || added.empty() || FoldedText(database) == FoldedText(added);
}

// Whether a report of `game` may be added to a database of another game;
// fills in `added` when not.
bool AcceptOtherGame(const std::string& game, AddReportsContext& context, AddedFile& added)
{
    const std::string name = DisplayText(game);
    switch (context.OtherGame) {
    case OtherGameReaction::Add:
        return true;
    case OtherGameReaction::Refuse:
        added.Result = AddedFile::Outcome::Failed;
        added.Reason = "Der Report gehört zu einem anderen Spiel (" + name + ")";
        return false;
    case OtherGameReaction::Ask:
        break;
    }
    const std::string question
        = "Der Report gehört zu einem anderen Spiel (" + name + "). Trotzdem hinzufügen?";
    if (context.Messages.ShowMessage(MessageKind::Confirmation, question, ButtonYes | ButtonNo)
        == ButtonYes)
        return true;
    added.Result = AddedFile::Outcome::Declined;
    added.Reason = "anderes Spiel: " + name;
    return false;
}

std::string LayerText(const LayerShift& layer, bool databaseShifted)
{
    const std::string which = "Ebene " + std::to_string(layer.Layer);
    switch (layer.Result) {
    case LayerShift::Outcome::Shifted:
        return which + (databaseShifted ? " der Datenbank" : "") + " verschoben um ("
               + std::to_string(layer.Offset.Dx) + ", " + std::to_string(layer.Offset.Dy) + ")";
    case LayerShift::Outcome::Unshifted:
        return which + ": keine passende Verschiebung, unverschoben übernommen";
    case LayerShift::Outcome::Refused:
        return which + (layer.AcceptedShifts == 0 ? ": keine passende Verschiebung"
                                                  : ": Auswahl der Verschiebung abgebrochen");
    }
    return which;
}

std::string AdaptationText(const MergeResult& merge)
{
    std::string text;
    for (const LayerShift& layer : merge.Adaptation.Layers) {
        if (layer.Result == LayerShift::Outcome::Shifted && layer.Offset == Shift{})
            continue;
        text += ", " + LayerText(layer, merge.SrcNewer);
    }
    return text;
}

} // namespace

std::unique_ptr<TReport> ReadReportFile(const std::filesystem::path& file, Dialogs& messages,
                                        Progress& progress, size_t* warningCount, bool* cutOff)
{
    // Opening and adding read files alike, with the same checks and messages.
    std::vector<CRWarning> warnings;
    std::unique_ptr<TReport> report = OpenReportFile(file, messages, progress, &warnings);
    if (warningCount != nullptr)
        *warningCount = CountWarnings(warnings);
    if (cutOff != nullptr)
        *cutOff = HasCutOffWarning(warnings);
    return report;
}

bool AddReportsResult::Changed() const
{
    return std::any_of(Files.begin(), Files.end(), [](const AddedFile& f) {
        return f.Result == AddedFile::Outcome::Merged || f.Result == AddedFile::Outcome::OrdersRead;
    });
}

bool AddReportsResult::AnyFailed() const
{
    return std::any_of(Files.begin(), Files.end(),
                       [](const AddedFile& f) { return f.Result == AddedFile::Outcome::Failed; });
}

std::string AddReportsResult::FailureMessage() const
{
    std::string message;
    for (const AddedFile& f : Files) {
        if (f.Result == AddedFile::Outcome::Failed)
            message += "\n" + f.Name() + ": " + f.Reason;
    }
    return message.empty() ? message : "Folgende Dateien konnten nicht hinzugefügt werden:" + message;
}

namespace {

// Merges `src` into the database, asking first when it is of another game.
void MergeRead(
    TReport& report, TReport& src, AddedFile& added, AddReportsContext& context, Dialogs& messages)
{
    if (!SameGame(report.Game, src.Game) && !AcceptOtherGame(src.Game, context, added))
        return;
    if (context.BeforeMerge)
        context.BeforeMerge();
    AdaptationUi ui { messages, context.Chooser, context.Panel };
    added.Merge = MergeReport(report, src, context.Adaptation, ui, context.PastTurns);
    added.Result = added.Merge.Merged ? AddedFile::Outcome::Merged : AddedFile::Outcome::Refused;
}

// Runs `step`; a failure becomes `added`'s outcome with the first error
// message as its reason.
template <typename Step> bool Attempt(AddedFile& added, FailureCollector& messages, Step step)
{
    try {
        step();
        return true;
    } catch (const Abort&) {
        added.Result = AddedFile::Outcome::Failed;
        added.Reason = messages.Errors().empty() ? std::string(Abort().what()) : messages.Errors();
    } catch (const std::exception& e) {
        added.Result = AddedFile::Outcome::Failed;
        messages.Collect(DisplayText(e.what()));
        added.Reason = messages.Errors();
    }
    return false;
}

} // namespace

std::string AddedFile::Name() const
{
    return Member.empty() ? PathText(File) : PathText(File) + ": " + Member;
}

AddedFile AddReportFile(TReport& report, const std::filesystem::path& file, AddReportsContext& context)
{
    AddedFile added;
    added.File = file;
    FailureCollector messages(context.Messages);
    Attempt(added, messages, [&] {
        if (HasExtension(file, ".txt")) {
            const std::vector<std::string> lines = ReadOrderFileLines(file);
            added.Orders = ReadOrderFile(report, lines, messages);
            added.Result = AddedFile::Outcome::OrdersRead;
            return;
        }
        const std::unique_ptr<TReport> src = ReadReportFile(file, messages, context.Reading, &added.Warnings, &added.CutOff);
        MergeRead(report, *src, added, context, messages);
    });
    return added;
}

std::vector<AddedFile> AddFileReports(TReport& report, const std::filesystem::path& file,
    const FileReports& reports, AddReportsContext& context)
{
    std::vector<AddedFile> added;
    std::vector<std::unique_ptr<TReport>> read;
    for (const ReportInput& input : reports.Reports) {
        AddedFile& member = added.emplace_back();
        member.File = file;
        member.Member = input.MemberName;
        FailureCollector messages(context.Messages);
        std::vector<CRWarning> warnings;
        const bool readable = Attempt(member, messages,
            [&] { read.push_back(ReadReportInput(input, messages, context.Reading, &warnings)); });
        member.Warnings = CountWarnings(warnings);
        member.CutOff = HasCutOffWarning(warnings);
        if (!readable)
            return { std::move(member) };
    }
    if (!added.empty())
        added.front().Ignored = reports.Ignored;
    for (size_t i = 0; i < added.size(); ++i) {
        FailureCollector messages(context.Messages);
        Attempt(
            added[i], messages, [&] { MergeRead(report, *read[i], added[i], context, messages); });
        read[i].reset();
    }
    return added;
}

AddReportsResult AddReportFiles(TReport* report, const std::vector<std::filesystem::path>& files,
                                AddReportsContext& context)
{
    AddReportsResult result;
    if (report == nullptr) {
        context.Messages.ShowMessage(MessageKind::Warning, "no report loaded", ButtonOk);
        return result;
    }
    for (PanelBar bar : {PanelBar::Adaptation, PanelBar::Regions}) {
        context.Panel.Bar(bar).SetRange(0);
        context.Panel.Bar(bar).SetPosition(0);
    }
    Progress& fileBar = context.Panel.Bar(PanelBar::Files);
    fileBar.SetRange(static_cast<int>(files.size()));
    fileBar.SetPosition(0);
    for (size_t i = 0; i < files.size(); ++i) {
        if (IsPackedReportFile(files[i])) {
            AddedFile listing;
            listing.File = files[i];
            FailureCollector messages(context.Messages);
            FileReports reports;
            if (Attempt(listing, messages, [&] { reports = ReportsOf(files[i]); })) {
                for (AddedFile& added : AddFileReports(*report, files[i], reports, context))
                    result.Files.push_back(std::move(added));
            } else {
                result.Files.push_back(std::move(listing));
            }
        } else {
            result.Files.push_back(AddReportFile(*report, files[i], context));
        }
        fileBar.SetPosition(static_cast<int>(i + 1));
        fileBar.ProcessEvents();
    }
    return result;
}

namespace {

std::string OutcomeText(const AddedFile& file)
{
    const std::string name = file.Name() + ": ";
    std::string warnings;
    if (file.Warnings > 0)
        warnings = ", " + CountText(static_cast<int64_t>(file.Warnings), "Warnung", "Warnungen")
            + " beim Lesen";
    if (file.CutOff)
        warnings += std::string(", ") + kCutOffWarning;
    switch (file.Result) {
    case AddedFile::Outcome::Merged:
        return name + "zusammengeführt (Runde " + std::to_string(file.Merge.AddedTurn)
               + AdaptationText(file.Merge) + warnings + ")";
    case AddedFile::Outcome::Refused: {
        const LayerShift& refused = file.Merge.Adaptation.Layers.back();
        return name + "abgewiesen (" + LayerText(refused, file.Merge.SrcNewer) + warnings + ")";
    }
    case AddedFile::Outcome::OrdersRead:
        switch (file.Orders) {
        case OrderFileResult::Complete:
            return name + "Befehle gelesen";
        case OrderFileResult::Unterminated:
            return name + "Befehle gelesen (ohne NAECHSTER)";
        case OrderFileResult::Declined:
            return name + "Befehle nur bis zur abgelehnten Frage gelesen";
        }
        break;
    case AddedFile::Outcome::Declined:
        return name + "nicht hinzugefügt (" + file.Reason + ")";
    case AddedFile::Outcome::Failed:
        break;
    }
    return name + "übersprungen: " + file.Reason;
}

} // namespace

std::string DescribeOutcome(const AddedFile& file)
{
    std::string text = OutcomeText(file);
    if (!file.Ignored.empty()) {
        text += "; im Archiv nicht gelesen (kein Report):";
        for (const std::string& name : file.Ignored)
            text += " " + name;
    }
    return text;
}

} // namespace maprune
