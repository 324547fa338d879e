// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QMenuBar;
class QTextBrowser;

namespace maprune {

class TReport;

// A window of the help menu that shows one text: the manual ("&Inhalt"),
// the keys of the menu ("Inde&x") or the changes of the program ("Gestern,
// Heute, &Morgen..."). Not modal, so that the player can keep it open.
class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowMarkdown(const QString& title, const QString& markdown);
    QString Text() const;

private:
    QTextBrowser* FText = nullptr;
};

// The player's manual (docs/handbuch.md) and the changelog built into the
// program.
QString HelpContents();
QString ChangeHistory();

// A Markdown table of every entry of `bar` that has a key or a command-line
// verb, menu by menu, with the key as the user presses it and the
// `maprune-cli` verb that prints the same figures; entries without their key
// at the moment (hidden or disabled ones) are listed with it all the same.
QString MenuKeyIndex(const QMenuBar& bar);

// "&Speicherbelegung...": the objects of the open report (none: `report`
// null) and the memory the program holds, where the system tells it.
QString MemoryUsageText(const TReport* report);

} // namespace maprune
