// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/reference_windows.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/error.h"

namespace maprune {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QLabel* AddDescriptionLabel(QVBoxLayout& body)
{
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("Label5"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumWidth(360);
    body.addWidget(label);
    return label;
}

QPlainTextEdit* AddDescriptionBox(QVBoxLayout& body)
{
    body.addWidget(new QLabel(QStringLiteral("Beschreibung")));
    auto* box = new QPlainTextEdit;
    box->setObjectName(QStringLiteral("Memo1"));
    box->setReadOnly(true);
    box->setMinimumSize(380, 120);
    body.addWidget(box, 1);
    return box;
}

} // namespace

TRacesWindow::TRacesWindow(Dialogs& dialogs, QWidget* parent)
    : TReferenceDialog(ReferenceKind::Races, QStringLiteral("Rassen in Kelvaran"), dialogs, parent)
{
    setObjectName(QStringLiteral("RacesWindow"));
    auto* form = new QFormLayout;
    FHitPoints = AddValue(*form, "Trefferpunkte", "Label1");
    FArmour = AddValue(*form, "natürliche Rüstung", "Label2");
    FResistance = AddValue(*form, "Magieresistenz", "Label3");
    FCost = AddValue(*form, "Rekrutierungskosten", "Label4");
    Body().addLayout(form);
    FDescription = AddDescriptionLabel(Body());
    Body().addWidget(new QLabel(QStringLiteral("Talentmodifikatoren")));
    FModifiers = new QListWidget;
    FModifiers->setObjectName(QStringLiteral("ListBox1"));
    Body().addWidget(FModifiers, 1);
}

void TRacesWindow::ShowRecord(GameData& data, const GameRecord& record)
{
    const RaceView view = ViewOfRace(data, record);
    FHitPoints->setText(Text(view.HitPoints));
    FArmour->setText(Text(view.NaturalArmour));
    FResistance->setText(Text(view.MagicResistance));
    FCost->setText(Text(view.RecruitingCost));
    FDescription->setText(Text(view.Description));
    FModifiers->clear();
    for (const std::string& line : view.Modifiers)
        FModifiers->addItem(Text(line));
}

TTalentWindow::TTalentWindow(Dialogs& dialogs, QWidget* parent)
    : TReferenceDialog(
        ReferenceKind::Talents, QStringLiteral("Talente in Kelvaran"), dialogs, parent)
{
    setObjectName(QStringLiteral("TalentWindow"));
    FDescription = AddDescriptionLabel(Body());
    // A wrapped label does not make a dialog tall enough for its lines.
    FDescription->setMinimumHeight(96);
    Body().addStretch(1);
}

void TTalentWindow::ShowRecord(GameData&, const GameRecord& record)
{
    FDescription->setText(Text(DescriptionOf(record)));
}

TCommandHelpWindow::TCommandHelpWindow(Dialogs& dialogs, QWidget* parent)
    : TReferenceDialog(
        ReferenceKind::Commands, QStringLiteral("Befehle in Kelvaran"), dialogs, parent)
{
    setObjectName(QStringLiteral("CommandHelpWindow"));
    auto* form = new QFormLayout;
    FSyntax = new QLineEdit;
    FSyntax->setObjectName(QStringLiteral("Edit1"));
    FSyntax->setReadOnly(true);
    form->addRow(QStringLiteral("Syntax"), FSyntax);
    Body().addLayout(form);
    FDescription = AddDescriptionBox(Body());
}

void TCommandHelpWindow::ShowRecord(GameData&, const GameRecord& record)
{
    const CommandView view = ViewOfCommand(record);
    FSyntax->setText(Text(view.Syntax));
    FSyntax->setCursorPosition(0);
    FDescription->setPlainText(Text(view.Description));
}

TBuildingHelpWindow::TBuildingHelpWindow(Dialogs& dialogs, QWidget* parent)
    : TReferenceDialog(
        ReferenceKind::Buildings, QStringLiteral("Gebäude in Kelvaran"), dialogs, parent)
{
    setObjectName(QStringLiteral("BuildingHelpWindow"));
    FDescription = AddDescriptionBox(Body());
    auto* form = new QFormLayout;
    FValues = { AddValue(*form, "Baukosten pro Größenpunkt:", "Label1"),
        AddValue(*form, "Unterhalt pro Runde:", "Label2"),
        AddValue(*form, "zum Bau benötigte Talente:", "Label3"),
        AddValue(*form, "Größenbegrenzung:", "Label4"), AddValue(*form, "Mindestgröße:", "Label5"),
        AddValue(*form, "Kapazität:", "Label6") };
    Body().addLayout(form);
}

void TBuildingHelpWindow::ShowRecord(GameData& data, const GameRecord& record)
{
    FDescription->setPlainText(Text(DescriptionOf(record)));
    try {
        const BuildingView view = ViewOfBuilding(data, record);
        const std::array<const std::string*, 6> texts { &view.Costs, &view.Upkeep, &view.Talents,
            &view.SizeLimit, &view.MinimumSize, &view.Capacity };
        for (size_t i = 0; i < FValues.size(); ++i)
            FValues[i]->setText(Text(*texts[i]));
    } catch (const Error&) {
        // No figures of the building before stay beside its description.
        for (QLabel* value : FValues)
            value->clear();
        throw;
    }
}

} // namespace maprune
