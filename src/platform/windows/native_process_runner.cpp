// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native_process_runner.h"

#include <windows.h>

#include <system_error>

#include "platform/windows/wide_text.h"

namespace maprune {

namespace {

// How often the program's end and the size of its output are looked at.
constexpr DWORD kPollMilliseconds = 20;

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle = INVALID_HANDLE_VALUE)
        : FHandle(handle)
    {
    }
    ~OwnedHandle()
    {
        if (Valid())
            CloseHandle(FHandle);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE && FHandle != nullptr; }
    HANDLE Get() const { return FHandle; }

private:
    HANDLE FHandle;
};

// `path` opened for the child to inherit: NUL for an empty path.
HANDLE InheritedFile(const std::filesystem::path& path, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES inherit { sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE };
    return CreateFileW(path.empty() ? L"NUL" : path.c_str(), access,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
        path.empty() ? OPEN_EXISTING : creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One argument as the C runtime of the started program splits it back.
std::wstring Quoted(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

std::uintmax_t OutputBytes(
    const std::filesystem::path& outputFile, const std::filesystem::path& errorFile)
{
    std::error_code error;
    std::uintmax_t bytes = std::filesystem::file_size(outputFile, error);
    if (error)
        bytes = 0;
    if (!errorFile.empty() && errorFile != outputFile) {
        const std::uintmax_t more = std::filesystem::file_size(errorFile, error);
        bytes += error ? 0 : more;
    }
    return bytes;
}

void Stop(HANDLE process)
{
    TerminateProcess(process, 1);
    WaitForSingleObject(process, INFINITE);
}

} // namespace

ProcessResult NativeProcessRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile, const ProcessLimits& limits)
{
    std::wstring commandLine = Quoted(program.wstring());
    for (const std::string& argument : arguments)
        commandLine += L" " + Quoted(WideOfUtf8(argument));

    const OwnedHandle input(InheritedFile({}, GENERIC_READ, OPEN_EXISTING));
    const OwnedHandle output(InheritedFile(outputFile, GENERIC_WRITE, CREATE_ALWAYS));
    const bool merged = !errorFile.empty() && errorFile == outputFile;
    const OwnedHandle error(
        merged ? INVALID_HANDLE_VALUE : InheritedFile(errorFile, GENERIC_WRITE, CREATE_ALWAYS));
    if (!input.Valid() || !output.Valid() || (!merged && !error.Valid()))
        return { ProcessOutcome::NotStarted };

    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = output.Get();
    startup.hStdError = merged ? output.Get() : error.Get();
    PROCESS_INFORMATION started {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
            nullptr, nullptr, &startup, &started))
        return { ProcessOutcome::NotStarted };
    const OwnedHandle process(started.hProcess);
    CloseHandle(started.hThread);

    const ULONGLONG begin = GetTickCount64();
    while (WaitForSingleObject(process.Get(), kPollMilliseconds) == WAIT_TIMEOUT) {
        if (limits.Timeout.count() > 0
            && GetTickCount64() - begin > static_cast<ULONGLONG>(limits.Timeout.count())) {
            Stop(process.Get());
            return { ProcessOutcome::TimedOut };
        }
        if (limits.MaxOutputBytes > 0 && OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes) {
            Stop(process.Get());
            return { ProcessOutcome::OutputTooLarge };
        }
    }
    // What it wrote in its last moments counts as well.
    if (limits.MaxOutputBytes > 0 && OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes)
        return { ProcessOutcome::OutputTooLarge };
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    // Exception codes (access violation and the like) end a crashed program.
    if (code >= 0xC0000000u)
        return { ProcessOutcome::Crashed };
    return { ProcessOutcome::Finished, static_cast<int>(code) };
}

} // namespace maprune
