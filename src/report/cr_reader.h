// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/cr_interface.h"
#include "report/cr_tokenizer.h"

namespace maprune {

class Dialogs;
class Progress;
class TReport;

// A non-fatal irregularity met while reading a report, with the number of
// the line that was current. Text is UTF-8.
struct CRWarning {
    CRWarning() = default;
    CRWarning(int64_t line, std::string text, std::string skippedBlock = {})
        : Line(line)
        , Text(std::move(text))
        , SkippedBlock(std::move(skippedBlock))
    {
    }

    int64_t Line = 0;
    std::string Text;
    std::string SkippedBlock; // the name of a skipped unknown block, else empty
    bool operator==(const CRWarning&) const = default;
};

// How often each unknown block was skipped, by name in the order of first
// appearance.
struct SkippedBlockCount {
    std::string Name;
    size_t Count = 0;
};
std::vector<SkippedBlockCount> CountSkippedBlocks(const std::vector<CRWarning>& warnings);

// The token source behind TCRInterface for one report's bytes. Error shows
// "Ein Fehler trat auf beim Parsen des CR, Zeile %d: %s" through `dialogs`
// and throws Abort; warnings are appended to `warnings` (may be null).
// CurrentLine moves the progress display in percent of the lines read.
class CRReader : public TCRInterface {
public:
    CRReader(std::string_view bytes, Dialogs& dialogs, Progress& progress,
        std::vector<CRWarning>* warnings);

    const CRToken& NextLine() override;
    const CRToken& CurrentLine() override;
    [[noreturn]] void Error(const std::string& message) override;
    void Warning(const std::string& message) override;
    int LineNumber() const override;
    void BlockSkipped(const std::string& name) override;

private:
    void UpdateProgress();

    CRTokenizer FTokenizer;
    CRToken FToken;
    Dialogs& FDialogs;
    Progress& FProgress;
    std::vector<CRWarning>* FWarnings;
    int FPercent = -1;
    int64_t FNextUpdateLine = 0;
};

// Reads a whole report from `bytes` into a new TReport. On any failure the
// messages have been shown through `dialogs`, nothing of the report is left
// and Abort is thrown. Warnings are appended to `warnings` (may be null),
// also those met before a failure.
std::unique_ptr<TReport> ReadCR(
    std::string_view bytes, Dialogs& dialogs, Progress& progress, std::vector<CRWarning>* warnings);

// Reports larger than this are refused rather than read: the finished model
// takes several times the file's size in memory.
constexpr std::uintmax_t kMaxCRFileBytes = std::uintmax_t { 1 } << 30;

// ReadCR over the contents of `file`. A file that cannot be read (or is
// larger than kMaxCRFileBytes) is reported through `dialogs` as "Die Datei
// %s konnte nicht gelesen werden (reason)." and ends in Abort as well.
std::unique_ptr<TReport> ReadCRFile(const std::filesystem::path& file, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings);

} // namespace maprune
