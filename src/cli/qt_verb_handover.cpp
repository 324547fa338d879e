// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt verbs in maprune-cli: each is listed with its description and hands
// the whole command line to the program that has it, which replaces this
// process. So that program's output, exit code and help are
// the command's own, and only these verbs load Qt.
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "cli/exception_exit.h"
#include "cli/qt_verbs.h"
#include "cli/verb_registry.h"
#include "core/native_file.h"
#include "core/path_text.h"
#include "core/program_path.h"

namespace maprune::cli {

namespace {

// Beside this program; on Linux found by the kernel's own link, which holds
// also when the program was started through PATH.
std::filesystem::path QtProgramPath()
{
    std::filesystem::path self = ProgramPath();
#if defined(__linux__)
    std::error_code error;
    std::filesystem::path link = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        self = std::move(link);
#endif
    return self.parent_path() / kQtProgram;
}

void RunQtProgram()
{
    const std::filesystem::path program = QtProgramPath();
    std::vector<std::string> arguments = CommandLine();
    arguments.at(0) = program.string();
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::cout.flush();
    execv(program.c_str(), argv.data());
    const int error = errno;
    std::cerr << PathText(program) << " lässt sich nicht starten: " << FailureReason(error) << '\n';
    throw CLI::RuntimeError(kExitFailure);
}

template <std::size_t I> void AddQtVerb(CLI::App& app)
{
    CLI::App* command
        = app.add_subcommand(std::string(kQtVerbs[I].Name), std::string(kQtVerbs[I].Description));
    // As soon as the verb is chosen, before its arguments are looked at:
    // every argument, a --help before the verb too, is the other program's.
    command->preparse_callback([](std::size_t) { RunQtProgram(); });
}

template <std::size_t... I> bool RegisterQtVerbs(std::index_sequence<I...>)
{
    (VerbRegistration(kQtVerbs[I].Name.data(), &AddQtVerb<I>), ...);
    return true;
}

const bool qtVerbsRegistered = RegisterQtVerbs(std::make_index_sequence<std::size(kQtVerbs)>());

} // namespace

} // namespace maprune::cli
