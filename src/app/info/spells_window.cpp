// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/spells_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/info/fill_when_shown.h"
#include "document/document_change.h"
#include "tools/parties/party_lines.h"
#include "tools/ui/colour_list.h"

namespace maprune {

namespace {

TColourList* AddListTab(QTabWidget& pages, const char* page, const char* list, const char* caption)
{
    auto* sheet = new QWidget(&pages);
    sheet->setObjectName(QString::fromLatin1(page));
    auto* lines = new TColourList(sheet);
    lines->setObjectName(QString::fromLatin1(list));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lines);
    pages.addTab(sheet, QString::fromUtf8(caption));
    return lines;
}

} // namespace

TForm15::TForm15(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Zauber & Tränke"));
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setDocumentMode(true);
    FSpells = AddListTab(*pages, "TabSheet1", "XListBox1", "&Zauber");
    FPotions = AddListTab(*pages, "TabSheet2", "XListBox2", "&Tränke");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
    new TFillWhenShown(
        *this, document, [](const DocumentChange& change) { return change.Whole(); },
        [this](const TReport* report) { Fill(report); });
}

void TForm15::Fill(const TReport* report)
{
    FSpells->SetPlainLines(SpellLines(report));
    FPotions->SetPlainLines(PotionLines(report));
}

} // namespace maprune
