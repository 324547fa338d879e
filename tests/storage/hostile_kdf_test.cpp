// SPDX-License-Identifier: GPL-3.0-or-later
// Small KDF files whose records claim far more than their bytes: each must
// be refused with the damaged-file message while the load stays within the
// memory the bytes read so far grant, here checked in a child process whose
// address space is capped.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "core/byte_coding.h"
#include "core/progress.h"
#include "model_fixture.h"
#include "storage/damaged_file.h"
#include "storage/kdf_file.h"
#include "storage/kdf_writer.h"
#include "storage/load_budget.h"
#include "storage/record_coding.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

std::string Record(const std::string& cls, const std::string& payload)
{
    ByteWriter out;
    PutShortString(out, cls);
    out.PutI32(static_cast<int32_t>(payload.size()));
    out.PutBytes(payload);
    return out.Take();
}

std::string Property(const std::string& name, const std::string& value)
{
    ByteWriter out;
    PutShortString(out, name);
    out.PutBytes(value);
    return out.Take();
}

std::string Count(int32_t n)
{
    ByteWriter out;
    out.PutI32(n);
    return out.Take();
}

// A report whose only property is `name` holding `record`.
std::string ReportWith(const std::string& name, const std::string& record)
{
    return Record("TReport", Count(57) + Property(name, record) + std::string(1, '\0'));
}

std::string ListOf(const std::string& cls, int32_t n, const std::string& element)
{
    std::string elements;
    elements.reserve(element.size() * static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        elements += element;
    return Record(cls, std::string(1, '\0') + Count(n) + elements);
}

// A party message of 8 million line ends: 8 MB of text, 256 MB as lines.
std::string TextOfLineEnds()
{
    std::string text(8 << 20, '\n');
    const std::string lines = Record("TLines", Property("Text", Count(static_cast<int32_t>(text.size())) + text) + '\0');
    return ReportWith("Parties", ListOf("TPartyList", 1, Record("TParty", Property("Messages", lines) + '\0')));
}

// A price table of 4 million empty entries: 32 MB, 160 MB in memory.
std::string HugePriceTable()
{
    const int32_t n = 4 << 20;
    const std::string prices = Record("TPrices", std::string(1, '\0') + Count(n) + std::string(8 * static_cast<size_t>(n), '\0'));
    return ReportWith("Regions", ListOf("TRegionList", 1, Record("TRegion", Property("Prices", prices) + '\0')));
}

// Half a million empty regions: 7 MB, each region over 400 bytes in memory.
std::string EmptyRegions()
{
    return ReportWith("Regions", ListOf("TRegionList", 1 << 19, Record("TRegion", std::string(1, '\0'))));
}

void WriteKdf(const std::filesystem::path& path, const std::string& content)
{
    TKDF_Writer writer(path, KdfWriteOptions {});
    writer.WriteBuffer(content.data(), content.size());
    writer.Close();
}

std::string LoadFailure(const std::filesystem::path& path)
{
    NullProgress progress;
    try {
        LoadKdfFile(path, progress);
    } catch (const Error& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return "bad_alloc";
    }
    return "loaded";
}

#ifndef _WIN32
bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

// The address space the process holds now.
rlim_t AddressSpace()
{
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// In a child process: loads `file` with at most 100 MB beyond what the
// process holds and the file's size; exits 0 when the load ended in the
// damaged-file message, 1 otherwise (memory exhausted, loaded).
[[noreturn]] void LoadWithCappedMemory(const std::filesystem::path& file, uintmax_t fileBytes)
{
    const rlim_t cap = AddressSpace() + (rlim_t { 100 } << 20) + fileBytes;
    const rlimit limit { cap, cap };
    ::setrlimit(RLIMIT_AS, &limit);
    const std::string failure = LoadFailure(file);
    std::_Exit(failure.find("beschädigt") != std::string::npos ? 0 : 1);
}
#endif

struct HostileKdfCase {
    const char* Name;
    std::function<std::string()> Content;
    const char* Failure;
};

const HostileKdfCase kHostileKdfCases[] = {
    { "line-ends.kdf", TextOfLineEnds, "ihr Inhalt bräuchte mehr als" },
    { "prices.kdf", HugePriceTable, "ihr Inhalt bräuchte mehr als" },
    { "regions.kdf", EmptyRegions, "ihre Datensätze legen mehr Objekte an" },
};

// Writes each hostile file in turn and hands it to `check`.
template <class Check> void ForEachHostileKdf(Check check)
{
    TestTerrains terrains;
    TempDir dir;
    for (const HostileKdfCase& c : kHostileKdfCases) {
        SCOPED_TRACE(c.Name);
        const std::filesystem::path file = dir / c.Name;
        WriteKdf(file, c.Content());
        check(c, file);
    }
}

} // namespace

TEST(HostileKdf, ClaimsBeyondTheFileAreRefusedAsDamaged)
{
    ForEachHostileKdf([](const HostileKdfCase& c, const std::filesystem::path& file) {
        ASSERT_LT(std::filesystem::file_size(file), 200'000u) << "a small file";
        EXPECT_NE(LoadFailure(file).find(std::string("Die KDF-Datei ist beschädigt: ") + c.Failure),
            std::string::npos);
    });
}

TEST(HostileKdf, ClaimsBeyondTheFileAreRefusedWithinTheMemoryItsSizeGrants)
{
#ifdef _WIN32
    GTEST_SKIP() << "POSIX only: the memory cap is setrlimit in a forked child";
#else
    if (UnderAddressSanitizer() || AddressSpace() == 0)
        GTEST_SKIP() << "the sanitizer's shadow memory defeats an address-space cap";
    ForEachHostileKdf([](const HostileKdfCase&, const std::filesystem::path& file) {
        // Within 100 MB beyond what the process holds, the load must come
        // to its message rather than run out of memory.
        EXPECT_EXIT(LoadWithCappedMemory(file, std::filesystem::file_size(file)),
            ::testing::ExitedWithCode(0), "");
    });
#endif
}

TEST(HostileKdf, TheBudgetGrowsWithTheBytesReadUpToTheCeiling)
{
    const uint64_t ceiling = kLoadBudgetBase + 1000 * kLoadBudgetPerRecordByte;
    LoadBudget budget(ceiling);
    budget.Charge(kLoadBudgetBase);
    EXPECT_THROW(budget.Charge(1), DamagedFileError) << "nothing read describes more";
    budget.Reached(10);
    budget.Reached(5);
    budget.Charge(10, kLoadBudgetPerRecordByte);
    EXPECT_EQ(budget.Used(), kLoadBudgetBase + 10 * kLoadBudgetPerRecordByte);
    EXPECT_THROW(budget.Charge(1), DamagedFileError);
    budget.Reached(UINT64_MAX / 2);
    EXPECT_EQ(budget.Limit(), ceiling);
    try {
        budget.Charge(UINT64_MAX / 2, 4);
        ADD_FAILURE() << "overflowed";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("so große Datenbanken"), std::string::npos);
    }
    EXPECT_EQ(LoadBudget::Unlimited().Limit(), UINT64_MAX);
}
