// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/process_runner.h"
#include "model/region.h"
#include "model/unit.h"
#include "orders/kcheck.h"
#include "platform/program_files.h"
#include "report/cr_test_support.h"
#include "support/temp_dir.h"

namespace maprune::test {
namespace {

// Party 10 with unit 14 (40) at 3,4 and unit 15 (41) at 5,6 on layer 1.
constexpr const char* kReport = "VERSION 36\n200;Runde\nPARTEI 10\n\"Mensch\";Typ\n"
                                "REGION 3 4\n\"Heim\";Name\n\"Ebene\";Terrain\n"
                                "EINHEIT 40\n\"Ole\";Name\n10;Partei\n"
                                "REGION 5 6 1\n\"Tief\";Name\n\"Ebene\";Terrain\n"
                                "EINHEIT 41\n\"Eva\";Name\n10;Partei\n";

const TextLines kOrders = {
    "PARTEI a \"\"", // 1
    "", // 2
    "REGION 3,4 ; Heim", // 3
    "; KCheck Lohn 11", // 4
    "EINHEIT 14;\t\tOle [1,0$]", // 5
    "  ARBEITE", // 6
    "REGION 5,6,1 ; Tief", // 7
    "EINHEIT 15;\t\tEva [1,0$]", // 8
    "  LERNE", // 9
    "NAECHSTER", // 10
};

// Stands for VORLAGE and the checker: writes the scripted output of the
// program it is asked to run and remembers the calls.
class FakeRunner : public ProcessRunner {
public:
    struct Call {
        std::filesystem::path Program;
        std::vector<std::string> Arguments;
        std::filesystem::path Output;
        std::filesystem::path Errors;
    };
    ProcessOutcome outcome = ProcessOutcome::Finished;
    std::string checkerOutput;
    std::string vorlageOutput = "PARTEI a\nEINHEIT 15\nNAECHSTER\n";
    std::string vorlageErrors;
    std::vector<Call> calls;
    std::string checkedFile;

    ProcessResult Run(const std::filesystem::path& program, const std::vector<std::string>& args,
        const std::filesystem::path& output, const std::filesystem::path& errors,
        const ProcessLimits&) override
    {
        calls.push_back({ program, args, output, errors });
        if (outcome != ProcessOutcome::Finished)
            return { outcome };
        const bool vorlage = program.stem() == "vorlage";
        if (!vorlage)
            checkedFile = ReadWholeFile(args.back());
        WriteWholeFile(output, vorlage ? vorlageOutput : checkerOutput);
        if (vorlage && !errors.empty())
            WriteWholeFile(errors, vorlageErrors);
        return { outcome };
    }
};

class KCheckTest : public CRTest {
protected:
    void SetUp() override
    {
        CRTest::SetUp();
        read = ReadText(kReport);
        ASSERT_NE(read->Report, nullptr);
        report = read->Report.get();
        home = report->FindRegion(3, 4, 0);
        deep = report->FindRegion(5, 6, 1);
        ASSERT_TRUE(home && deep);
        ole = (*home->Units)[0];
        eva = (*deep->Units)[0];
    }
    std::unique_ptr<ReadOutcome> read;
    TReport* report = nullptr;
    TRegion* home = nullptr;
    TRegion* deep = nullptr;
    TUnit* ole = nullptr;
    TUnit* eva = nullptr;
    FakeRunner runner;
    ScriptedDialogs dialogs;
};

TEST_F(KCheckTest, OrderLinesLinkToTheLastUnitOrRegionAboveAndItsOrder)
{
    const TextLines lines = { "PARTEI a", "REGION 3,4,0 ; a", "  region 3 , 4;x", "REGION 5,6,1",
        "EINHEIT zz", "REGION 3,4,0,9", "Einheit 14 ; Kommentar", "  ARBEITE", "REGION 7,7" };
    const std::vector<CheckerLink> links = OrderFileLinks(*report, lines);
    const std::vector<std::pair<TRegion*, TUnit*>> expected = { { nullptr, nullptr },
        { home, nullptr }, { home, nullptr }, { deep, nullptr }, { nullptr, nullptr },
        { nullptr, nullptr }, { home, ole }, { home, ole }, { nullptr, nullptr } };
    const int orderLines[] = { -1, -1, -1, -1, -1, -1, -1, 0, -1 };
    ASSERT_EQ(links.size(), expected.size());
    for (size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(links[i].Region, expected[i].first) << lines[i];
        EXPECT_EQ(links[i].Unit, expected[i].second) << lines[i];
        EXPECT_EQ(links[i].OrderLine, orderLines[i]) << lines[i];
    }
}

TEST_F(KCheckTest, ResultsCountWarningsAndErrorsOfBothForms)
{
    const TextLines output = {
        "KCheck 4.2 - Befehlsprüfer", // banner: shown, not counted
        "C:\\Befehle (neu)\\x(1).txt(6): Fehler: unbekannter Befehl",
        "befehle.txt(4): warnung: Lohn zu niedrig",
        "befehle.txt(3): Hinweis: wird nicht gezeigt",
        "befehle.txt(99): Fehler: hinter dem Ende",
        "befehle.txt(x): Warnung: keine Zahl",
        "/tmp/o(1).txt(9)|0|kein Silber",
        "befehle.txt(7)|2|Region fern",
        "befehle.txt(2)|a|seltsam",
    };
    const CheckerResults results = ShowResults(*report, kOrders, output, { "VORLAGE: alt" });
    const std::vector<std::tuple<std::string, TRegion*, TUnit*>> expected = {
        { "VORLAGE: alt", nullptr, nullptr },
        { "KCheck 4.2 - Befehlsprüfer", nullptr, nullptr },
        { "Fehler: unbekannter Befehl", home, ole },
        { "warnung: Lohn zu niedrig", home, nullptr },
        { "Fehler: hinter dem Ende", nullptr, nullptr },
        { "Warnung: keine Zahl", nullptr, nullptr },
        { "kein Silber", deep, eva },
        { "Region fern", deep, nullptr },
        { "befehle.txt(2)|a|seltsam", nullptr, nullptr },
    };
    ASSERT_EQ(results.Entries.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& [text, region, unit] = expected[i];
        EXPECT_EQ(results.Entries[i].Text, text);
        EXPECT_EQ(results.Entries[i].Link.Region, region) << text;
        EXPECT_EQ(results.Entries[i].Link.Unit, unit) << text;
    }
    EXPECT_EQ(results.Errors, 3);
    EXPECT_EQ(results.Warnings, 3);
    EXPECT_EQ(results.Entries[2].Level, CheckerLevel::Error);
    EXPECT_EQ(results.Entries[7].Level, CheckerLevel::Warning);
    EXPECT_EQ(results.Entries[8].Level, CheckerLevel::None);
    EXPECT_TRUE(results.ShowWindow());
    EXPECT_EQ(CheckerLinkText(*report, results.Entries[2].Link), "unit 14");
    EXPECT_EQ(CheckerLinkText(*report, results.Entries[7].Link), "region 5,6,1");

    const CheckerResults warningsOnly
        = ShowResults(*report, kOrders, { "a(5): Warnung: x", "Ende" }, {});
    EXPECT_EQ(warningsOnly.Warnings, 1);
    EXPECT_EQ(warningsOnly.Errors, 0);
    EXPECT_TRUE(warningsOnly.ShowWindow());
    EXPECT_FALSE(ShowResults(*report, kOrders, { "alles gut" }, {}).ShowWindow());
}

TEST_F(KCheckTest, RunPassesWholeArgumentsAndRemovesItsFiles)
{
    KCheckOptions options;
    options.Path = "/opt/k check/kcheck";
    options.Parameters = "-x \"a b\"";
    runner.checkerOutput = "befehle(1): Fehler: falsche Partei\n";
    const KCheckRun run = RunKCheck(*report, options, runner, dialogs);
    ASSERT_TRUE(run.Results.has_value());
    EXPECT_EQ(run.Results->Errors, 1);
    ASSERT_EQ(runner.calls.size(), 1u);
    const FakeRunner::Call& call = runner.calls[0];
    EXPECT_EQ(call.Program, std::filesystem::path("/opt/k check/kcheck"));
    EXPECT_EQ(std::vector<std::string>(call.Arguments.begin(), call.Arguments.end() - 1),
        (std::vector<std::string> { "-c", "-P/opt/k check", "-x", "a b" }));
    EXPECT_EQ(call.Output, call.Errors) << "standard output and error into one file";
    EXPECT_EQ(runner.checkedFile.rfind("PARTEI a \"\"\r\n", 0), 0u);
    for (const auto& file : { std::filesystem::path(call.Arguments.back()), call.Output })
        EXPECT_FALSE(std::filesystem::exists(file)) << file;

    options.Export.UseVorlage = true;
    runner.calls.clear();
    runner.vorlageErrors = "VORLAGE: Einheit fehlt\n";
    const KCheckRun withVorlage = RunKCheck(*report, options, runner, dialogs);
    ASSERT_EQ(runner.calls.size(), 2u);
    EXPECT_EQ(runner.checkedFile, "PARTEI a\r\nEINHEIT 15\r\nNAECHSTER\r\n");
    ASSERT_TRUE(withVorlage.Results.has_value());
    EXPECT_EQ(withVorlage.Results->Entries.front().Text, "VORLAGE: Einheit fehlt");
    EXPECT_EQ(withVorlage.Results->Entries[1].Link.Unit, nullptr) << "line 1 is PARTEI";
    EXPECT_FALSE(std::filesystem::exists(runner.calls[0].Errors));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(KCheckTest, CheckerThatDoesNotRunShowsItsMessage)
{
    runner.outcome = ProcessOutcome::NotStarted;
    const KCheckRun failed = RunKCheck(*report, {}, runner, dialogs);
    EXPECT_FALSE(failed.Results.has_value());
    EXPECT_FALSE(failed.Cancelled);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Es trat ein Fehler beim Ausführen von KCheck auf...");
    EXPECT_EQ(runner.calls[0].Program.filename(), kKCheckFileName) << "beside the program";

    runner.outcome = ProcessOutcome::Cancelled;
    const KCheckRun cancelled = RunKCheck(*report, {}, runner, dialogs);
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "cancelling is no error";
}

TEST_F(KCheckTest, MailAsksAboutErrorsThenWarnings)
{
    struct Case {
        const char* Output;
        std::vector<DialogButton> Answers;
        bool Sends;
        std::vector<std::string> Questions;
    };
    const Case cases[] = {
        { "KCheck 1.0\n", {}, true, {} },
        { "a(5): Warnung: x\n", {}, true, {} },
        { "a(5): Fehler: x\n", { ButtonNo }, false, { kCheckErrorsQuestion } },
        { "a(5): Fehler: x\na(6): Warnung: y\n", { ButtonYes, ButtonYes }, true,
            { kCheckErrorsQuestion, kCheckWarningsQuestion } },
        { "a(5): Fehler: x\na(6): Warnung: y\n", { ButtonYes, ButtonNo }, false,
            { kCheckErrorsQuestion, kCheckWarningsQuestion } },
    };
    KCheckOptions options;
    options.Use = true;
    for (const Case& c : cases) {
        ScriptedDialogs asked;
        asked.answers.assign(c.Answers.begin(), c.Answers.end());
        runner.checkerOutput = c.Output;
        CheckerResults last;
        int shown = 0;
        EXPECT_EQ(CheckBeforeMail(*report, options, runner, asked, last,
                      [&](const CheckerResults&) { ++shown; }),
            c.Sends)
            << c.Output;
        EXPECT_EQ(shown, 1);
        std::vector<std::string> questions;
        for (const auto& message : asked.shown)
            questions.push_back(message.text);
        EXPECT_EQ(questions, c.Questions) << c.Output;
    }

    CheckerResults last;
    last.Errors = 1;
    runner.outcome = ProcessOutcome::NotStarted;
    ScriptedDialogs keep;
    keep.answers = { ButtonOk, ButtonNo };
    EXPECT_FALSE(CheckBeforeMail(*report, options, runner, keep, last, [](auto&) {}))
        << "the counts of the run before stand";
    runner.outcome = ProcessOutcome::Cancelled;
    EXPECT_FALSE(CheckBeforeMail(*report, options, runner, dialogs, last, [](auto&) {}));
    options.Use = false;
    runner.calls.clear();
    EXPECT_TRUE(CheckBeforeMail(*report, options, runner, dialogs, last, [](auto&) {}));
    EXPECT_TRUE(runner.calls.empty());
}

} // namespace
} // namespace maprune::test
