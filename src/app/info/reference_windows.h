// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "app/info/reference_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace maprune {

// "Rassen in Kelvaran": hit points, natural armour, magic resistance and
// recruiting cost of a race, its description and its talent modifiers
// (ListBox1).
class TRacesWindow : public TReferenceDialog {
    Q_OBJECT
public:
    explicit TRacesWindow(Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void ShowRecord(GameData& data, const GameRecord& record) override;

private:
    QLabel* FHitPoints = nullptr;
    QLabel* FArmour = nullptr;
    QLabel* FResistance = nullptr;
    QLabel* FCost = nullptr;
    QLabel* FDescription = nullptr;
    QListWidget* FModifiers = nullptr;
};

// "Talente in Kelvaran": the description of a talent.
class TTalentWindow : public TReferenceDialog {
    Q_OBJECT
public:
    explicit TTalentWindow(Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void ShowRecord(GameData& data, const GameRecord& record) override;

private:
    QLabel* FDescription = nullptr;
};

// "Befehle in Kelvaran": the syntax and the description of a command.
class TCommandHelpWindow : public TReferenceDialog {
    Q_OBJECT
public:
    explicit TCommandHelpWindow(Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void ShowRecord(GameData& data, const GameRecord& record) override;

private:
    QLineEdit* FSyntax = nullptr;
    QPlainTextEdit* FDescription = nullptr;
};

// "Gebäude in Kelvaran": the description of a building, its costs, upkeep,
// the talents needed and its size limits.
class TBuildingHelpWindow : public TReferenceDialog {
    Q_OBJECT
public:
    explicit TBuildingHelpWindow(Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void ShowRecord(GameData& data, const GameRecord& record) override;

private:
    QPlainTextEdit* FDescription = nullptr;
    // Costs, upkeep, talents, size limit, minimum size, capacity.
    std::array<QLabel*, 6> FValues {};
};

} // namespace maprune
