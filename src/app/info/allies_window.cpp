// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/allies_window.h"

#include <QVBoxLayout>

#include "app/info/fill_when_shown.h"
#include "document/document_change.h"
#include "tools/parties/party_lines.h"
#include "tools/ui/colour_list.h"

namespace maprune {

TAlliesWindow::TAlliesWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AlliesWindow"));
    setWindowTitle(QStringLiteral("Alliierte"));
    FList = new TColourList(this);
    FList->setObjectName(QStringLiteral("XListBox1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FList);
    new TFillWhenShown(
        *this, document, [](const DocumentChange& change) { return change.Structure(); },
        [this](const TReport* report) { Fill(report); });
}

void TAlliesWindow::Fill(const TReport* report)
{
    FList->SetLines(AllyLines(report));
}

} // namespace maprune
