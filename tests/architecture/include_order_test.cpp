// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "architecture/include_order.h"

using namespace maprune::architecture;

TEST(LayerViolations, JudgesEachIncludeByTheLayerOrder)
{
    struct Case {
        const char* File;
        const char* Target;
        bool Angled;
        bool Permitted;
    };
    const std::vector<Case> cases {
        { "model/region.cpp", "core/error.h", false, true },
        { "model/region.cpp", "model/report.h", false, true },
        { "model/region.cpp", "map/hex_geometry.h", false, false },
        { "platform/posix/native_file.cpp", "core/native_file.h", false, true },
        { "platform/windows/console.cpp", "platform/windows/wide_text.h", false, true },
        { "platform/windows/console.cpp", "model/report.h", false, false },
        { "core/write_file.cpp", "platform/console.h", false, false },
        { "orders/kcheck.cpp", "platform/program_files.h", false, true },
        { "report/cr_reader.cpp", "storage/kdf_file.h", false, false },
        { "storage/kdf_file.cpp", "report/cr_reader.h", false, false },
        { "files/report_file.cpp", "report/cr_reader.h", false, true },
        { "files/report_file.cpp", "storage/kdf_file.h", false, true },
        { "storage/kdf_file.cpp", "files/report_file.h", false, false },
        { "map/bsp_tree.cpp", "files/report_file.h", false, true },
        { "tools/route.cpp", "orders/export.h", false, false },
        { "map/map_view.cpp", "map/ui/map_view_widget.h", false, false },
        { "map/map_view.cpp", "app/main_window.h", false, false },
        { "map/map_view.cpp", "<QImage>", true, false },
        { "map/map_view.cpp", "<vector>", true, true },
        { "map/map_view.cpp", "local.h", false, true },
        { "map/map_view.cpp", "bench/crgen/cr_generator.h", false, false },
        { "map/ui/render/map_canvas.cpp", "<QImage>", true, true },
        { "app/main_window.cpp", "config/ui/config_window.h", false, true },
        { "cli/command_render.cpp", "map/ui/render/tile_renderer.h", false, true },
        { "tools/ui/route_window.cpp", "document/path_text.h", false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.File) + " -> " + c.Target);
        std::string target = c.Target;
        if (c.Angled)
            target = target.substr(1, target.size() - 2);
        const auto violations = LayerViolations({ { c.File, 7, target, c.Angled } });
        EXPECT_EQ(violations.empty(), c.Permitted);
        if (!violations.empty()) {
            EXPECT_EQ(violations.front().rfind(std::string(c.File) + ":7: #include ", 0), 0u);
        }
    }
}

TEST(LayerViolations, NoneInTheSources)
{
    const std::vector<IncludeLine> includes = ReadIncludes(MAPRUNE_SOURCE_DIR);
    ASSERT_GT(includes.size(), 100u);
    std::string report;
    for (const std::string& violation : LayerViolations(includes))
        report += violation + "\n";
    EXPECT_EQ(report, "");
}
