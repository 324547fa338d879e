// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>

#include "orders/checker_results.h"

class QWidget;

namespace maprune {

class Dialogs;
class ProcessRunner;
class TKCheckMessagesWindow;
class TReportDocument;
class TSettings;

// The order checker of the program: "KCheck" in "E&xtras" and the check
// before the express mail, both into the one messages window. Keeps the
// counts of the last run, which the mail asks about.
class TCheckerCommands : public QObject {
    Q_OBJECT
public:
    // `runner` null: VORLAGE and the checker run behind a progress window
    // over `parent` whose button cancels them.
    TCheckerCommands(TSettings& settings, TReportDocument& document, Dialogs& dialogs,
        TKCheckMessagesWindow& window, QWidget* parent, ProcessRunner* runner = nullptr);
    ~TCheckerCommands() override;

    // RunKCheck on the open report; the window comes up when it found
    // something.
    void RunCheck();
    // CheckBeforeMail: whether the express mail may go.
    bool CheckBeforeMail();

    int Warnings() const { return FLast.Warnings; }
    int Errors() const { return FLast.Errors; }

signals:
    // The messages window is to be shown.
    void windowWanted();
    // A run's messages, for the orders editor to show at their lines.
    void resultsShown(const maprune::CheckerResults& results);

private:
    void Show(const CheckerResults& results);

    TSettings& FSettings;
    TReportDocument& FDocument;
    Dialogs& FDialogs;
    TKCheckMessagesWindow& FWindow;
    std::unique_ptr<ProcessRunner> FOwnRunner;
    ProcessRunner& FRunner;
    CheckerResults FLast; // its counts; the entries live in the window
};

} // namespace maprune
