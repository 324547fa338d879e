// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_chooser.h"

#include <QFileDialog>

namespace maprune {

namespace {

// Qt separates the patterns of a filter by blanks.
const QString kCrFilter = QStringLiteral("Computer Report (*.cr)");
const QString kKdfFilter = QStringLiteral("Maprune-Daten (*.kdf)");
const QString kOrderFilter = QStringLiteral("Befehlsdateien (*.txt)");
const QString kPackedFilter = QStringLiteral("Gepackte Reports (*.zip *.cr.gz *.cr.bz2 *.cr.xz)");

void SetUpOpenDialog(QFileDialog& dialog, const QStringList& filters)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.last());
}

} // namespace

QStringList OpenReportFilters()
{
    return { kCrFilter, kKdfFilter, kPackedFilter,
        QStringLiteral("alle unterstützen Format (*.cr *.kdf *.zip *.cr.gz *.cr.bz2 *.cr.xz)") };
}

QStringList AddFilesFilters()
{
    return { kCrFilter, kKdfFilter, kPackedFilter, kOrderFilter,
        QStringLiteral(
            "alle unterstützen Format (*.cr *.kdf *.zip *.cr.gz *.cr.bz2 *.cr.xz *.txt)") };
}

QStringList SaveReportFilters()
{
    return { kKdfFilter, QStringLiteral("CR-Dateien (*.cr)") };
}

QString QtFileChooser::ChooseReportToOpen(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QStringLiteral("Report öffnen"), folder);
    SetUpOpenDialog(dialog, OpenReportFilters());
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QStringList QtFileChooser::ChooseFilesToAdd(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QStringLiteral("Report(e) hinzufügen"), folder);
    SetUpOpenDialog(dialog, AddFilesFilters());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtFileChooser::ChooseSaveName(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QStringLiteral("Report speichern unter"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(SaveReportFilters());
    dialog.setDefaultSuffix(QStringLiteral("kdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileChooser::ChooseFolder(QWidget* parent, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Ordner der Reports"), folder);
}

} // namespace maprune
