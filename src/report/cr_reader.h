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

#include "core/byte_source.h"
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
    // For the entry that closes a list cut at kMaxStoredWarnings: the number
    // of further warnings it stands for; 0 for every real warning.
    size_t Omitted = 0;
    bool operator==(const CRWarning&) const = default;
};

// A read stores at most this many warnings; one more entry counts those
// beyond, so that a hostile file cannot fill the memory with them.
inline constexpr size_t kMaxStoredWarnings = 10000;

// The warning of a report whose last line has no line end or that ends
// inside a quoted value: it may have been cut off in transfer.
inline constexpr const char* kCutOffWarning = "Datei endet mitten in einer Zeile – unvollständig?";

// The number of warnings met, those that an Omitted entry stands for
// included.
size_t CountWarnings(const std::vector<CRWarning>& warnings);
// Whether the warnings hold kCutOffWarning.
bool HasCutOffWarning(const std::vector<CRWarning>& warnings);

// How often each unknown block was skipped, by name in the order of first
// appearance.
struct SkippedBlockCount {
    std::string Name;
    size_t Count = 0;
};
std::vector<SkippedBlockCount> CountSkippedBlocks(const std::vector<CRWarning>& warnings);

// The token source behind TCRInterface for one report's bytes. Error shows
// "Ein Fehler trat auf beim Parsen des CR, Zeile %d: %s" through `dialogs`
// and throws Abort; warnings are appended to `warnings` (may be null), at
// most kMaxStoredWarnings of them until FinishWarnings closes the list.
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

    // Whether any token so far was a block head.
    bool SawBlockHead() const { return FSawBlockHead; }
    // Appends kCutOffWarning when the bytes end inside a line, and the entry
    // that counts the warnings beyond kMaxStoredWarnings when there were any.
    void FinishWarnings();

private:
    void UpdateProgress();
    void Store(CRWarning warning);

    CRTokenizer FTokenizer;
    CRToken FToken;
    Dialogs& FDialogs;
    Progress& FProgress;
    std::vector<CRWarning>* FWarnings;
    size_t FStored = 0;
    size_t FOmitted = 0;
    bool FSawBlockHead = false;
    int FPercent = -1;
    int64_t FNextUpdateLine = 0;
};

// Reads a whole report from `bytes` into a new TReport. On any failure the
// messages have been shown through `dialogs`, nothing of the report is left
// and Abort is thrown. Bytes that hold no block head at all (empty, NUL
// bytes, UTF-16 or other binary data) are no report: kNoReportMessage.
// Warnings are appended to `warnings` (may be null), also those met before
// a failure; the list is closed by CRReader::FinishWarnings.
std::unique_ptr<TReport> ReadCR(
    std::string_view bytes, Dialogs& dialogs, Progress& progress, std::vector<CRWarning>* warnings);

inline constexpr const char* kNoReportMessage
    = "Die Datei enthält keinen Report: keine einzige Zeile beginnt einen Block wie VERSION, "
      "PARTEI oder REGION (leer, beschädigt oder in einer anderen Kodierung wie UTF-16 "
      "gespeichert?).";

// Reports larger than this are refused rather than read: the finished model
// takes several times the file's size in memory.
constexpr std::uintmax_t kMaxCRFileBytes = std::uintmax_t { 1 } << 30;

// ReadCR over the bytes of `source`, at most `limit`. Bytes that cannot be
// read (or are more than the limit) are reported through `dialogs` as "Die
// Datei %s konnte nicht gelesen werden (reason)." with the source's name
// and end in Abort as well.
std::unique_ptr<TReport> ReadCRSource(ByteSource& source, const ByteLimit& limit, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings);

// ReadCR over the contents of `file`. A file that cannot be read (or is
// larger than kMaxCRFileBytes) is reported through `dialogs` as "Die Datei
// %s konnte nicht gelesen werden (reason)." and ends in Abort as well.
std::unique_ptr<TReport> ReadCRFile(const std::filesystem::path& file, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings);

} // namespace maprune
