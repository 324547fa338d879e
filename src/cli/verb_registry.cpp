// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verb_registry.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace maprune::cli {

namespace {

struct Verb {
    std::string Name;
    AddVerb Add;
};

// Function-local, so it exists before the first registration of any file runs.
std::vector<Verb>& Verbs()
{
    static std::vector<Verb> verbs;
    return verbs;
}

} // namespace

VerbRegistration::VerbRegistration(const char* name, AddVerb add)
{
    Verbs().push_back({ name, add });
}

void AddRegisteredVerbs(CLI::App& app)
{
    std::vector<Verb> verbs = Verbs();
    std::sort(
        verbs.begin(), verbs.end(), [](const Verb& a, const Verb& b) { return a.Name < b.Name; });
    for (const Verb& verb : verbs) {
        const size_t before = app.get_subcommands({}).size();
        verb.Add(app);
        const std::vector<CLI::App*> after = app.get_subcommands({});
        if (after.size() != before + 1 || after.back()->get_name() != verb.Name)
            throw std::logic_error("maprune-cli: verb " + verb.Name + " not added as registered");
    }
}

} // namespace maprune::cli
