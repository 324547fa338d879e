// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/dash_positionals.h"

#include <algorithm>

namespace maprune::cli {

namespace {

// The option that `argument` names ("--name", "--name=value", "-x",
// "-xvalue") in `command` or a command above it, or null.
const CLI::Option* OptionNamed(const CLI::App& command, const std::string& argument)
{
    const std::string name = argument.starts_with("--") ? argument.substr(0, argument.find('='))
                                                        : argument.substr(0, 2);
    for (const CLI::App* above = &command; above != nullptr; above = above->get_parent()) {
        if (const CLI::Option* option = above->get_option_no_throw(name))
            return option;
    }
    return nullptr;
}

// Whether the value of an option comes with its argument itself.
bool ValueAttached(const std::string& argument)
{
    return argument.starts_with("--") ? argument.find('=') != std::string::npos
                                      : argument.size() > 2;
}

} // namespace

std::vector<std::string> DashPositionalsMarked(
    const CLI::App& app, const std::vector<std::string>& arguments)
{
    if (std::find(arguments.begin(), arguments.end(), "--") != arguments.end())
        return arguments;
    const CLI::App* command = &app;
    std::vector<std::string> options;
    std::vector<std::string> positionals;
    bool marked = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto named = command->get_subcommands(
            [&argument](const CLI::App* sub) { return sub->check_name(argument); });
        if (!named.empty()) {
            command = named.front();
            options.push_back(argument);
            continue;
        }
        if (argument.size() < 2 || argument.front() != '-') {
            positionals.push_back(argument);
            continue;
        }
        const CLI::Option* option = OptionNamed(*command, argument);
        if (option == nullptr) {
            positionals.push_back(argument);
            marked = true;
            continue;
        }
        options.push_back(argument);
        if (!ValueAttached(argument)) {
            for (int n = option->get_items_expected_min(); n > 0 && i + 1 < arguments.size(); --n)
                options.push_back(arguments[++i]);
        }
    }
    if (!marked)
        return arguments;
    options.push_back("--");
    options.insert(options.end(), positionals.begin(), positionals.end());
    return options;
}

} // namespace maprune::cli
