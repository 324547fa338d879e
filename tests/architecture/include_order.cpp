// SPDX-License-Identifier: GPL-3.0-or-later
#include "architecture/include_order.h"

#include <fstream>
#include <map>
#include <optional>
#include <regex>

namespace maprune::architecture {

namespace {

// Above the Qt-free core: the report document (Qt Core and Gui), the ui
// folders (windows of one subsystem, which may use each other), and the
// programs with their shell.
constexpr int kDocument = 50;
constexpr int kUi = 60;
constexpr int kTop = 100;

// The layer of a path below src/: its first folder, or kUi for a ui folder.
// None for a folder outside the order.
std::optional<int> LayerOf(const std::string& path, std::string& folder)
{
    static const std::map<std::string, int> kRanks { { "core", 0 }, { "platform", 1 },
        { "model", 1 }, { "config", 2 }, { "report", 3 }, { "storage", 3 }, { "files", 4 },
        { "map", 5 }, { "orders", 6 }, { "tools", 6 }, { "document", kDocument }, { "app", kTop },
        { "archive", kTop }, { "cli", kTop }, { "datagen", kTop } };
    const size_t slash = path.find('/');
    folder = path.substr(0, slash);
    if (slash != std::string::npos && path.compare(slash, 4, "/ui/") == 0)
        return kUi;
    const auto rank = kRanks.find(folder);
    if (rank == kRanks.end())
        return std::nullopt;
    return rank->second;
}

std::string LayerName(int rank, const std::string& folder)
{
    if (rank == kTop)
        return "the program code";
    if (rank == kUi)
        return "the ui code";
    return folder;
}

std::optional<std::string> Violation(const IncludeLine& include)
{
    std::string from;
    const std::optional<int> source = LayerOf(include.File, from);
    if (include.Angled) {
        if (include.Target.starts_with('Q') && (!source || *source < kDocument))
            return "Qt outside the document, the ui folders and the programs";
        return std::nullopt;
    }
    // A bare name is a file beside the includer.
    if (include.Target.find('/') == std::string::npos)
        return std::nullopt;
    std::string to;
    const std::optional<int> target = LayerOf(include.Target, to);
    if (!source || !target)
        return "outside the layer order";
    if (*target < *source || (*target == *source && (from == to || *source >= kUi)))
        return std::nullopt;
    return from + " may not include " + LayerName(*target, to);
}

} // namespace

std::vector<std::string> LayerViolations(const std::vector<IncludeLine>& includes)
{
    std::vector<std::string> violations;
    for (const IncludeLine& include : includes) {
        if (const auto why = Violation(include)) {
            const std::string target
                = include.Angled ? "<" + include.Target + ">" : "\"" + include.Target + "\"";
            violations.push_back(include.File + ":" + std::to_string(include.Line) + ": #include "
                + target + " (" + *why + ")");
        }
    }
    return violations;
}

std::vector<IncludeLine> ReadIncludes(const std::filesystem::path& sourceDir)
{
    static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<IncludeLine> includes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sourceDir)) {
        const auto extension = entry.path().extension();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        const std::string file = entry.path().lexically_relative(sourceDir).generic_string();
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch match;
            if (std::regex_search(text, match, kInclude))
                includes.push_back({ file, line, match[2].str(), match[1].str() == "<" });
        }
    }
    return includes;
}

} // namespace maprune::architecture
