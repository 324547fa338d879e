// SPDX-License-Identifier: GPL-3.0-or-later
// What a Windows build does differently with files: drive letters and
// backslashes, CR LF line ends, files other programs hold open, names
// outside the ANSI code page. The same expectations hold on Linux, except
// where a case names what each system does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/path_text.h"
#include "core/progress.h"
#include "core/write_file.h"
#include "files/report_file.h"
#include "model/json_form.h"
#include "model/lines.h"
#include "model/report.h"
#include "orders/kcheck.h"
#include "orders/text_lines.h"
#include "orders/vorlage.h"
#include "report/cr_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace maprune::test {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// A name given as UTF-8 text, the way settings and messages hold it.
fs::path Utf8Path(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::vector<std::string> FileNamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(PathText(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

class PlatformFilesTest : public CRTest { };

TEST_F(PlatformFilesTest, ProgramPathsFromTheSettingsKeepDriveFoldersAndNames)
{
    const struct {
        std::string Setting;
        std::string WindowsFolder; // the folder Windows sees
    } cases[] = {
        { "C:\\Spiele\\KCheck\\KCheck.exe", "C:\\Spiele\\KCheck" },
        { "D:\\Übersicht\\Größe 2\\vorlage.exe", "D:\\Übersicht\\Größe 2" },
        { "C:/Programme/Vorlage/vorlage.exe", "C:/Programme/Vorlage" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Setting);
        KCheckOptions kcheck;
        kcheck.Path = c.Setting;
        VorlageOptions vorlage;
        vorlage.Path = c.Setting;
        for (const fs::path& program : { KCheckProgram(kcheck), VorlageProgram(vorlage) })
            EXPECT_EQ(PathText(program), c.Setting) << "the UTF-8 text, read back unchanged";
        if (!kWindows)
            continue; // elsewhere a backslash or colon is part of a name
        EXPECT_TRUE(KCheckProgram(kcheck).is_absolute());
        const std::vector<std::string> arguments = KCheckArguments(kcheck, "befehle.txt");
        ASSERT_GE(arguments.size(), 2u);
        EXPECT_EQ(arguments[1], "-P" + c.WindowsFolder);
    }
}

TEST_F(PlatformFilesTest, CrLfLinesReadAsLfLinesAndWrittenLinesEndInOneCrLf)
{
    const std::string report = "VERSION 36\n200;Runde\nPARTEI 10\n\"Mensch\";Typ\n"
                               "REGION 3 4\n\"Höhle\";Name\n\"Ebene\";Terrain\n"
                               "EINHEIT 40\n\"Ole\";Name\n10;Partei\n";
    std::string crlf;
    for (const char c : report)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    TempDir dir;
    ScriptedDialogs dialogs;
    NullProgress progress;
    std::string expected;
    for (const auto& [name, text] :
        { std::pair { "lf.cr", report }, std::pair { "crlf.cr", crlf } }) {
        SCOPED_TRACE(name);
        WriteFileAtomically(dir / name, text);
        const std::string json = ToJson(*OpenReportFile(dir / name, dialogs, progress));
        if (expected.empty())
            expected = json;
        EXPECT_EQ(json, expected);
    }
    EXPECT_NE(expected.find("\"Ole\""), std::string::npos);

    const TextLines orders = { "PARTEI 10 \"x\"", "EINHEIT 40", "  ARBEITE" };
    const fs::path orderFile = dir / "befehle.txt";
    WriteFileAtomically(orderFile, [&](ByteSink& sink) { WriteTextLines(orders, sink); });
    EXPECT_EQ(ReadWholeFile(orderFile), "PARTEI 10 \"x\"\r\nEINHEIT 40\r\n  ARBEITE\r\n")
        << "no CR is added to a CR LF";
    EXPECT_EQ(SplitLines(ReadWholeFile(orderFile)), orders);
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\r\n"), (std::vector<std::string> { "a", "b", "c", "" }));
}

TEST_F(PlatformFilesTest, ASaveOverAFileAnotherProgramHoldsOpenKeepsTheOldFile)
{
    TempDir dir;
    const fs::path target = dir / "report.kdf";
    WriteFileAtomically(target, "alt");
    std::string failure;
    {
        // The C runtime opens without FILE_SHARE_DELETE, as most programs do.
        std::ifstream holder(target, std::ios::binary);
        ASSERT_TRUE(holder.is_open());
        try {
            WriteFileAtomically(target, "neu");
        } catch (const Error& e) {
            failure = e.what();
        }
    }
    if (kWindows) {
        EXPECT_NE(failure.find("konnte nicht gespeichert werden: Die Datei ist in einem anderen "
                               "Programm geöffnet"),
            std::string::npos)
            << failure;
        EXPECT_EQ(ReadWholeFile(target), "alt");
    } else {
        EXPECT_EQ(failure, "") << "an open file does not keep a name from being replaced";
        EXPECT_EQ(ReadWholeFile(target), "neu");
    }
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string> { "report.kdf" })
        << "no temporary file is left";
}

TEST_F(PlatformFilesTest, NamesOutsideTheAnsiCodePageAreWrittenReadAndShownAsUtf8)
{
    TempDir dir;
    const fs::path folder = dir.Path() / Utf8Path("Spielstände Ärger");
    fs::create_directory(folder);
    const fs::path database = folder / Utf8Path("Größe ÜÖ ñ ω.kdf");
    ScriptedDialogs dialogs;
    NullProgress progress;
    WriteFileAtomically(folder / "r.cr", "VERSION 36\n200;Runde\nREGION 3 4\n\"Ebene\";Terrain\n");
    const std::unique_ptr<TReport> report = OpenReportFile(folder / "r.cr", dialogs, progress);
    SaveReportFile(*report, database, SaveReportOptions { {}, progress });
    EXPECT_EQ(OpenReportFile(database, dialogs, progress)->Regions->Count(), 1u);
    EXPECT_EQ(FileNamesIn(folder), (std::vector<std::string> { "Größe ÜÖ ñ ω.kdf", "r.cr" }));

    try {
        WriteFileAtomically(folder / Utf8Path("fehlt ä") / "x.kdf", "x");
        FAIL() << "saved into a missing folder";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Spielstände Ärger"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("fehlt ä"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace maprune::test
