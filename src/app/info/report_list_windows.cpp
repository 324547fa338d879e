// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/report_list_windows.h"

#include <QAction>
#include <QDialog>
#include <QDockWidget>

#include "app/info/addresses_window.h"
#include "app/info/allies_window.h"
#include "app/info/item_window.h"
#include "app/info/messages_window.h"
#include "app/info/reference_windows.h"
#include "app/info/spells_window.h"
#include "app/main_menu.h"
#include "app/main_window.h"

namespace maprune {

namespace {

void OpenOn(QAction* entry, QDialog* window)
{
    QObject::connect(entry, &QAction::triggered, window, &QDialog::exec);
}

} // namespace

TReportListWindows::TReportListWindows(
    TReportDocument& document, Dialogs& dialogs, TMainWindow& window)
    : QObject(&window)
    , FWindow(window)
    , FDialogs(dialogs)
{
    FMessages = new TMessagesWindow(document, &window);
    FAddresses = new TAddressesWindow(document, dialogs, &window);
    FSpells = new TForm15(document, &window);
    FAllies = new TAlliesWindow(document, &window);
}

void TReportListWindows::Place(const MainMenu& menu)
{
    const InfoWindowEntries& entries = menu.InfoWindows;
    // Messages, addresses and allies share the bottom dock as tabs: beside
    // each other they would be too narrow for their long lines. The spells
    // go to the right, since a dock tab would take the "&" of their caption
    // for a shortcut mark.
    QDockWidget* messages
        = FWindow.AddInfoWindow(FMessages, entries.Messages, Qt::BottomDockWidgetArea);
    const std::pair<QWidget*, QAction*> others[] { { FAddresses, entries.Addresses },
        { FAllies, entries.Allies } };
    for (const auto& [window, entry] : others)
        FWindow.tabifyDockWidget(
            messages, FWindow.AddInfoWindow(window, entry, Qt::BottomDockWidgetArea));
    FWindow.AddInfoWindow(FSpells, entries.Spells, Qt::RightDockWidgetArea);

    OpenOn(menu.Races, new TRacesWindow(FDialogs, &FWindow));
    OpenOn(menu.Talents, new TTalentWindow(FDialogs, &FWindow));
    OpenOn(menu.Items, new TItemWindow(&FWindow));
    OpenOn(menu.Commands, new TCommandHelpWindow(FDialogs, &FWindow));
    OpenOn(menu.Buildings, new TBuildingHelpWindow(FDialogs, &FWindow));
}

} // namespace maprune
