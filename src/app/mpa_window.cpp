// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mpa_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace maprune {

TMPAWindow::TMPAWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MPAWindow"));
    setWindowTitle(QString::fromUtf8(kCaption));
    auto* text = new QLabel(QString::fromUtf8(kText), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    FList = new QListWidget(this);
    FList->setObjectName(QStringLiteral("ListBox1"));
    FOk = new QPushButton(QStringLiteral("OK"), this);
    FOk->setObjectName(QStringLiteral("Button1"));
    FOk->setDefault(true);
    FCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    FCancel->setObjectName(QStringLiteral("Button2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FOk);
    buttons->addWidget(FCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(FList);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(FList, &QListWidget::currentRowChanged, this,
        [this](int row) { FOk->setEnabled(row >= 0); });
}

std::optional<size_t> TMPAWindow::ChooseShift(const std::vector<ScoredShift>& shifts)
{
    FList->clear();
    for (const ScoredShift& shift : shifts)
        FList->addItem(QString::fromStdString(Line(shift)));
    FList->setCurrentRow(shifts.empty() ? -1 : 0);
    FOk->setEnabled(!shifts.empty());
    if (exec() != QDialog::Accepted || FList->currentRow() < 0)
        return std::nullopt;
    return static_cast<size_t>(FList->currentRow());
}

} // namespace maprune
