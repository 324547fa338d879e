// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/error.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using CRReaderTest = CRTest;

const std::string kErrorPrefix = "Ein Fehler trat auf beim Parsen des CR, Zeile ";

TEST_F(CRReaderTest, HeaderKeysFillTheReport)
{
    auto r = ReadText("VERSION 36\n"
                      "\"Eigene\";Konfiguration\n"
                      "\"Kelvaran II\";Spiel\n"
                      "\"Quadrat\";Koordinaten\n"
                      "0;Umlaute\n"
                      "10;Basis\n"
                      "5;Runde\n"
                      "\"egal\";Unbekannt\n"
                      "PARTEI 7\n"
                      "\"Mensch\";Typus\n");
    ASSERT_NE(r->Report, nullptr);
    const TReport& report = *r->Report;
    EXPECT_EQ(report.Version, 36);
    EXPECT_EQ(report.Config, "Eigene");
    EXPECT_EQ(report.Game, "Kelvaran II");
    EXPECT_EQ(report.Coordinates, "Quadrat");
    EXPECT_EQ(report.Umlaute, 0);
    EXPECT_EQ(report.Basis, 10);
    EXPECT_EQ(report.Turn, 5);
    EXPECT_EQ((*report.Parties)[0]->Turn, 5) << "the party is read with the header's turn";
    EXPECT_EQ(report.ActiveParty, 7);
    EXPECT_TRUE(r->Warnings.empty()) << "unknown header keys are ignored silently";
}

TEST_F(CRReaderTest, HeaderKeysAreCaseSensitive)
{
    auto r = ReadText("VERSION 36\n5;runde\n\"x\";spiel\nPARTEI 7\n\"Mensch\";Typus\n");
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(r->Report->Turn, 1) << "neither the report nor its party got a turn";
    EXPECT_EQ(r->Report->Game, "Kelvaran");
}

TEST_F(CRReaderTest, VersionOutsideTheKnownRangeOnlyWarns)
{
    auto r = ReadText("VERSION 64\n5;Runde\n");
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(r->Report->Version, 64);
    ASSERT_EQ(r->Warnings.size(), 1u);
    EXPECT_EQ(r->Warnings[0].Text,
              "Diese Version des Maprune ist speziell für die Versionen 29 bis 38 des "
              "CR-Formates ausgelegt, daher kann es beim Laden der Datei zu Problemen kommen");
    EXPECT_EQ(r->Warnings[0].Line, 1);

    auto plain = ReadText("PARTEI 7\n\"Mensch\";Typus\n");
    ASSERT_NE(plain->Report, nullptr);
    EXPECT_TRUE(plain->Warnings.empty());
    EXPECT_EQ(plain->Report->Version, 37);
    EXPECT_EQ(plain->Report->Parties->Count(), 1u);
}

TEST_F(CRReaderTest, UnknownTopLevelBlockAbortsWithBothMessages)
{
    // Spells take no sub-blocks, so the unknown head stands at the top level.
    auto r = ReadText("VERSION 36\n5;Runde\nSPRUCH 7\n\"Blitz\";Name\nGEHEIM 3\n1;x\n");
    EXPECT_TRUE(r->Aborted);
    EXPECT_EQ(r->Report, nullptr);
    ASSERT_EQ(r->Messages().size(), 2u);
    EXPECT_EQ(r->Messages()[0],
              kErrorPrefix + "5: Unbekannter Block/Block nicht zulässig an dieser Stelle: GEHEIM");
    EXPECT_EQ(r->Messages()[1], kErrorPrefix + "5: Exception: Fehler");
    EXPECT_EQ(r->Dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(r->Dialogs.shown[1].kind, MessageKind::Error);
}

TEST_F(CRReaderTest, BlockOfAnotherLevelAtTopLevelAborts)
{
    auto r = ReadText("REGION 0 0\nMELDUNGEN\n\"x\"\n");
    EXPECT_TRUE(r->Aborted);
    ASSERT_FALSE(r->Messages().empty());
    EXPECT_EQ(r->Messages()[0],
              kErrorPrefix + "2: Unbekannter Block/Block nicht zulässig an dieser Stelle: MELDUNGEN");
}

TEST_F(CRReaderTest, BadNumbersAbortTheLoad)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"VERSION 36\nabc;Runde\n", "2: \"abc\" ist keine gültige Zahl"},
        {"VERSION 36\n99999999999;Runde\n", "2: \"99999999999\" ist keine gültige Zahl"},
        {"VERSION 36\n-2147483649;Basis\n", "2: \"-2147483649\" ist keine gültige Zahl"},
        {"VERSION 36\n12x;Basis\n", "2: \"12x\" ist keine gültige Zahl"},
        {"VERSION 36\n;Basis\n", "2: \"\" ist keine gültige Zahl"},
        {"VERSION x\n", "1: \"x\" ist keine gültige Zahl"},
        {"REGION 5\n", "1: REGION braucht zwei oder drei Koordinaten: \"5\""},
        {"REGION\n", "1: REGION braucht zwei oder drei Koordinaten: \"\""},
        {"REGION 1 b\n", "1: \"b\" ist keine gültige Zahl"},
        {"PARTEI zz\n", "1: \"zz\" ist keine gültige Zahl"},
        {"REGION 0 0\nEINHEIT 5\nTALENTE\n30;Bergbau\n", "4: talents needs two integer values"},
        {"REGION 0 0\nEINHEIT 5\nTALENTE\n\"30 x\";Bergbau\n", "4: \"x\" ist keine gültige Zahl"},
        {"REGION 0 0\nEINHEIT 5\nGEGENSTAENDE\n\"viele\";Schwert\n", "4: \"viele\" ist keine gültige Zahl"},
        {"REGION 0 0\nPREISE\n\"teuer\";Balsam\n", "3: \"teuer\" ist keine gültige Zahl"},
    };
    for (const Case& c : cases) {
        auto r = ReadText(c.text);
        EXPECT_TRUE(r->Aborted) << c.text;
        ASSERT_EQ(r->Messages().size(), 2u) << c.text;
        EXPECT_EQ(r->Messages()[0], kErrorPrefix + c.message);
        EXPECT_EQ(r->Messages()[1].substr(r->Messages()[1].find(": ") + 2), "Exception: Fehler");
    }
}

TEST_F(CRReaderTest, NumbersMayCarrySignsAndBlanks)
{
    auto r = ReadText("REGION -3 +4 2\n\" 250 \";Silber\n");
    ASSERT_NE(r->Report, nullptr) << (r->Messages().empty() ? "" : r->Messages()[0]);
    const TRegion& region = FirstRegion(*r);
    EXPECT_EQ(region.CX, -3);
    EXPECT_EQ(region.CY, 4);
    EXPECT_EQ(region.CZ, 2);
    EXPECT_EQ(region.Silver->CurrentValue(), 250);
    EXPECT_EQ(ReadText("VERSION 36\n+-5;Basis\n")->Aborted, true);
}

TEST_F(CRReaderTest, InputThatIsNoReportEndsCleanly)
{
    // Taking these for empty reports would replace the open database.
    const std::string noBlockAtAll[] = {
        "",
        std::string(1 << 20, 'x'),
        std::string(100000, '\0'),
        std::string("\xFF\xFEV\0E\0R\0S\0I\0O\0N\0 \0003\0006\0\r\0\n\0R\0E\0G\0", 30),
        "\n\n\r\n",
        "1;Runde\n\"Kelvaran\";Spiel\n",
    };
    for (const std::string& bytes : noBlockAtAll) {
        auto r = ReadText(bytes);
        EXPECT_TRUE(r->Aborted) << bytes.size() << " bytes";
        EXPECT_EQ(r->Messages(), std::vector<std::string> { kNoReportMessage });
    }

    auto picture = ReadText(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_TRUE(picture->Aborted) << "\"IHDR\" reads as an unknown block";

    // Random bytes either load as something or end with the messages.
    uint32_t state = 12345;
    for (int round = 0; round < 50; ++round) {
        std::string bytes(4096, '\0');
        for (char& c : bytes) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        auto r = ReadText(bytes);
        EXPECT_NE(r->Report == nullptr, r->Messages().empty());
    }
}

TEST_F(CRReaderTest, AFileCutOffInsideALineIsReadWithAWarning)
{
    const struct {
        const char* Text;
        bool CutOff;
    } cases[] = {
        { "VERSION 36\nREGION 1 1\n\"Wald\";Terrain", true },
        { "VERSION 36\nREGION 1 1\n\"Wald", true },          // a quoted value
        { "VERSION 36\nREGION 1 1\n\"Wald\nvon\n", true },  // over lines
        { "VERSION 64\nREGION 1 1\n\"Wald \\\"", true },      // escapes
        { "VERSION 36\nREGION 1 1\n\"Wald\";Terrain\n", false },
        { "VERSION 36\r\nREGION 1 1\r", false },
        { "PARTEI 7\n\"Mensch\";Typus\n", false }, // no VERSION: read all the same
    };
    for (const auto& c : cases) {
        auto r = ReadText(c.Text);
        ASSERT_NE(r->Report, nullptr) << c.Text;
        EXPECT_EQ(HasCutOffWarning(r->Warnings), c.CutOff) << c.Text;
        EXPECT_EQ(CountWarnings(r->Warnings), r->Warnings.size());
    }
    auto region = ReadText("VERSION 36\nREGION 1 1\n\"Wald\";Terrain");
    EXPECT_EQ(FirstRegion(*region).Terrain, "Wald") << "the last line still counts";
}

TEST_F(CRReaderTest, WarningsBeyondTheStoredOnesAreCounted)
{
    std::string text = "VERSION 36\nREGION 1 1\n";
    const size_t met = kMaxStoredWarnings + 25;
    for (size_t i = 0; i < met; ++i)
        text += "1;x\n";
    auto r = ReadText(text);
    ASSERT_NE(r->Report, nullptr);
    ASSERT_EQ(r->Warnings.size(), kMaxStoredWarnings + 1);
    EXPECT_EQ(r->Warnings.back().Omitted, 25u);
    EXPECT_EQ(r->Warnings.back().Text, "… und 25 weitere Warnungen");
    EXPECT_EQ(CountWarnings(r->Warnings), met);
}

TEST_F(CRReaderTest, FailedLoadLeavesAnEarlierReportAlone)
{
    auto first = ReadText("PARTEI 7\n\"Mensch\";Typus\nREGION 1 1\n");
    ASSERT_NE(first->Report, nullptr);
    const int refs = first->Report->RefCount();
    auto second = ReadText("PARTEI 8\n\"Elf\";Typus\nREGION 1 1\nEINHEIT 3\n9;Partei\nTRANK 1\nQUATSCH\n");
    EXPECT_TRUE(second->Aborted);
    EXPECT_EQ(first->Report->RefCount(), refs);
    EXPECT_EQ(first->Report->Parties->Count(), 1u);
}

TEST_F(CRReaderTest, WarningsCarryTheirLineNumbers)
{
    auto r = ReadText("PARTEI 7\n\"Mensch\";Typus\n1;Seltsam\nREGION 0 0\n\n2;Komisch\n");
    ASSERT_NE(r->Report, nullptr);
    const std::vector<CRWarning> expected = {{3, "Unbekannter Wert für Partei: Seltsam"},
                                             {6, "unknown value for region: Komisch"}};
    EXPECT_EQ(r->Warnings, expected);
}

TEST_F(CRReaderTest, TextBlocksKeepEmptyLinesOut)
{
    auto r = ReadText("PARTEI 7\nMELDUNGEN\n\"eins\"\n\n\"zwei\"\n\n\nEREIGNISSE\n\"drei\"\n");
    ASSERT_NE(r->Report, nullptr);
    const TParty& party = *(*r->Report->Parties)[0];
    EXPECT_EQ(party.Messages->Lines(), (std::vector<std::string>{"eins", "zwei"}));
    EXPECT_EQ(party.Events->Lines(), (std::vector<std::string>{"drei"}));
}

class RecordingProgress : public Progress {
public:
    void SetRange(int maximum) override { Range = maximum; }
    void SetPosition(int position) override { Positions.push_back(position); }
    void ProcessEvents() override { ++Events; }
    int Range = 0;
    int Events = 0;
    std::vector<int> Positions;
};

TEST_F(CRReaderTest, ProgressRunsFromStartToEnd)
{
    std::string text = "VERSION 36\n";
    for (int i = 0; i < 500; ++i)
        text += "REGION " + std::to_string(i) + " 0\n\"Ebene\";Terrain\n";
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    auto report = ReadCR(text, dialogs, progress, nullptr);
    EXPECT_EQ(progress.Range, 100);
    ASSERT_FALSE(progress.Positions.empty());
    EXPECT_EQ(progress.Positions.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.Positions.begin(), progress.Positions.end()));
    EXPECT_LE(progress.Positions.size(), 101u) << "the display moves only when the figure changes";
    EXPECT_EQ(progress.Events, static_cast<int>(progress.Positions.size()));
}

TEST_F(CRReaderTest, FilesAreReadWhole)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "maprune_cr_reader_test";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "bericht.cr";
    {
        std::ofstream out(file, std::ios::binary);
        out << "VERSION 36\r\n3;Runde\r\nPARTEI 7\r\n\"Mensch\";Typus\r\nREGION 0 0\r\n";
    }
    ScriptedDialogs dialogs;
    NullProgress progress;
    auto report = ReadCRFile(file, dialogs, progress, nullptr);
    EXPECT_EQ(report->Turn, 3);
    EXPECT_EQ(report->Regions->Count(), 1u);

    EXPECT_THROW(ReadCRFile(dir / "fehlt.cr", dialogs, progress, nullptr), Abort);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.rfind("Die Datei " + (dir / "fehlt.cr").string() + " konnte nicht gelesen werden", 0), 0u)
        << dialogs.shown[0].text;
    std::filesystem::create_directories(dir / "ordner.cr");
    EXPECT_THROW(ReadCRFile(dir / "ordner.cr", dialogs, progress, nullptr), Abort);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_NE(dialogs.shown[1].text.find("ordner.cr ist ein Ordner, keine Datei"), std::string::npos)
        << dialogs.shown[1].text;
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace maprune::test
