// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/acac_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/settings.h"

namespace maprune {

namespace {

QSpinBox* NumberField(const QString& name, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setWrapping(true);
    field->setSingleStep(1);
    field->setMinimumWidth(70);
    return field;
}

// "ab [n] <after>" and below it <below>, as the dialog words its thresholds.
void AddThreshold(
    QGridLayout* grid, int row, QSpinBox* field, const QString& after, const QString& below)
{
    auto* ab = new QLabel(QStringLiteral("ab"));
    ab->setBuddy(field);
    grid->addWidget(ab, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(after), row, 2);
    grid->addWidget(new QLabel(below), row + 1, 1, 1, 2);
}

QGroupBox* Choice(
    const QString& name, const QString& title, const QStringList& captions, QButtonGroup* group)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], box);
        button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

TACACWindow::TACACWindow(TSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FBindings(dialogs)
{
    setObjectName(QStringLiteral("ACACWindow"));
    setWindowTitle(QStringLiteral("Konfiguration der automatischen Koordinatenursprunganpassung"));
    auto* layout = new QVBoxLayout(this);

    auto* names = new QGroupBox(QStringLiteral("Prüfung von Regionsnamen"), this);
    names->setObjectName(QStringLiteral("GroupBox1"));
    auto* namesGrid = new QGridLayout(names);
    auto* noNameChecking = new QCheckBox(QStringLiteral("Regionsnamenprüfung deaktivieren"), names);
    noNameChecking->setObjectName(QStringLiteral("CheckBox1"));
    namesGrid->addWidget(noNameChecking, 0, 0, 1, 3);
    auto* nameMatch = NumberField(QStringLiteral("SpinEdit1"), names);
    // Offered and stored, but the search accepts by the mismatch limits only.
    nameMatch->setEnabled(false);
    AddThreshold(namesGrid, 1, nameMatch, QStringLiteral("übereinstimmenden"),
        QStringLiteral("Regionsnamen gewählte Verschiebung als \"korrekt\" akzeptieren"));
    auto* nameMisMatch = NumberField(QStringLiteral("SpinEdit2"), names);
    AddThreshold(namesGrid, 3, nameMisMatch, QStringLiteral("nicht übereinstimmenden"),
        QStringLiteral("Regionsnamen gewählte Verschiebung zurückweisen"));
    auto* note = new QLabel(QStringLiteral("Hinweis: Regionen mit \"leerem\" Namen werden bei der "
                                           "Überprüfung automatisch ignoriert"),
        names);
    note->setObjectName(QStringLiteral("Label1"));
    namesGrid->addWidget(note, 5, 0, 1, 3);
    namesGrid->setColumnStretch(2, 1);
    layout->addWidget(names);

    auto* terrain = new QGroupBox(QStringLiteral("Prüfung von Regionsterrain"), this);
    terrain->setObjectName(QStringLiteral("GroupBox2"));
    auto* terrainGrid = new QGridLayout(terrain);
    auto* terrainMisMatch = NumberField(QStringLiteral("SpinEdit3"), terrain);
    AddThreshold(terrainGrid, 0, terrainMisMatch, QStringLiteral("Regionen mit unterschiedlichem"),
        QStringLiteral("Terrain gewählte Verschiebung zurückweisen"));
    auto* noTerrainChecking
        = new QCheckBox(QStringLiteral("Terrainprüfung deaktivieren (nicht empfofhlen!)"), terrain);
    noTerrainChecking->setObjectName(QStringLiteral("CheckBox2"));
    terrainGrid->addWidget(noTerrainChecking, 2, 0, 1, 3);
    terrainGrid->setColumnStretch(2, 1);
    layout->addWidget(terrain);

    auto* reaction = new QGroupBox(QStringLiteral("Reaktion"), this);
    reaction->setObjectName(QStringLiteral("GroupBox3"));
    auto* reactionLayout = new QVBoxLayout(reaction);
    auto* several = new QButtonGroup(this);
    reactionLayout->addWidget(Choice(QStringLiteral("RadioGroup1"),
        QStringLiteral("mehrere mögliche Verschiebungen gefunden"),
        { QStringLiteral("automatisch beste Übereinstimmung (Anzahl Regionsnamen + Regionsterrain) "
                         "wählen"),
            QStringLiteral("Benutzer beste Übereinstimmung auswählen lassen") },
        several));
    auto* none = new QButtonGroup(this);
    reactionLayout->addWidget(Choice(QStringLiteral("RadioGroup2"),
        QStringLiteral("keine mögliche Übereinstimmung gefunden"),
        { QStringLiteral("keine Verschiebung vornehmen und fortfahren"),
            QStringLiteral("Karte abweisen"), QStringLiteral("Benutzer fragen") },
        none));
    layout->addWidget(reaction);

    FBindings.Bind(noNameChecking, settings.ACA_NoNameChecking);
    FBindings.Bind(nameMatch, settings.ACA_NameMatch);
    FBindings.Bind(nameMisMatch, settings.ACA_NameMisMatch);
    FBindings.Bind(terrainMisMatch, settings.ACA_TerrainMisMatch);
    FBindings.Bind(noTerrainChecking, settings.ACA_NoTerrainChecking);
    FBindings.Bind(several, settings.ACA_R_MPA);
    FBindings.Bind(none, settings.ACA_R_NPA);
}

void TACACWindow::showEvent(QShowEvent* event)
{
    FBindings.Load();
    QDialog::showEvent(event);
}

} // namespace maprune
