// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/allies_window.h"

#include <QVBoxLayout>

#include "app/info/colour_list.h"
#include "app/report_document.h"
#include "tools/parties/party_lines.h"

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
    for (const auto signal : { &TReportDocument::reportReplaced, &TReportDocument::reportChanged })
        connect(&document, signal, this, &TAlliesWindow::Fill);
    Fill(document.Report());
}

void TAlliesWindow::Fill(const TReport* report)
{
    FList->SetLines(AllyLines(report));
}

} // namespace maprune
