// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/kcheck_messages_window.h"

#include <QColor>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/text_encoding.h"
#include "document/report_document.h"

namespace maprune {

TKCheckMessagesWindow::TKCheckMessagesWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("KCheckMessagesWindow"));
    setWindowTitle(QStringLiteral("Ausgabe von KCheck"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FList = new QListWidget(this);
    FList->setObjectName(QStringLiteral("ListBox1"));
    layout->addWidget(FList);
    connect(FList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = FList->row(item);
        if (row < 0 || static_cast<size_t>(row) >= FLinks.size())
            return;
        const CheckerLink link = FLinks[static_cast<size_t>(row)];
        if (link.Region != nullptr)
            emit linkActivated(link);
    });
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        &TKCheckMessagesWindow::Clear);
}

void TKCheckMessagesWindow::ShowResults(const CheckerResults& results)
{
    Clear();
    for (const CheckerEntry& entry : results.Entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(DisplayText(entry.Text)), FList);
        // Errors and warnings stand out from the checker's other lines.
        if (entry.Level == CheckerLevel::Error)
            item->setForeground(QColor(0xB0, 0x00, 0x00));
        else if (entry.Level == CheckerLevel::Warning)
            item->setForeground(QColor(0x90, 0x60, 0x00));
        if (entry.Link.Unit != nullptr)
            item->setToolTip(QStringLiteral("Klicken: zur Einheit"));
        else if (entry.Link.Region != nullptr)
            item->setToolTip(QStringLiteral("Klicken: zur Region"));
        FLinks.push_back(entry.Link);
    }
}

void TKCheckMessagesWindow::Clear()
{
    FList->clear();
    FLinks.clear();
}

} // namespace maprune
