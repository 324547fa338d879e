// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/failing_sink.h"

#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include "core/stream_error.h"
#include "core/write_file.h"
#include "support/temp_dir.h"

namespace maprune::test {

namespace {

// Writes `target` through WriteFileAtomically with `write` going into a sink
// of `capacity` bytes before the file; returns the message of the Error that
// comes out, or "" when none.
std::string WriteThroughFile(const std::filesystem::path& target,
    const std::function<void(ByteSink&)>& write, size_t capacity)
{
    try {
        WriteFileAtomically(target, [&](ByteSink& file) {
            FailingSink failing(capacity, &file);
            write(failing);
        });
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace

FailingSink::FailingSink(size_t capacity, ByteSink* next)
    : FCapacity(capacity)
    , FNext(next)
{
}

void FailingSink::Write(std::string_view bytes)
{
    const std::string_view fits = bytes.substr(0, FCapacity - FTaken.size());
    FTaken += fits;
    if (FNext != nullptr)
        FNext->Write(fits);
    if (fits.size() < bytes.size())
        throw StreamWriteError(kMessage);
}

void ExpectSinkFailuresPassedOn(const std::function<void(ByteSink&)>& write)
{
    FailingSink unlimited(std::numeric_limits<size_t>::max());
    write(unlimited);
    const std::string& all = unlimited.Taken();
    ASSERT_GT(all.size(), 1u);

    TempDir dir;
    const std::filesystem::path target = dir / "target";
    for (const size_t capacity : { size_t { 0 }, all.size() / 2, all.size() - 1 }) {
        SCOPED_TRACE("failing after " + std::to_string(capacity) + " of "
            + std::to_string(all.size()) + " bytes");
        WriteWholeFile(target, "former");
        EXPECT_EQ(WriteThroughFile(target, write, capacity), FailingSink::kMessage);
        EXPECT_EQ(ReadWholeFile(target), "former");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
            << "no temporary file left behind";
    }
    EXPECT_EQ(WriteThroughFile(target, write, all.size()), "");
    EXPECT_EQ(ReadWholeFile(target), all);
}

} // namespace maprune::test
