// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QWidget>

class QUrl;

namespace maprune {

class Dialogs;
class TColourList;
class TReport;
class TReportDocument;

// "Adressen": every party of the report with its number, address and
// banner (XListBox1), by category. Each line keeps its party number. A
// double-click opens a mail to the party with the desktop's mail program;
// the Delete key removes the party from the report after asking. Filled when
// shown (TFillWhenShown).
class TAddressesWindow : public QWidget {
    Q_OBJECT
public:
    using UrlOpener = std::function<void(const QUrl&)>;

    TAddressesWindow(TReportDocument& document, Dialogs& dialogs, QWidget* parent = nullptr);

    void Fill(const TReport* report);
    // Replaces how mail URLs are opened (QDesktopServices::openUrl).
    void SetUrlOpener(UrlOpener opener) { FOpenUrl = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MailSelectedParty();
    void DeleteSelectedParty();

    TReportDocument& FDocument;
    Dialogs& FDialogs;
    UrlOpener FOpenUrl;
    TColourList* FList = nullptr; // XListBox1
};

} // namespace maprune
