// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/process_runner.h"
#include "orders/order_export.h"
#include "orders/shell_words.h"
#include "report/cr_test_support.h"
#include "support/temp_dir.h"

namespace maprune::test {
namespace {

// Stands for VORLAGE: remembers how it was called and what the report file
// held, then writes `output` as its standard output and `errors` as its
// standard error.
class FakeRunner : public ProcessRunner {
public:
    ProcessOutcome outcome = ProcessOutcome::Finished;
    std::string output = "PARTEI a\nNAECHSTER\n";
    std::string errors;
    std::function<void()> during;

    std::filesystem::path program;
    std::vector<std::string> arguments;
    std::string reportText;
    std::vector<std::filesystem::path> files;

    ProcessResult Run(const std::filesystem::path& prog, const std::vector<std::string>& args,
        const std::filesystem::path& outputFile, const std::filesystem::path& errorFile,
        const ProcessLimits&) override
    {
        program = prog;
        arguments = args;
        reportText = ReadWholeFile(args.back());
        files = { args.back(), outputFile };
        if (during)
            during();
        if (outcome != ProcessOutcome::NotStarted) {
            WriteWholeFile(outputFile, output);
            if (!errorFile.empty())
                WriteWholeFile(errorFile, errors);
        }
        return { outcome };
    }

    bool FilesGone() const
    {
        for (const auto& file : files) {
            if (std::filesystem::exists(file))
                return false;
        }
        return !files.empty();
    }
};

class VorlageTest : public CRTest {
protected:
    void SetUp() override
    {
        CRTest::SetUp();
        read = ReadText("VERSION 36\n200;Runde\nPARTEI 10\n\"Mensch\";Typ\nREGION 0 0\n"
                        "\"Ebene\";Terrain\n");
    }
    std::unique_ptr<ReadOutcome> read;
    FakeRunner runner;
    ScriptedDialogs dialogs;
};

TEST_F(VorlageTest, GetsTheFullReportAndWholeArguments)
{
    const VorlageOptions options { "/opt/vor lage/vorlage",
        "-x \"C:\\Meine Befehle\\a b.txt\" -q" };
    TempDir dir;
    const auto messages = dir / "messages.txt";
    runner.errors = "Warnung: nichts zu tun\n";
    const auto lines = RunVorlage(*read->Report, options, messages, runner, dialogs);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (TextLines { "PARTEI a", "NAECHSTER" }));
    EXPECT_EQ(runner.program, std::filesystem::path("/opt/vor lage/vorlage"));
    ASSERT_EQ(runner.arguments.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(runner.arguments.begin(), runner.arguments.end() - 1),
        (std::vector<std::string> { "-p", "10", "-x", "C:\\Meine Befehle\\a b.txt", "-q" }));
    EXPECT_EQ(runner.reportText.rfind("VERSION 37\r\n", 0), 0u);
    EXPECT_NE(runner.reportText.find("PARTEI 10\r\n"), std::string::npos) << "with parties";
    EXPECT_TRUE(runner.FilesGone());
    EXPECT_EQ(ReadWholeFile(messages), "Warnung: nichts zu tun\n") << "the caller's to read";
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(VorlageTest, EveryEndRemovesTheTemporaryFiles)
{
    runner.outcome = ProcessOutcome::NotStarted;
    EXPECT_FALSE(RunVorlage(*read->Report, {}, {}, runner, dialogs).has_value());
    EXPECT_TRUE(runner.FilesGone());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown[0].text, "Es trat ein Fehler beim Ausführen von VORLAGE auf...");
    EXPECT_EQ(runner.program.stem(), "vorlage") << "beside the program when no path is set";

    runner.outcome = ProcessOutcome::Cancelled;
    EXPECT_FALSE(RunVorlage(*read->Report, {}, {}, runner, dialogs).has_value());
    EXPECT_TRUE(runner.FilesGone());
    EXPECT_EQ(dialogs.shown.size(), 1u) << "cancelling is no error";

    runner.outcome = ProcessOutcome::Finished;
    runner.during = [] { throw Error("kaputt"); };
    EXPECT_THROW(RunVorlage(*read->Report, {}, {}, runner, dialogs), Error);
    EXPECT_TRUE(runner.FilesGone());
}

TEST_F(VorlageTest, NoActivePartyStartsNothing)
{
    auto none = ReadText("VERSION 36\n200;Runde\nREGION 0 0\n\"Ebene\";Terrain\n");
    OrderExportOptions options;
    options.UseVorlage = true;
    EXPECT_FALSE(GetOrderFile(*none->Report, options, runner, dialogs).has_value());
    EXPECT_TRUE(runner.arguments.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Fehler: keine Partei aktiviert");

    options.UseVorlage = false;
    const auto built = GetOrderFile(*read->Report, options, runner, dialogs);
    ASSERT_TRUE(built.has_value());
    EXPECT_EQ(built->front(), "PARTEI a \"\"");
}

TEST(ShellWords, BlanksSeparateAndQuotesGroup)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        { "", {} },
        { "  -a\t-b  ", { "-a", "-b" } },
        { "-f \"C:\\Program Files\\x.txt\"", { "-f", "C:\\Program Files\\x.txt" } },
        { "a\"b c\"d", { "ab cd" } },
        { "\"\" x", { "", "x" } },
        { "\"offen bis zum Ende", { "offen bis zum Ende" } },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SplitShellWords(text), expected) << text;
}

} // namespace
} // namespace maprune::test
