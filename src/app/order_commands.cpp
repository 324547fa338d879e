// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/order_commands.h"

#include <QAction>

#include "app/info/region_window.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/qt_desktop_services.h"
#include "config/settings.h"
#include "config/ui/keychain_password_store.h"
#include "document/report_document.h"
#include "model/region.h"
#include "orders/ui/checker_commands.h"
#include "orders/ui/kcheck_messages_window.h"
#include "orders/ui/order_sender.h"
#include "orders/ui/unit_command_window.h"
#include "orders/ui/vorlage_progress_runner.h"
#include "orders/unit_mail.h"

namespace maprune {

TOrderCommands::TOrderCommands(OrderCommandsParts parts)
    : QObject(&parts.Window)
    , FParts(parts)
{
    if (FParts.Passwords == nullptr)
        FParts.Passwords = &ProgramPasswordStore();
    if (FParts.Desktop == nullptr) {
        FOwnDesktop = std::make_unique<QtDesktopServices>();
        FParts.Desktop = FOwnDesktop.get();
    }
    if (FParts.Runner == nullptr) {
        FOwnRunner = std::make_unique<TVorlageProgressRunner>(&FParts.Window);
        FParts.Runner = FOwnRunner.get();
    }
    TReportDocument& document = FParts.Window.Document();
    FMessagesWindow = new TKCheckMessagesWindow(document, &FParts.Window);
    QAction* entry = FParts.Menu.InfoWindows.CheckerOutput;
    FParts.Window.AddInfoWindow(FMessagesWindow, entry, Qt::BottomDockWidgetArea);
    FChecker = new TCheckerCommands(
        FParts.Settings, document, FParts.Messages, *FMessagesWindow, &FParts.Window, parts.Runner);
    FSender = std::make_unique<TOrderSender>(OrderSenderParts { FParts.Settings, document,
        FParts.Messages, *FChecker, *FParts.Passwords, *FParts.Runner, {} });

    connect(FParts.Menu.Checker, &QAction::triggered, FChecker, &TCheckerCommands::RunCheck);
    connect(FChecker, &TCheckerCommands::windowWanted, entry, [entry] { entry->setChecked(true); });
    connect(FChecker, &TCheckerCommands::resultsShown, &FParts.Window.CommandWindow(),
        &TUnitCommandWindow::ShowCheckerMessages);
    connect(
        FMessagesWindow, &TKCheckMessagesWindow::linkActivated, this, &TOrderCommands::FollowLink);
    connect(&FParts.Regions, &TRegionWindow::mailRequested, this, &TOrderCommands::MailToUnit);
}

TOrderCommands::~TOrderCommands() = default;

void TOrderCommands::FollowLink(const CheckerLink& link)
{
    TReportDocument& document = FParts.Window.Document();
    if (link.Region == nullptr || document.Report() == nullptr)
        return;
    document.SwitchLayer(link.Region->CZ);
    document.RequestCentre(*link.Region);
    document.SetCurrentRegion(link.Region);
    FParts.Regions.SelectUnitLine(link.Unit);
}

void TOrderCommands::MailToUnit(TUnit* unit)
{
    const TReport* report = FParts.Window.Document().Report();
    if (unit == nullptr || report == nullptr)
        return;
    maprune::MailToUnit(*report, *unit, UnitMailOptionsFrom(FParts.Settings), *FParts.Desktop);
}

} // namespace maprune
