// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace maprune {

// The file dialogs of the main window. The desktop program shows Qt's file
// dialogs; tests answer from a script. `folder` is the starting folder
// (empty: the dialog's own choice). An empty answer means cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    // "Report öffnen": one CR or database.
    virtual QString ChooseReportToOpen(QWidget* parent, const QString& folder) = 0;
    // "Report(e) hinzufügen": several CRs, databases and order files.
    virtual QStringList ChooseFilesToAdd(QWidget* parent, const QString& folder) = 0;
    // "Report speichern unter": a database (".kdf" added when no extension
    // is given) or a CR; asks before overwriting.
    virtual QString ChooseSaveName(QWidget* parent, const QString& folder) = 0;
    // The folder of the reports for "Neuesten Report hinzufügen".
    virtual QString ChooseFolder(QWidget* parent, const QString& folder) = 0;
};

// The filter entries of the three dialogs, the last entry of the open and
// add lists being the one preselected.
QStringList OpenReportFilters();
QStringList AddFilesFilters();
QStringList SaveReportFilters();

// Qt's file dialogs with the filters above.
class QtFileChooser : public FileChooser {
public:
    QString ChooseReportToOpen(QWidget* parent, const QString& folder) override;
    QStringList ChooseFilesToAdd(QWidget* parent, const QString& folder) override;
    QString ChooseSaveName(QWidget* parent, const QString& folder) override;
    QString ChooseFolder(QWidget* parent, const QString& folder) override;
};

} // namespace maprune
