// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/units_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "config/settings.h"
#include "document/report_document.h"
#include "tools/lines/list_scheme.h"
#include "tools/ui/colour_list.h"

namespace maprune {

TUnitsWindow::TUnitsWindow(TSettings& settings, TReportDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FSettings(settings)
    , FDocument(document)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Einheiten in den ausgewählten Regionen"));

    FList = new TColourList(this);
    FList->setObjectName(QStringLiteral("ListBox1"));
    FList->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FList);
    resize(480, 260);
    // The list shows the units of the selected regions with their first order.
    connect(&document, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Structure() || change.Kind == DocumentChangeKind::Selection
            || change.Kind == DocumentChangeKind::UnitOrders)
            RefillFromDocument();
    });
}

void TUnitsWindow::SetFollowing(bool following)
{
    FFollowing = following;
    RefillFromDocument();
}

void TUnitsWindow::RefillFromDocument()
{
    Refill(FDocument.Report(), FFollowing);
}

QColor TUnitsWindow::TextColour(PartyCategory category)
{
    return QColor::fromRgb(SchemeOf(category).Text);
}

QColor TUnitsWindow::BackgroundColour(PartyCategory category)
{
    return QColor::fromRgb(SchemeOf(category).Background);
}

void TUnitsWindow::Refill(const TReport* report, bool enabled)
{
    FList->clear();
    if (!enabled || report == nullptr)
        return;
    const auto options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    FList->SetLines(SelectedUnitLines(*report, options));
}

void TUnitsWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace maprune
