// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native_process_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace maprune {

namespace {

// How often the program's end and the size of its output are looked at.
constexpr std::chrono::milliseconds kPollInterval { 20 };

std::uintmax_t FileBytes(const std::filesystem::path& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 ? static_cast<std::uintmax_t>(status.st_size) : 0;
}

std::uintmax_t OutputBytes(
    const std::filesystem::path& outputFile, const std::filesystem::path& errorFile)
{
    std::uintmax_t bytes = FileBytes(outputFile);
    if (!errorFile.empty() && errorFile != outputFile)
        bytes += FileBytes(errorFile);
    return bytes;
}

// The spawn's file actions: standard input empty, the outputs into their files.
class Redirections {
public:
    Redirections(const std::filesystem::path& outputFile, const std::filesystem::path& errorFile)
    {
        ::posix_spawn_file_actions_init(&FActions);
        constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;
        ::posix_spawn_file_actions_addopen(&FActions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(
            &FActions, STDOUT_FILENO, outputFile.c_str(), kWrite, 0666);
        if (errorFile.empty())
            ::posix_spawn_file_actions_addopen(&FActions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        else if (errorFile == outputFile)
            ::posix_spawn_file_actions_adddup2(&FActions, STDOUT_FILENO, STDERR_FILENO);
        else
            ::posix_spawn_file_actions_addopen(
                &FActions, STDERR_FILENO, errorFile.c_str(), kWrite, 0666);
    }
    ~Redirections() { ::posix_spawn_file_actions_destroy(&FActions); }
    Redirections(const Redirections&) = delete;
    Redirections& operator=(const Redirections&) = delete;

    const posix_spawn_file_actions_t* Actions() const { return &FActions; }

private:
    posix_spawn_file_actions_t FActions;
};

// Waits for `child` without blocking; true with its status once it ended.
bool Ended(pid_t child, int& status)
{
    pid_t done;
    do {
        done = ::waitpid(child, &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    return done == child;
}

void Stop(pid_t child)
{
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
}

} // namespace

ProcessResult NativeProcessRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile, const ProcessLimits& limits)
{
    std::vector<std::string> words { program.string() };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const Redirections redirections(outputFile, errorFile);
    pid_t child = 0;
    if (::posix_spawnp(&child, argv[0], redirections.Actions(), nullptr, argv.data(), environ) != 0)
        return { ProcessOutcome::NotStarted };

    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    while (!Ended(child, status)) {
        if (limits.Timeout.count() > 0 && std::chrono::steady_clock::now() - start > limits.Timeout) {
            Stop(child);
            return { ProcessOutcome::TimedOut };
        }
        if (limits.MaxOutputBytes > 0 && OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes) {
            Stop(child);
            return { ProcessOutcome::OutputTooLarge };
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    // What it wrote in its last moments counts as well.
    if (limits.MaxOutputBytes > 0 && OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes)
        return { ProcessOutcome::OutputTooLarge };
    if (WIFSIGNALED(status))
        return { ProcessOutcome::Crashed, WTERMSIG(status) };
    return { ProcessOutcome::Finished, WEXITSTATUS(status) };
}

} // namespace maprune
