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
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel_->setObjectName(QStringLiteral("Button2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
        [this](int row) { ok_->setEnabled(row >= 0); });
}

std::optional<size_t> TMPAWindow::ChooseShift(const std::vector<ScoredShift>& shifts)
{
    list_->clear();
    for (const ScoredShift& shift : shifts)
        list_->addItem(QString::fromStdString(Line(shift)));
    list_->setCurrentRow(shifts.empty() ? -1 : 0);
    ok_->setEnabled(!shifts.empty());
    if (exec() != QDialog::Accepted || list_->currentRow() < 0)
        return std::nullopt;
    return static_cast<size_t>(list_->currentRow());
}

} // namespace maprune
