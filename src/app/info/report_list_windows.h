// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace maprune {

class Dialogs;
class TAddressesWindow;
class TAlliesWindow;
class TForm15;
class TMainWindow;
class TMessagesWindow;
class TReportDocument;
struct MainMenu;

// The windows that list texts of the whole report (messages, addresses,
// spells and potions, allies), docked and shown by their entries of
// "&Info-Fenster", and the reference windows of
// "&Informationen". They follow the document themselves; this only makes
// and places them.
class TReportListWindows : public QObject {
    Q_OBJECT
public:
    TReportListWindows(TReportDocument& document, Dialogs& dialogs, TMainWindow& window);

    // Docks the list windows and opens the reference windows from `menu`.
    void Place(const MainMenu& menu);

    TMessagesWindow& Messages() const { return *FMessages; }
    TAddressesWindow& Addresses() const { return *FAddresses; }

private:
    TMainWindow& FWindow;
    Dialogs& FDialogs;
    TMessagesWindow* FMessages = nullptr;
    TAddressesWindow* FAddresses = nullptr;
    TForm15* FSpells = nullptr;
    TAlliesWindow* FAllies = nullptr;
};

} // namespace maprune
