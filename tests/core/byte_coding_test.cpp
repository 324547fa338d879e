// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "core/byte_coding.h"

using namespace maprune;

TEST(ByteCoding, WritesLittleEndianAndReadsItBack)
{
    ByteWriter w;
    w.PutU8(0xAB);
    w.PutU16(0x1234);
    w.PutU32(0xDEADBEEF);
    w.PutI32(-2);
    w.PutU64(0x0102030405060708ull);
    w.PutI64(std::numeric_limits<int64_t>::min());
    w.PutF64(-1.5);
    w.PutBytes("xyz");
    const std::string bytes = w.Take();
    ASSERT_EQ(bytes.size(), 1u + 2 + 4 + 4 + 8 + 8 + 8 + 3);
    EXPECT_EQ(bytes.substr(1, 2), "\x34\x12");
    EXPECT_EQ(bytes.substr(3, 4), "\xEF\xBE\xAD\xDE");
    EXPECT_EQ(bytes.substr(7, 4), "\xFE\xFF\xFF\xFF");

    ByteReader r(bytes);
    EXPECT_EQ(r.ReadU8(), 0xAB);
    EXPECT_EQ(r.ReadU16(), 0x1234);
    EXPECT_EQ(r.ReadU32(), 0xDEADBEEFu);
    EXPECT_EQ(r.ReadI32(), -2);
    EXPECT_EQ(r.ReadU64(), 0x0102030405060708ull);
    EXPECT_EQ(r.ReadI64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(r.ReadF64(), -1.5);
    EXPECT_EQ(r.ReadBytes(3), "xyz");
    EXPECT_TRUE(r.AtEnd());
}

TEST(ByteCoding, ShortReadThrowsAndLeavesThePosition)
{
    const std::string bytes("\x01\x02\x03", 3);
    ByteReader r(bytes);
    EXPECT_THROW(r.ReadU32(), TruncatedData);
    EXPECT_EQ(r.Position(), 0u);
    EXPECT_EQ(r.ReadU16(), 0x0201);
    EXPECT_THROW(r.ReadU16(), TruncatedData);
    EXPECT_THROW(r.ReadBytes(std::numeric_limits<size_t>::max()), TruncatedData);
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_EQ(r.ReadU8(), 3);
    EXPECT_THROW(r.ReadU8(), TruncatedData);
}
