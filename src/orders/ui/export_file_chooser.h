// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace maprune {

// The save dialogs of the export window. The desktop program shows Qt's
// dialog; tests answer from a script.
class ExportFileChooser {
public:
    virtual ~ExportFileChooser() = default;

    // The file to export to: `filter` is the one entry of the dialog ("CR-Dateien
    // (*.cr)"), `suffix` is added to a name without one, `folder` is the
    // starting folder (empty: the dialog's choice). Asks before overwriting;
    // empty when cancelled.
    virtual QString ChooseExportName(
        QWidget* parent, const QString& folder, const QString& filter, const QString& suffix)
        = 0;
};

class QtExportFileChooser final : public ExportFileChooser {
public:
    QString ChooseExportName(QWidget* parent, const QString& folder, const QString& filter,
        const QString& suffix) override;
};

} // namespace maprune
