// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/add_region_comment_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace maprune {

TAddRegionCommentWindow::TAddRegionCommentWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AddRegionCommentWindow"));
    setWindowTitle(QStringLiteral("Regionskommentar hinzufügen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kommentar:"), this));
    FLine = new QLineEdit(this);
    FLine->setObjectName(QStringLiteral("Edit1"));
    FLine->setMinimumWidth(320);
    layout->addWidget(FLine);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TAddRegionCommentWindow::Line() const
{
    return FLine->text().trimmed();
}

QString TAddRegionCommentWindow::Ask(QWidget* parent)
{
    TAddRegionCommentWindow dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Line() : QString();
}

} // namespace maprune
