// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/item_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/game_data.h"

namespace maprune {

TItemWindow::TItemWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ItemWindow"));
    setWindowTitle(QStringLiteral("Gegenstände in Kelvaran"));
    setModal(true);
    resize(560, 480);
    FClasses = new QComboBox(this);
    FClasses->setObjectName(QStringLiteral("ComboBox1"));
    FClasses->addItem(QStringLiteral("alle Klassen"), -1);
    const std::vector<std::string>& names = ItemClassNames();
    for (size_t i = 0; i < names.size(); ++i)
        FClasses->addItem(QString::fromStdString(names[i]), static_cast<int>(i));
    FItems = new QTreeWidget(this);
    FItems->setObjectName(QStringLiteral("ListView1"));
    FItems->setRootIsDecorated(false);
    FItems->setHeaderLabels({ QStringLiteral("Gegenstand"), QStringLiteral("Gewicht (GE)"),
        QStringLiteral("Kapazität (GE)"), QStringLiteral("Klasse") });
    FItems->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    FItems->setSortingEnabled(false);
    FDescription = new QLabel(this);
    FDescription->setObjectName(QStringLiteral("Label1"));
    FDescription->setWordWrap(true);
    FDescription->setMinimumHeight(48);
    FDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FClasses);
    layout->addWidget(FItems, 1);
    layout->addWidget(FDescription);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(FClasses, &QComboBox::currentIndexChanged, this, &TItemWindow::ShowClass);
    connect(FItems, &QTreeWidget::currentItemChanged, this, &TItemWindow::ShowDescription);
}

void TItemWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ShowClass(FClasses->currentIndex());
}

void TItemWindow::ShowClass(int comboIndex)
{
    FRows = ItemRows(GameDataInstance(), FClasses->itemData(comboIndex).toInt());
    FItems->clear();
    for (const ItemRow& row : FRows) {
        auto* item = new QTreeWidgetItem(FItems,
            { QString::fromStdString(row.Name), QString::fromStdString(row.Weight),
                QString::fromStdString(row.Capacity), QString::fromStdString(row.ClassName) });
        item->setTextAlignment(1, Qt::AlignRight);
        item->setTextAlignment(2, Qt::AlignRight);
    }
    for (int column = 1; column < FItems->columnCount(); ++column)
        FItems->resizeColumnToContents(column);
    FItems->setCurrentItem(FItems->topLevelItem(0));
    ShowDescription();
}

void TItemWindow::ShowDescription()
{
    const int row = FItems->indexOfTopLevelItem(FItems->currentItem());
    FDescription->setText(
        row < 0 ? QString() : QString::fromStdString(FRows[static_cast<size_t>(row)].Description));
}

} // namespace maprune
