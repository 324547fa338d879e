// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>

#include "orders/checker_results.h"

namespace maprune {

class DesktopServices;
class Dialogs;
class PasswordStore;
class ProcessRunner;
class TCheckerCommands;
class TKCheckMessagesWindow;
class TMainWindow;
class TOrderSender;
class TRegion;
class TRegionWindow;
class TSettings;
class TUnit;
struct MainMenu;

// What the main window's order commands work with. Null parts get the
// desktop's: ProgramPasswordStore, QDesktopServices, progress windows over QProcess.
struct OrderCommandsParts {
    TMainWindow& Window;
    const MainMenu& Menu;
    TSettings& Settings;
    Dialogs& Messages;
    TRegionWindow& Regions;
    PasswordStore* Passwords = nullptr;
    DesktopServices* Desktop = nullptr;
    ProcessRunner* Runner = nullptr;
};

// The order checker with its messages window ("KCheck", "KCheck-Ausgabe"),
// the express mail and mail to foreign units (a double-click in the region
// window).
class TOrderCommands : public QObject {
    Q_OBJECT
public:
    explicit TOrderCommands(OrderCommandsParts parts);
    ~TOrderCommands() override;

    TKCheckMessagesWindow& MessagesWindow() const { return *FMessagesWindow; }
    TCheckerCommands& Checker() const { return *FChecker; }
    TOrderSender& Sender() const { return *FSender; }

    // A link of the messages window: its region's layer becomes active, the
    // region current and centred, and the region window
    // selects the unit, or no unit for a region.
    void FollowLink(const CheckerLink& link);

private:
    void MailToUnit(TUnit* unit);

    OrderCommandsParts FParts;
    std::unique_ptr<DesktopServices> FOwnDesktop;
    std::unique_ptr<ProcessRunner> FOwnRunner;
    TKCheckMessagesWindow* FMessagesWindow = nullptr;
    TCheckerCommands* FChecker = nullptr;
    std::unique_ptr<TOrderSender> FSender;
};

} // namespace maprune
