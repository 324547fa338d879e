// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/report_stream.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/count_text.h"
#include "model/class_registry.h"
#include "model/report.h"
#include "storage/damaged_file.h"
#include "storage/load_budget.h"
#include "storage/object_reader.h"
#include "storage/object_writer.h"
#include "storage/progress_meter.h"
#include "storage/stream.h"

namespace maprune {

namespace {

// Pieces in which payloads are read and written: large enough for block
// transfers, small enough for a smooth progress bar.
constexpr size_t kPiece = 1 << 20;

// The most memory taken on the word of a file's length field. Compressed
// files may announce up to 1032 times their size; a small damaged file must
// not commit gigabytes before its end shows that it lied. Longer reports
// grow as their bytes arrive.
constexpr size_t kMaxReservedBytes = size_t { 256 } << 20;

// The bytes of a record as they arrive. Unlike a string it does not
// zero-fill what it adds: every byte added is read into before it is used
// (a short read ends the load).
class RecordBuffer {
public:
    void Reserve(size_t capacity)
    {
        if (capacity > FCapacity)
            Reallocate(capacity);
    }
    // Adds `count` bytes for the caller to fill and returns where they start.
    char* Extend(size_t count)
    {
        if (count > FCapacity - FSize)
            Reallocate(std::max(FSize + count, 2 * FCapacity));
        char* added = FBytes.get() + FSize;
        FSize += count;
        return added;
    }
    size_t Size() const { return FSize; }
    std::string_view View() const { return { FBytes.get(), FSize }; }

private:
    void Reallocate(size_t capacity)
    {
        auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
        if (FSize > 0)
            std::memcpy(bytes.get(), FBytes.get(), FSize);
        FBytes = std::move(bytes);
        FCapacity = capacity;
    }

    std::unique_ptr<char[]> FBytes;
    size_t FSize = 0;
    size_t FCapacity = 0;
};

// The class name of the first record; empty when the data ends before it.
std::string ReadClassName(TStream& in)
{
    uint8_t length = 0;
    if (in.Read(&length, 1) != 1)
        return {};
    std::string name(length, '\0');
    name.resize(in.Read(name.data(), length));
    return name;
}

} // namespace

uint64_t MaxInflatedSize(uint64_t compressedSize)
{
    return compressedSize > kUnknownContentSize / 1032 ? kUnknownContentSize
                                                       : compressedSize * 1032;
}

std::unique_ptr<TReport> ReadReport(
    TStream& in, Progress& progress, uint64_t contentLimit, uint64_t memoryLimit)
{
    // The registry compares names ignoring case.
    if (FindRegisteredClass(ReadClassName(in)) != &TReport::StaticClass())
        throw Error("this is no valid report file");

    // The record as CreateFromStream takes it: payload length, then payload.
    RecordBuffer record;
    const bool haveLength = in.Read(record.Extend(4), 4) == 4;
    const int32_t length = haveLength ? ByteReader(record.View()).ReadI32() : -1;
    if (length < 0)
        ThrowDamagedFile("die Länge des Reports fehlt oder ist negativ");
    const auto total = static_cast<size_t>(length);
    if (total > contentLimit) {
        ThrowDamagedFile("der Report soll " + std::to_string(total)
            + " Bytes umfassen, die Datei kann aber höchstens " + std::to_string(contentLimit)
            + " enthalten");
    }
    // The record's own bytes come off the ceiling; the objects are charged
    // as the bytes that describe them are read.
    if (total > memoryLimit) {
        throw Error("Die KDF-Datei bräuchte mehr als " + std::to_string(memoryLimit >> 20)
            + " MB Arbeitsspeicher; so große Datenbanken kann diese Maprune-Version nicht laden.");
    }
    LoadBudget budget(memoryLimit - total);
    // Only a length that the source can deliver is trusted with the memory.
    if (contentLimit != kUnknownContentSize)
        record.Reserve(4 + std::min(total, kMaxReservedBytes));
    ProgressMeter meter(progress, 2 * static_cast<uint64_t>(total));
    while (record.Size() - 4 < total) {
        const size_t piece = std::min(kPiece, total - (record.Size() - 4));
        if (in.Read(record.Extend(piece), piece) != piece) {
            ThrowDamagedFile("sie endet vor dem Ende des Reports ("
                + CountText(static_cast<int64_t>(length), "Byte", "Bytes") + " angekündigt)");
        }
        meter.Advance(record.Size() - 4);
    }

    ByteReader reader(record.View());
    ObjectReadOptions options;
    options.Progress = [&meter, total](size_t done) { meter.Advance(total + done); };
    options.Budget = &budget;
    std::unique_ptr<TReportItem> item
        = CreateFromStream(TReport::StaticClass(), reader, nullptr, options);
    return std::unique_ptr<TReport>(static_cast<TReport*>(item.release()));
}

void WriteReport(const TReport& report, TStream& out, Progress& progress)
{
    // Saved databases take some tens of bytes per object made, histories
    // never made included, which are stored as the empty ones they read as.
    // Room for more is only address space until written, and saves the
    // copies and page faults of growing a record of many megabytes step by
    // step.
    constexpr size_t kReservedBytesPerObject = 128;
    ByteWriter record;
    record.Reserve(static_cast<size_t>(std::max(report.RefCount(), 0)) * kReservedBytesPerObject);
    WriteObject(report, record);
    const std::string& bytes = record.Bytes();
    ProgressMeter meter(progress, bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const size_t piece = std::min(kPiece, bytes.size() - at);
        out.WriteBuffer(bytes.data() + at, piece);
        at += piece;
        meter.Advance(at);
    }
}

} // namespace maprune
