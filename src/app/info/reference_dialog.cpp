// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/reference_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "core/error.h"
#include "model/game_data.h"

namespace maprune {

TReferenceDialog::TReferenceDialog(
    ReferenceKind kind, const QString& caption, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FKind(kind)
    , FDialogs(dialogs)
{
    setWindowTitle(caption);
    setModal(true);
    FChoice = new QComboBox(this);
    FChoice->setObjectName(QStringLiteral("ComboBox1"));
    FChoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FBody = new QVBoxLayout;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FChoice);
    layout->addLayout(FBody, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FChoice, &QComboBox::currentIndexChanged, this, &TReferenceDialog::ShowChosen);
}

QLabel* TReferenceDialog::AddValue(QFormLayout& form, const char* caption, const char* name)
{
    auto* value = new QLabel;
    value->setObjectName(QString::fromLatin1(name));
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form.addRow(QString::fromUtf8(caption), value);
    return value;
}

void TReferenceDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FEntries = ReferenceEntries(GameDataInstance(), FKind);
    {
        const QSignalBlocker quiet(FChoice);
        FChoice->clear();
        for (const ReferenceEntry& entry : FEntries)
            FChoice->addItem(QString::fromStdString(entry.Text));
    }
    FChoice->setCurrentIndex(FEntries.empty() ? -1 : 0);
    ShowChosen(FChoice->currentIndex());
}

void TReferenceDialog::ShowChosen(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= FEntries.size())
        return;
    GameData& data = GameDataInstance();
    try {
        ShowRecord(data, data.Record(FEntries[static_cast<size_t>(index)].Record));
    } catch (const Error& error) {
        FDialogs.ShowMessage(MessageKind::Error, error.what(), ButtonOk);
    }
}

} // namespace maprune
