// SPDX-License-Identifier: GPL-3.0-or-later
// Programs started by maprune-cli: each case runs one program and checks how
// it ended and what its output files hold.
#include <gtest/gtest.h>

#include <optional>

#include "platform/native_process_runner.h"
#include "support/temp_dir.h"

using namespace maprune;
using namespace std::chrono_literals;

namespace {

enum class Streams { Apart, Together };

struct RunCase {
    const char* Name;
    std::filesystem::path Program;
    std::vector<std::string> Arguments;
    Streams Output;
    ProcessLimits Limits;
    ProcessOutcome Outcome;
    int ExitCode;
    std::optional<std::string> Written; // standard output (both streams when Together)
    std::optional<std::string> Errors; // standard error (Apart)
};

#ifdef _WIN32
const std::string kCmd = "cmd.exe";
const std::vector<RunCase> kCases {
    { "quoted arguments and the exit code", kCmd, { "/c", "echo a  b& exit 3" }, Streams::Apart,
        {}, ProcessOutcome::Finished, 3, "a  b\r\n", "" },
    { "missing program", "C:\\nicht\\da\\vorlage.exe", {}, Streams::Apart, {},
        ProcessOutcome::NotStarted, 0, std::nullopt, std::nullopt },
    { "both streams in one file", kCmd, { "/c", "echo 1& echo 2 1>&2& echo 3" },
        Streams::Together, {}, ProcessOutcome::Finished, 0, "1\r\n2 \r\n3\r\n", std::nullopt },
    { "time-out", kCmd, { "/c", "for /L %i in (1,0,2) do @rem" }, Streams::Apart, { 200ms, 0 },
        ProcessOutcome::TimedOut, 0, std::nullopt, std::nullopt },
    { "output bound", kCmd, { "/c", "for /L %i in (1,0,2) do @echo xxxxxxxxxxxxxxxxxxxx" },
        Streams::Apart, { 0ms, 1000 }, ProcessOutcome::OutputTooLarge, 0, std::nullopt,
        std::nullopt },
};
#else
const std::vector<RunCase> kCases {
    { "arguments whole, input empty, exit code", "/bin/sh",
        { "-c", "printf '[%s]' \"$@\"; read line || echo leer >&2; exit 3", "sh", "a b", "",
            "\"x\"" },
        Streams::Apart, {}, ProcessOutcome::Finished, 3, "[a b][][\"x\"]", "leer\n" },
    { "missing program", "/no/such/vorlage", {}, Streams::Apart, {}, ProcessOutcome::NotStarted,
        0, std::nullopt, std::nullopt },
    { "program found in PATH, both streams in one file", "sh",
        { "-c", "echo 1; echo 2 >&2; echo 3" }, Streams::Together, {}, ProcessOutcome::Finished,
        0, "1\n2\n3\n", std::nullopt },
    { "crash", "/bin/sh", { "-c", "kill -SEGV $$" }, Streams::Apart, {}, ProcessOutcome::Crashed,
        11, std::nullopt, std::nullopt },
    { "time-out", "/bin/sleep", { "30" }, Streams::Apart, { 200ms, 0 }, ProcessOutcome::TimedOut,
        0, std::nullopt, std::nullopt },
    { "output bound", "/bin/sh", { "-c", "while :; do echo xxxxxxxxxxxxxxxxxxxx; done" },
        Streams::Apart, { 0ms, 1000 }, ProcessOutcome::OutputTooLarge, 0, std::nullopt,
        std::nullopt },
};
#endif

TEST(NativeProcessRunner, EndsAndOutputsAsTheProgramDid)
{
    for (const RunCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        TempDir dir;
        const std::filesystem::path out = dir / "aus gabe.txt";
        const std::filesystem::path err = c.Output == Streams::Together ? out : dir / "fehler.txt";
        NativeProcessRunner runner;
        const ProcessResult result = runner.Run(c.Program, c.Arguments, out, err, c.Limits);
        EXPECT_EQ(result.Outcome, c.Outcome);
        EXPECT_EQ(result.ExitCode, c.ExitCode);
        if (c.Written) {
            EXPECT_EQ(ReadWholeFile(out), *c.Written);
        }
        if (c.Errors) {
            EXPECT_EQ(ReadWholeFile(err), *c.Errors);
        }
    }
}

} // namespace
