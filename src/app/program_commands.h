// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QObject>

class QMainWindow;

namespace maprune {

class Dialogs;
class FileAssociations;
class THelpWindow;
class TLogWindow;
class TOriginWindow;
class TReportDocument;
class TSettings;
class UnitSortCriteria;
struct MainMenu;

// What the program commands work with; everything must outlive them.
struct ProgramCommandsParts {
    QMainWindow& Window; // the parent of their windows and dialogs
    const MainMenu& Menu;
    TReportDocument& Document;
    TSettings& Settings;
    Dialogs& Messages;
    TLogWindow& Log;
    // The file-type associations for the configuration dialog; empty: the
    // desktop's.
    std::function<std::unique_ptr<FileAssociations>()> Associations;
};

// The menu commands that open the program's own windows and dialogs:
// "&Konfigurieren...", "Be&enden", "&Log-Datei...", "&Ursprung setzen...",
// the checker entry's caption, "&Info...", the help texts and
// "&Speicherbelegung...".
class TProgramCommands : public QObject {
    Q_OBJECT
public:
    explicit TProgramCommands(ProgramCommandsParts parts, QObject* parent = nullptr);
    ~TProgramCommands() override;

signals:
    // The configuration dialog was closed: settings may have changed.
    void configured();

private:
    void ConfigureCommand();
    void SetOriginCommand();
    void AboutCommand();
    // The checker entry's caption and visibility (with its shortcut) from
    // KCHECK_Use and VORLAGE_Use.
    void UpdateCheckerEntry();
    // The one window of "&Inhalt", "Inde&x" and "Gestern, Heute, &Morgen...".
    THelpWindow& HelpWindow();

    ProgramCommandsParts FParts;
    THelpWindow* FHelpWindow = nullptr; // made on first use
    TOriginWindow* FOriginWindow = nullptr; // made on first use
    std::unique_ptr<FileAssociations> FAssociations;
    std::unique_ptr<UnitSortCriteria> FSortCriteria;
};

} // namespace maprune
