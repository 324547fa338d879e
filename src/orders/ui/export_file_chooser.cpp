// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/export_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

namespace maprune {

QString QtExportFileChooser::ChooseExportName(
    QWidget* parent, const QString& folder, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, QStringLiteral("Speichern unter"), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace maprune
