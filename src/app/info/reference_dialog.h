// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QDialog>

#include "tools/reference/reference_views.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QVBoxLayout;

namespace maprune {

class Dialogs;

// A modal window of "&Informationen" that browses one kind of the game
// reference data: the drop-down list ComboBox1 of the kind's types, the
// fields of the chosen one (built by the subclass into Body()), and "OK".
// The list is filled on every showing, from the game data of that moment,
// with the first type chosen.
class TReferenceDialog : public QDialog {
    Q_OBJECT
public:
    TReferenceDialog(
        ReferenceKind kind, const QString& caption, Dialogs& dialogs, QWidget* parent = nullptr);

    QComboBox* Choice() const { return FChoice; }

protected:
    void showEvent(QShowEvent* event) override;
    // Shows record `index` of the game data.
    virtual void ShowRecord(GameData& data, const GameRecord& record) = 0;

    QVBoxLayout& Body() const { return *FBody; }
    Dialogs& Messages() const { return FDialogs; }

    // A value label named `name` in a row of `form` headed by `caption`.
    static QLabel* AddValue(QFormLayout& form, const char* caption, const char* name);

private:
    void ShowChosen(int index);

    ReferenceKind FKind;
    Dialogs& FDialogs;
    QComboBox* FChoice = nullptr; // ComboBox1
    QVBoxLayout* FBody = nullptr;
    std::vector<ReferenceEntry> FEntries;
};

} // namespace maprune
