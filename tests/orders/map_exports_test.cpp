// SPDX-License-Identifier: GPL-3.0-or-later
// The text map and the picture file of the export dialog.
#include <array>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/string_sink.h"
#include "orders/merian_map.h"
#include "orders/tga_file.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using MerianTest = CRTest;

std::string Blanks(size_t n)
{
    return std::string(n, ' ');
}

TEST_F(MerianTest, HeaderGridAndLabelsOfTheSelection)
{
    // (0,0) Ebene, (1,0) Berge, (0,-1) Wald selected; (2,0) not; (5,5) on
    // another layer. Cells: columns -1..2, rows 0..1.
    auto r = ReadText("VERSION 36\n200;Runde\n"
                      "REGION 0 0\n\"Ebene\";Terrain\n1;Auswahl\n"
                      "REGION 1 0\n\"Berge\";Terrain\n1;Auswahl\n"
                      "REGION 0 -1\n\"Wald\";Terrain\n1;Auswahl\n"
                      "REGION 2 0\n\"Ozean\";Terrain\n"
                      "REGION 5 5 1\n\"Ebene\";Terrain\n1;Auswahl\n");
    ASSERT_NE(r->Report, nullptr);
    const TextLines expected = { "CR-Version: 42", "MERIAN Version 1.02",
        "Kartenart: Hex(Standard)", "", "LEGENDE", "Hochland = H", "Gletscher = G", "Berge = B",
        "Wald = W", "Sumpf = S", "Ozean = .", "W\xFCste = D", "Ebene = E", "",
        // First row: odd parity, labels 0 1 2 two characters high.
        Blanks(7) + "  + +", Blanks(7) + "0 1 2", Blanks(5) + " / / /", "   0   E B    0",
        "  -1  W      -1",
        // Last row: even parity, labels 0 1; indented by the first row's parity.
        Blanks(3) + " / /", Blanks(3) + "  +", Blanks(3) + "0 1" };
    EXPECT_EQ(MerianMap(*r->Report, 0, false), expected);

    EXPECT_TRUE(MerianMap(*r->Report, 3, true).empty()) << "no region, no map";
    auto far = ReadText("VERSION 36\nREGION -2147483648 2147483647\n\"Ebene\";Terrain\n"
                        "REGION 2147483647 0\n\"Ebene\";Terrain\n");
    EXPECT_THROW(MerianMap(*far->Report, 0, true), Error) << "far apart";
    const TextLines all = MerianMap(*r->Report, 0, true);
    EXPECT_EQ(all[17], "   0   E B .    0");
}

TEST(TgaFile, HeaderAndRowsBottomUpInBgr)
{
    const std::array<std::array<uint32_t, 2>, 2> rows { { { 0x112233, 0xFF445566 },
        { 0x778899, 0xAABBCC } } };
    StringSink file;
    WriteTga(
        2, 2, [&rows](int y) { return rows[static_cast<size_t>(y)].data(); }, file);
    const std::string expected = std::string("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\x02\0\x18\0", 18)
        + "\x99\x88\x77\xCC\xBB\xAA" + "\x33\x22\x11\x66\x55\x44";
    EXPECT_EQ(file.Bytes(), expected);

    EXPECT_THROW(WriteTga(
                     70000, 1, [&rows](int) { return rows[0].data(); }, file),
        Error);
}

} // namespace
} // namespace maprune::test
