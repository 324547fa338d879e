// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QDialog>

#include "config/ui/setting_bindings.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QRadioButton;
class QSlider;
class QWidget;

namespace maprune {

class FileAssociations;
class TSettings;
class UnitSortCriteria;

// "Konfiguration": edits the program's settings. Showing sets every control
// from its setting and enables the controls that depend on a check box; a
// change is written at once, there is no OK or Cancel. Controls carry the
// names of the settings table (CheckBox1, Edit1, TrackBar1 ...).
class TConfigWindow : public QDialog {
    Q_OBJECT
public:
    // Choosers return the chosen path, or an empty string when cancelled.
    using FolderChooser
        = std::function<QString(QWidget* parent, const QString& title, const QString& start)>;
    using ProgramChooser = std::function<QString(
        QWidget* parent, const QString& title, const QString& filter, const QString& start)>;

    // Everything given must outlive the window. The axis question and error
    // messages go through `dialogs`.
    TConfigWindow(TSettings& settings, Dialogs& dialogs, FileAssociations& associations,
        const UnitSortCriteria& criteria, QWidget* parent = nullptr);

    // Replace the desktop's file dialogs, e.g. in tests.
    void SetFolderChooser(FolderChooser chooser) { FChooseFolder = std::move(chooser); }
    void SetProgramChooser(ProgramChooser chooser) { FChooseProgram = std::move(chooser); }

signals:
    // NoUnitWindow changed: the main window enables its menu item
    // "Einheiten1" exactly when `disabled` is false and hides the unit
    // window when it is true.
    void unitWindowDisabledChanged(bool disabled);
    // The region window's unit list needs sorting or showing anew.
    void unitListSortOrderChanged();
    void unitListDetailsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* GeneralPage();
    QWidget* ChangesGroup();
    QWidget* MapPage();
    QWidget* FolderPage();
    QWidget* ProgramPage();
    QWidget* MailPage();

    // A label numbered in order, with `buddy` as its control.
    QLabel* LabelFor(const QString& caption, QWidget* buddy);
    // `box` enables `controls` and their labels when it is checked.
    void Depend(QAbstractButton* box, std::vector<QWidget*> controls);
    void UpdateEnabling();
    void ShowScrollSpeed(int position);
    void AskAboutAxes();
    void ShowAssociations();
    void ChangeAssociations();
    void OpenSortDialog();
    void OpenAdaptationDialog();
    void OpenDetailsDialog();

    TSettings& FSettings;
    Dialogs& FDialogs;
    FileAssociations& FAssociations;
    const UnitSortCriteria& FCriteria;
    SettingBindings FBindings;
    FolderChooser FChooseFolder;
    ProgramChooser FChooseProgram;

    QSlider* FTrackBar = nullptr;
    QLabel* FFactor = nullptr;
    QRadioButton* FXAxis = nullptr;
    QRadioButton* FYAxis = nullptr;
    QListWidget* FFileTypes = nullptr;
    // Check boxes and the controls they enable.
    std::vector<std::pair<QAbstractButton*, std::vector<QWidget*>>> FDependents;
    int FNextLabel = 4; // Label1 to Label3 belong to the track bar
};

} // namespace maprune
