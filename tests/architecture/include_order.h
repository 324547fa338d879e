// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace maprune::architecture {

// One #include line of a source file. File is relative to src/ ("map/bsp_tree.cpp");
// Angled tells <...> from "...".
struct IncludeLine {
    std::string File;
    int Line = 0;
    std::string Target;
    bool Angled = false;
};

// The lines that break the layer order, each as "file:line: #include ... (why)".
// The order, lowest first: core < model < config < {report, storage} < files <
// map < {orders, tools} < the top (every */ui folder, app, archive, cli, datagen). A
// folder includes its own layer and every lower one; siblings in braces do not
// include each other; the top includes anything. Qt headers (<Q...>) belong to
// the top only.
std::vector<std::string> LayerViolations(const std::vector<IncludeLine>& includes);

// Every #include line of the .h and .cpp files under `sourceDir`.
std::vector<IncludeLine> ReadIncludes(const std::filesystem::path& sourceDir);

} // namespace maprune::architecture
