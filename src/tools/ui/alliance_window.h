// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "map/alliance_list.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace maprune {

class AllianceEditor;
class Dialogs;
class TReportDocument;

// "Bündnisse bearbeiten": edits the program's alliance list in place
// (AllianceEditor) and exports and imports it as an alliance file. The
// window is modal; it offers the parties of the document's report.
class TAllianceWindow : public QDialog {
    Q_OBJECT
public:
    TAllianceWindow(AllianceList& alliances, TReportDocument& document, Dialogs& dialogs,
        QWidget* parent = nullptr);
    ~TAllianceWindow() override;

    // Where export (save: true) and import take their file name from;
    // empty: cancelled. The default shows the file dialogs.
    void SetFileAsker(std::function<QString(QWidget* parent, bool save)> ask);

    // Shows the window modally with the parties of the current report.
    int exec() override;

private:
    void Refill();
    void RefreshButtons();
    void Export();
    void Import();
    template <typename Action> void Act(Action action);

    AllianceList& FAlliances;
    TReportDocument& FDocument;
    Dialogs& FDialogs;
    std::unique_ptr<AllianceEditor> FEditor;
    std::function<QString(QWidget*, bool)> FAskFile;
    bool FFilling = false; // the lists are being refilled, not chosen from

    QListWidget* FNames = nullptr; // ListBox1
    QListWidget* FMembers = nullptr; // ListBox2
    QLineEdit* FNewName = nullptr; // Edit1
    QComboBox* FOffered = nullptr; // ComboBox1
    QPushButton* FAddAlliance = nullptr; // Button1
    QPushButton* FDeleteAlliance = nullptr; // Button2
    QPushButton* FAddParty = nullptr; // Button3
    QPushButton* FRemoveParty = nullptr; // Button4
};

} // namespace maprune
