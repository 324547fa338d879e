// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/alliance_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "core/error.h"
#include "document/path_text.h"
#include "document/report_document.h"
#include "map/alliance_file.h"
#include "tools/alliances/alliance_editor.h"

namespace maprune {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QString AskFile(QWidget* parent, bool save)
{
    const QString filter = QStringLiteral("Bündnisse (*.bnd);;Alle Dateien (*)");
    return save ? QFileDialog::getSaveFileName(
               parent, QStringLiteral("Bündnisse exportieren"), QString(), filter)
                : QFileDialog::getOpenFileName(
                    parent, QStringLiteral("Bündnisse importieren"), QString(), filter);
}

} // namespace

TAllianceWindow::TAllianceWindow(
    AllianceList& alliances, TReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FAlliances(alliances)
    , FDocument(document)
    , FDialogs(dialogs)
    , FEditor(std::make_unique<AllianceEditor>(alliances, document.Report()))
    , FAskFile(AskFile)
{
    setObjectName(QStringLiteral("AllianceWindow"));
    setWindowTitle(QStringLiteral("Bündnisse bearbeiten"));
    resize(560, 420);

    auto* layout = new QGridLayout(this);
    auto* namesBox = new QGroupBox(QStringLiteral("Bündnisse"), this);
    auto* namesLayout = new QVBoxLayout(namesBox);
    FNames = new QListWidget(namesBox);
    FNames->setObjectName(QStringLiteral("ListBox1"));
    namesLayout->addWidget(FNames);
    FNewName = new QLineEdit(namesBox);
    FNewName->setObjectName(QStringLiteral("Edit1"));
    FNewName->setPlaceholderText(QStringLiteral("Name des neuen Bündnisses"));
    namesLayout->addWidget(FNewName);
    auto* namesButtons = new QHBoxLayout;
    FAddAlliance = Button("&hinzufügen", "Button1", namesBox);
    FDeleteAlliance = Button("&löschen", "Button2", namesBox);
    namesButtons->addWidget(FAddAlliance);
    namesButtons->addWidget(FDeleteAlliance);
    namesLayout->addLayout(namesButtons);

    auto* membersBox = new QGroupBox(QStringLiteral("Parteien im Bündnis"), this);
    auto* membersLayout = new QVBoxLayout(membersBox);
    FMembers = new QListWidget(membersBox);
    FMembers->setObjectName(QStringLiteral("ListBox2"));
    membersLayout->addWidget(FMembers);
    FOffered = new QComboBox(membersBox);
    FOffered->setObjectName(QStringLiteral("ComboBox1"));
    membersLayout->addWidget(FOffered);
    auto* memberButtons = new QHBoxLayout;
    FAddParty = Button("hin&zufügen", "Button3", membersBox);
    FRemoveParty = Button("lösche&n", "Button4", membersBox);
    memberButtons->addWidget(FAddParty);
    memberButtons->addWidget(FRemoveParty);
    membersLayout->addLayout(memberButtons);

    layout->addWidget(namesBox, 0, 0);
    layout->addWidget(membersBox, 0, 1);
    auto* bottom = new QHBoxLayout;
    QPushButton* exportButton = Button("Bündnisse exportieren...", "Button5", this);
    QPushButton* importButton = Button("Bündnisse importieren...", "Button6", this);
    QPushButton* ok = Button("OK", "Button7", this);
    ok->setDefault(true);
    bottom->addWidget(exportButton);
    bottom->addWidget(importButton);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    layout->addLayout(bottom, 1, 0, 1, 2);

    connect(FAddAlliance, &QPushButton::clicked, this,
        [this] { Act([this] { FEditor->AddAlliance(); }); });
    connect(FDeleteAlliance, &QPushButton::clicked, this,
        [this] { Act([this] { FEditor->DeleteAlliance(); }); });
    connect(
        FAddParty, &QPushButton::clicked, this, [this] { Act([this] { FEditor->AddParty(); }); });
    connect(FRemoveParty, &QPushButton::clicked, this,
        [this] { Act([this] { FEditor->RemoveParty(); }); });
    connect(exportButton, &QPushButton::clicked, this, &TAllianceWindow::Export);
    connect(importButton, &QPushButton::clicked, this, &TAllianceWindow::Import);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(FNewName, &QLineEdit::textChanged, this, [this](const QString& name) {
        FEditor->SetNewName(name.toStdString());
        RefreshButtons();
    });
    connect(FNames, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!FFilling)
            Act([this, row] { FEditor->SelectAlliance(row); });
    });
    connect(FMembers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!FFilling) {
            FEditor->SelectMember(row);
            RefreshButtons();
        }
    });
    connect(FOffered, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!FFilling) {
            FEditor->SelectOffered(index);
            RefreshButtons();
        }
    });
    Refill();
}

TAllianceWindow::~TAllianceWindow() = default;

void TAllianceWindow::SetFileAsker(std::function<QString(QWidget*, bool)> ask)
{
    FAskFile = std::move(ask);
}

int TAllianceWindow::exec()
{
    // The parties are those of the report open now.
    FEditor = std::make_unique<AllianceEditor>(FAlliances, FDocument.Report());
    FEditor->SetNewName(FNewName->text().toStdString());
    Refill();
    AllianceList before = FAlliances;
    const int result = QDialog::exec();
    // The editor changed the alliances as the player went; the whole visit
    // is one edit to take back.
    FDocument.AlliancesEdited(FAlliances, std::move(before));
    return result;
}

template <typename Action> void TAllianceWindow::Act(Action action)
{
    action();
    Refill();
}

void TAllianceWindow::Refill()
{
    FFilling = true;
    FNames->clear();
    for (const Alliance& alliance : FEditor->Alliances())
        FNames->addItem(Text(alliance.Name));
    FNames->setCurrentRow(FEditor->SelectedAlliance());
    FMembers->clear();
    for (const AllianceMember& member : FEditor->Members())
        FMembers->addItem(Text(AllianceMemberEntry(member)));
    FMembers->setCurrentRow(FEditor->SelectedMember());
    FOffered->clear();
    for (const AllianceMember& party : FEditor->Offered())
        FOffered->addItem(Text(AllianceMemberEntry(party)));
    FOffered->setCurrentIndex(FEditor->SelectedOffered());
    FFilling = false;
    RefreshButtons();
}

void TAllianceWindow::RefreshButtons()
{
    FAddAlliance->setEnabled(FEditor->CanAddAlliance());
    FDeleteAlliance->setEnabled(FEditor->CanDeleteAlliance());
    FAddParty->setEnabled(FEditor->CanAddParty());
    FRemoveParty->setEnabled(FEditor->CanRemoveParty());
}

void TAllianceWindow::Export()
{
    const QString name = FAskFile(this, true);
    if (name.isEmpty())
        return;
    try {
        FEditor->Export(ToPath(name));
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error,
            "Die Bündnisse konnten nicht exportiert werden: " + std::string(e.what()), ButtonOk);
    }
}

void TAllianceWindow::Import()
{
    const QString name = FAskFile(this, false);
    if (name.isEmpty())
        return;
    try {
        FEditor->Import(ToPath(name));
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error,
            "Die Bündnisse konnten nicht importiert werden: " + std::string(e.what()), ButtonOk);
    }
    Refill();
}

} // namespace maprune
