// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands that open windows, and the recently used entries.
#include "app/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/help_windows.h"
#include "app/log_window.h"
#include "app/origin_window.h"
#include "config/settings.h"
#include "config/ui/config_window.h"
#include "config/ui/file_associations.h"
#include "config/unit_sort_criteria.h"
#include "core/dialogs.h"
#include "model/report.h"

namespace maprune {

void TMainWindow::ConnectMenu()
{
    connect(menu_.Open, &QAction::triggered, this, &TMainWindow::OpenCommand);
    connect(menu_.Add, &QAction::triggered, this, &TMainWindow::AddCommand);
    connect(menu_.Save, &QAction::triggered, this, &TMainWindow::SaveFile);
    connect(menu_.SaveAs, &QAction::triggered, this, &TMainWindow::SaveFileAs);
    connect(menu_.Configure, &QAction::triggered, this, &TMainWindow::ConfigureCommand);
    connect(menu_.Quit, &QAction::triggered, this, &QWidget::close);
    connect(menu_.LogFile, &QAction::triggered, this, [this] {
        logWindow_->show();
        logWindow_->raise();
        logWindow_->activateWindow();
    });
    connect(menu_.SetOrigin, &QAction::triggered, this, &TMainWindow::SetOriginCommand);
    connect(menu_.Extras, &QMenu::aboutToShow, this, [this] {
        const QString checker
            = CheckerEntryCaption(env_.Settings.KCHECK_Use.Get(), env_.Settings.VORLAGE_Use.Get());
        if (!checker.isEmpty())
            menu_.Checker->setText(checker);
        ShowMenuEntry(menu_.Checker, !checker.isEmpty());
    });
    connect(menu_.About, &QAction::triggered, this, &TMainWindow::AboutCommand);
    connect(menu_.Changes, &QAction::triggered, this, [this] {
        HelpWindow().ShowMarkdown(QStringLiteral("Gestern, Heute, Morgen"), ChangeHistory());
    });
    connect(menu_.Contents, &QAction::triggered, this,
        [this] { HelpWindow().ShowMarkdown(QStringLiteral("Maprune - Inhalt"), HelpContents()); });
    connect(menu_.KeyIndex, &QAction::triggered, this, [this] {
        HelpWindow().ShowMarkdown(QStringLiteral("Maprune - Index"), MenuKeyIndex(*menuBar()));
    });
    connect(menu_.Memory, &QAction::triggered, this, [this] {
        env_.Messages.ShowMessage(
            MessageKind::Information, MemoryUsageText(report_.get()).toStdString(), ButtonOk);
    });
}

THelpWindow& TMainWindow::HelpWindow()
{
    if (helpWindow_ == nullptr)
        helpWindow_ = new THelpWindow(this);
    return *helpWindow_;
}

void TMainWindow::ConfigureCommand()
{
    if (!associations_) {
        associations_ = env_.Associations
            ? env_.Associations()
            : CreateDesktopFileAssociations(QCoreApplication::applicationFilePath());
    }
    TConfigWindow dialog(env_.Settings, env_.Messages, *associations_, *sortCriteria_, this);
    dialog.exec();
    UpdateUnitsEntry();
}

void TMainWindow::SetOriginCommand()
{
    if (!report_)
        return;
    if (originWindow_ == nullptr)
        originWindow_ = new TOriginWindow(this);
    ClearCurrentRegion();
    if (!originWindow_->Run(*report_))
        return;
    // The coordinates are part of the database: without this an exit with
    // NoAutoSave would drop the new origin without asking.
    modified_ = true;
    RebuildView();
    emit reportChanged(report_.get());
}

void TMainWindow::AboutCommand()
{
    QMessageBox::about(this, QStringLiteral("Info"),
        QStringLiteral("<b>Maprune %1</b><p>Karten und Zugplanung für Kelvaran.</p>"
                       "<p>Freie Software unter der GNU General Public License, Version 3 "
                       "oder später.</p>")
            .arg(QStringLiteral(MAPRUNE_VERSION)));
}

void TMainWindow::RebuildRecentMenu()
{
    for (QAction* entry : recentEntries_) {
        menu_.Program->removeAction(entry);
        // The entry may be the one whose command is running.
        entry->deleteLater();
    }
    recentEntries_.clear();
    const QStringList& files = recent_.Files();
    if (files.isEmpty())
        return;
    if (recentSeparator_ == nullptr)
        recentSeparator_ = menu_.Program->addSeparator();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // An ampersand in a file name is no mnemonic.
        QAction* entry = menu_.Program->addAction(
            QStringLiteral("&%1 ").arg(i + 1) + QString(path).replace('&', QStringLiteral("&&")));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentCommand(path); });
        recentEntries_.push_back(entry);
    }
}

} // namespace maprune
