// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace maprune {

class TOrderAssist;
class TReportDocument;
struct DocumentChange;

// "Alle Befehle": the orders of the whole party as one text, grouped by
// region and unit as in the order file, with the check and completion of
// the orders editor. "Übernehmen" gives the changed units their lines
// through the document, as one step of the history; until then the text is
// a draft, which follows the report while it is unchanged. Hidden, it
// follows only when it is shown again: laying out a big party's orders
// would otherwise slow every opening of a report.
class TAllOrdersWindow : public QWidget {
    Q_OBJECT
public:
    explicit TAllOrdersWindow(TReportDocument& document, QWidget* parent = nullptr);

    QPlainTextEdit* Editor() const { return FEditor; }
    TOrderAssist& Assist() const { return *FAssist; }
    // Takes the text's orders into the units.
    void Apply();
    // Shows the report's orders again, dropping the draft.
    void Reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Follow(const DocumentChange& change);
    void ShowCounts();

    TReportDocument& FDocument;
    QPlainTextEdit* FEditor = nullptr;
    TOrderAssist* FAssist = nullptr;
    QLabel* FCounts = nullptr;
    QPushButton* FApply = nullptr;
    bool FLoading = false;
    bool FApplying = false;
    bool FStale = false;
};

} // namespace maprune
