// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli orders: the order file of the report's active party, built by
// Maprune or, with --vorlage, by VORLAGE as the user's settings call it.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/stderr_dialogs.h"
#include "cli/user_settings.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/write_file.h"
#include "model/report.h"
#include "orders/order_export.h"
#include "platform/native_process_runner.h"

namespace maprune::cli {

namespace {

struct OrdersOptions {
    ReportOptions Report;
    std::string Output;
    bool Vorlage = false;
};

void RunOrders(const OrdersOptions& options)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    OrderExportOptions exportOptions;
    if (options.Vorlage) {
        exportOptions.UseVorlage = true;
        exportOptions.Vorlage = VorlageOptionsOfUser();
    }
    NativeProcessRunner runner;
    std::optional<TextLines> lines;
    try {
        lines = GetOrderFile(*report, exportOptions, runner, ToolDialogs());
        if (lines && !options.Output.empty())
            WriteFileAtomically(options.Output, TextOfLines(*lines));
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
    if (!lines)
        throw CLI::RuntimeError(1);
    if (options.Output.empty())
        std::cout << TextOfLines(*lines) << std::flush;
}

void AddOrdersCommand(CLI::App& app)
{
    auto options = std::make_shared<OrdersOptions>();
    CLI::App* command = app.add_subcommand("orders", QtVerbDescription("orders"));
    AddReportOptions(*command, options->Report);
    command->add_option("-o,--output", options->Output, "die Befehlsdatei (.txt)");
    command->add_flag("--vorlage", options->Vorlage,
        "die Befehlsdatei von VORLAGE erstellen lassen (VORLAGE_Path, VORLAGE_Parameters der "
        "Einstellungen)");
    command->callback([options] { RunOrders(*options); });
}

const VerbRegistration ordersVerb { "orders", &AddOrdersCommand };

} // namespace

} // namespace maprune::cli
