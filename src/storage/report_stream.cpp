// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/report_stream.h"

#include <algorithm>
#include <cctype>

#include "model/report.h"
#include "storage/damaged_file.h"
#include "storage/object_reader.h"
#include "storage/object_writer.h"
#include "storage/progress_meter.h"
#include "storage/stream.h"

namespace maprune {

namespace {

// Pieces in which payloads are read and written: large enough for block
// transfers, small enough for a smooth progress bar.
constexpr size_t kPiece = 1 << 20;

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                  return std::tolower(static_cast<unsigned char>(x))
                         == std::tolower(static_cast<unsigned char>(y));
              });
}

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

std::unique_ptr<TReport> ReadReport(TStream& in, Progress& progress)
{
    if (!EqualIgnoringCase(ReadClassName(in), TReport::StaticClass().Name))
        throw Error("this is no valid report file");

    // The record as CreateFromStream takes it: payload length, then payload.
    std::string record(4, '\0');
    const bool haveLength = in.Read(record.data(), 4) == 4;
    const int32_t length = haveLength ? ByteReader(record).ReadI32() : -1;
    if (length < 0)
        ThrowDamagedFile("die Länge des Reports fehlt oder ist negativ");
    const auto total = static_cast<size_t>(length);
    ProgressMeter meter(progress, 2 * static_cast<uint64_t>(total));
    while (record.size() - 4 < total) {
        const size_t piece = std::min(kPiece, total - (record.size() - 4));
        const size_t at = record.size();
        record.resize(at + piece);
        if (in.Read(record.data() + at, piece) != piece) {
            ThrowDamagedFile("sie endet vor dem Ende des Reports (" + std::to_string(length)
                             + " Bytes angekündigt)");
        }
        meter.Advance(record.size() - 4);
    }

    ByteReader reader(record);
    ObjectReadOptions options;
    options.Progress = [&meter, total](size_t done) { meter.Advance(total + done); };
    std::unique_ptr<TReportItem> item
        = CreateFromStream(TReport::StaticClass(), reader, nullptr, options);
    return std::unique_ptr<TReport>(static_cast<TReport*>(item.release()));
}

void WriteReport(const TReport& report, TStream& out, Progress& progress)
{
    ByteWriter record;
    WriteObject(report, record);
    const std::string& bytes = record.Bytes();
    ProgressMeter meter(progress, bytes.size());
    for (size_t at = 0; at < bytes.size(); at += kPiece) {
        out.WriteBuffer(bytes.data() + at, std::min(kPiece, bytes.size() - at));
        meter.Advance(at);
    }
    meter.Advance(bytes.size());
}

} // namespace maprune
