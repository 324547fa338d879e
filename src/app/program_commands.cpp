// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/help_windows.h"
#include "app/log_window.h"
#include "app/main_menu.h"
#include "app/origin_window.h"
#include "config/settings.h"
#include "config/ui/config_window.h"
#include "config/ui/file_associations.h"
#include "config/unit_sort_criteria.h"
#include "core/dialogs.h"
#include "document/report_document.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

namespace {

const char* const kOriginNeedsRegion
    = "Zum Setzen des Ursprungs wählen Sie zuerst eine Region auf der Karte aus: sie wird "
      "der neue Ursprung (0,0) ihrer Ebene.";

bool AnyRegionSelected(const TReport& report)
{
    for (const TRegion* region : *report.Regions) {
        if ((region->Tag() & TagSelected) != 0)
            return true;
    }
    return false;
}

} // namespace

TProgramCommands::TProgramCommands(ProgramCommandsParts parts, QObject* parent)
    : QObject(parent)
    , FParts(std::move(parts))
    , FSortCriteria(std::make_unique<UnitSortCriteria>(ProgramUnitSortCriteria()))
{
    const MainMenu& menu = FParts.Menu;
    connect(menu.Configure, &QAction::triggered, this, &TProgramCommands::ConfigureCommand);
    connect(menu.Quit, &QAction::triggered, &FParts.Window, &QWidget::close);
    connect(menu.LogFile, &QAction::triggered, this, [this] {
        FParts.Log.show();
        FParts.Log.raise();
        FParts.Log.activateWindow();
    });
    connect(menu.SetOrigin, &QAction::triggered, this, &TProgramCommands::SetOriginCommand);
    // The entry and its shortcut follow the settings from the start, not
    // only once the menu has been opened.
    UpdateCheckerEntry();
    connect(menu.Extras, &QMenu::aboutToShow, this, &TProgramCommands::UpdateCheckerEntry);
    connect(this, &TProgramCommands::configured, this, &TProgramCommands::UpdateCheckerEntry);
    connect(menu.About, &QAction::triggered, this, &TProgramCommands::AboutCommand);
    connect(menu.Changes, &QAction::triggered, this, [this] {
        HelpWindow().ShowMarkdown(QStringLiteral("Gestern, Heute, Morgen"), ChangeHistory());
    });
    connect(menu.Contents, &QAction::triggered, this,
        [this] { HelpWindow().ShowMarkdown(QStringLiteral("Maprune - Inhalt"), HelpContents()); });
    connect(menu.KeyIndex, &QAction::triggered, this, [this] {
        HelpWindow().ShowMarkdown(
            QStringLiteral("Maprune - Index"), MenuKeyIndex(*FParts.Window.menuBar()));
    });
    connect(menu.Memory, &QAction::triggered, this, [this] {
        FParts.Messages.ShowMessage(MessageKind::Information,
            MemoryUsageText(FParts.Document.Report()).toStdString(), ButtonOk);
    });
}

TProgramCommands::~TProgramCommands() = default;

THelpWindow& TProgramCommands::HelpWindow()
{
    if (FHelpWindow == nullptr)
        FHelpWindow = new THelpWindow(&FParts.Window);
    return *FHelpWindow;
}

void TProgramCommands::ConfigureCommand()
{
    if (!FAssociations) {
        FAssociations = FParts.Associations
            ? FParts.Associations()
            : CreateDesktopFileAssociations(QCoreApplication::applicationFilePath());
    }
    TConfigWindow dialog(
        FParts.Settings, FParts.Messages, *FAssociations, *FSortCriteria, &FParts.Window);
    dialog.exec();
    emit configured();
}

void TProgramCommands::UpdateCheckerEntry()
{
    const QString checker
        = CheckerEntryCaption(FParts.Settings.KCHECK_Use.Get(), FParts.Settings.VORLAGE_Use.Get());
    if (!checker.isEmpty()) {
        FParts.Menu.Checker->setText(checker);
        FParts.Menu.Checker->setStatusTip(FParts.Settings.VORLAGE_Use.Get()
                ? QStringLiteral("generiert ein neue Befehlsdatei mittels Vorlage und "
                                 "überprüft diese mit KCheck")
                : QStringLiteral("überprüft die Befehle mit KCheck"));
    }
    ShowMenuEntry(FParts.Menu.Checker, !checker.isEmpty());
}

void TProgramCommands::SetOriginCommand()
{
    TReport* report = FParts.Document.Report();
    if (report == nullptr)
        return;
    if (!AnyRegionSelected(*report)) {
        FParts.Messages.ShowMessage(MessageKind::Information, kOriginNeedsRegion, ButtonOk);
        return;
    }
    if (FOriginWindow == nullptr)
        FOriginWindow = new TOriginWindow(&FParts.Window);
    FParts.Document.SetCurrentRegion(nullptr);
    if (const auto origin = FOriginWindow->Run(*report))
        FParts.Document.SetOrigin(origin->first, origin->second);
}

void TProgramCommands::AboutCommand()
{
    QMessageBox::about(&FParts.Window, QStringLiteral("Info"),
        QStringLiteral("<b>Maprune %1</b><p>Karten und Zugplanung für Kelvaran.</p>"
                       "<p>Freie Software unter der GNU General Public License, Version 3 "
                       "oder später.</p>")
            .arg(QStringLiteral(MAPRUNE_VERSION)));
}

} // namespace maprune
