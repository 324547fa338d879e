// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/allies_window.h"

#include <QVBoxLayout>

#include "document/report_document.h"
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
    connect(&document, &TReportDocument::changed, this,
        [this, &document](const DocumentChange& change) {
            if (change.Structure())
                Fill(document.Report());
        });
    Fill(document.Report());
}

void TAlliesWindow::Fill(const TReport* report)
{
    FList->SetLines(AllyLines(report));
}

} // namespace maprune
