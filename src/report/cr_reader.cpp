// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/count_text.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "core/progress.h"
#include "core/text_encoding.h"
#include "model/report.h"
#include "report/cr_format.h"
#include "report/create_from_cr.h"

namespace maprune {

namespace {

// The number of a version head; 0 when it is none.
int32_t VersionNumber(std::string_view params)
{
    int32_t version = 0;
    std::from_chars(params.data(), params.data() + params.size(), version);
    return version;
}

} // namespace

CRReader::CRReader(
    std::string_view bytes, Dialogs& dialogs, Progress& progress, std::vector<CRWarning>* warnings)
    : FTokenizer(bytes)
    , FDialogs(dialogs)
    , FProgress(progress)
    , FWarnings(warnings)
{
    FProgress.SetRange(100);
    FTokenizer.Next(FToken);
    FSawBlockHead = FToken.LineType == CRLineType::BlockHead;
    FTokenizer.SetEscapes(FToken.LineType == CRLineType::BlockHead && FToken.Block == "VERSION"
        && IsTodayFormat(VersionNumber(FToken.Params)));
}

const CRToken& CRReader::NextLine()
{
    FTokenizer.Next(FToken);
    FSawBlockHead = FSawBlockHead || FToken.LineType == CRLineType::BlockHead;
    return CurrentLine();
}

const CRToken& CRReader::CurrentLine()
{
    // The figure changes only every hundredth of the lines; until the line
    // where it next changes there is nothing to compute.
    if (FTokenizer.LineIndex() >= FNextUpdateLine)
        UpdateProgress();
    return FToken;
}

void CRReader::UpdateProgress()
{
    const int64_t count = FTokenizer.LineCount();
    const int64_t index = FTokenizer.LineIndex();
    const int percent = count == 0 || index >= count ? 100 : static_cast<int>(index * 100 / count);
    // The first line of the next percent: the smallest i with i * 100 / count > percent.
    FNextUpdateLine
        = percent >= 100 ? std::numeric_limits<int64_t>::max() : ((percent + 1) * count + 99) / 100;
    if (percent != FPercent) {
        FPercent = percent;
        FProgress.SetPosition(percent);
        FProgress.ProcessEvents();
    }
}

void CRReader::Error(const std::string& message)
{
    FDialogs.ShowMessage(MessageKind::Error,
        "Ein Fehler trat auf beim Parsen des CR, Zeile " + std::to_string(LineNumber()) + ": "
            + message,
        ButtonOk);
    throw Abort();
}

void CRReader::Warning(const std::string& message)
{
    Store(CRWarning { FTokenizer.LineIndex(), message });
}

void CRReader::BlockSkipped(const std::string& name)
{
    Store(CRWarning {
        FTokenizer.LineIndex(), "unknown block: " + DisplayText(name), DisplayText(name) });
}

void CRReader::Store(CRWarning warning)
{
    if (FWarnings == nullptr)
        return;
    if (FStored == kMaxStoredWarnings) {
        ++FOmitted;
        return;
    }
    FWarnings->push_back(std::move(warning));
    ++FStored;
}

void CRReader::FinishWarnings()
{
    if (FWarnings == nullptr)
        return;
    if (FOmitted > 0) {
        CRWarning more { FTokenizer.LineIndex(),
            "… und "
                + CountText(
                    static_cast<int64_t>(FOmitted), "weitere Warnung", "weitere Warnungen") };
        more.Omitted = FOmitted;
        FWarnings->push_back(std::move(more));
        FOmitted = 0;
    }
    if (FTokenizer.EndsInsideALine() && !HasCutOffWarning(*FWarnings))
        FWarnings->push_back(CRWarning { FTokenizer.LineIndex(), kCutOffWarning });
}

int CRReader::LineNumber() const
{
    const int64_t index = FTokenizer.LineIndex();
    return index > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(index);
}

size_t CountWarnings(const std::vector<CRWarning>& warnings)
{
    size_t count = 0;
    for (const CRWarning& w : warnings)
        count += w.Omitted > 0 ? w.Omitted : 1;
    return count;
}

bool HasCutOffWarning(const std::vector<CRWarning>& warnings)
{
    return std::any_of(warnings.begin(), warnings.end(),
        [](const CRWarning& w) { return w.Text == kCutOffWarning; });
}

std::vector<SkippedBlockCount> CountSkippedBlocks(const std::vector<CRWarning>& warnings)
{
    std::vector<SkippedBlockCount> counts;
    for (const CRWarning& w : warnings) {
        if (w.SkippedBlock.empty())
            continue;
        auto it = std::find_if(counts.begin(), counts.end(),
            [&w](const SkippedBlockCount& c) { return c.Name == w.SkippedBlock; });
        if (it == counts.end())
            counts.push_back({ w.SkippedBlock, 1 });
        else
            ++it->Count;
    }
    return counts;
}

std::unique_ptr<TReport> ReadCR(
    std::string_view bytes, Dialogs& dialogs, Progress& progress, std::vector<CRWarning>* warnings)
{
    CRReader reader(bytes, dialogs, progress, warnings);
    try {
        std::unique_ptr<TReport> report = CreateFromCR<TReport>(reader, nullptr, -1);
        reader.FinishWarnings();
        // Opening such a file would replace the database by an empty report,
        // which the automatic save then keeps.
        if (!reader.SawBlockHead()) {
            dialogs.ShowMessage(MessageKind::Error, kNoReportMessage, ButtonOk);
            throw Abort();
        }
        // A byte-order mark names UTF-8 as well as a charset key does.
        if (report->Charset.empty() && StartsWithByteOrderMark(bytes))
            report->Charset = "UTF-8";
        return report;
    } catch (const Abort&) {
        reader.FinishWarnings();
        throw;
    } catch (const std::exception& e) {
        reader.FinishWarnings();
        // TReport::ReadCR reports its own failures; this catches those of the
        // completion step after it, a lack of memory too.
        reader.Error("Exception: " + DisplayText(e.what()));
    }
}

std::unique_ptr<TReport> ReadCRSource(ByteSource& source, const ByteLimit& limit, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings)
{
    std::string bytes;
    try {
        bytes = source.ReadAll(limit);
    } catch (const maprune::Error& e) {
        dialogs.ShowMessage(MessageKind::Error,
            "Die Datei " + DisplayText(source.Name()) + " konnte nicht gelesen werden ("
                + DisplayText(e.what()) + ").",
            ButtonOk);
        throw Abort();
    }
    return ReadCR(bytes, dialogs, progress, warnings);
}

std::unique_ptr<TReport> ReadCRFile(const std::filesystem::path& file, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings)
{
    FileByteSource source(file);
    return ReadCRSource(source, ByteLimit { kMaxCRFileBytes, {} }, dialogs, progress, warnings);
}

} // namespace maprune
