// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/units_window.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/report_document.h"
#include "config/settings.h"

namespace maprune {

namespace {

struct GroupColours {
    QRgb Text;
    QRgb Background;
};

// The settings keep no colours for lists, so the groups have fixed ones:
// light backgrounds that keep black text readable in any style, and the
// other parties' units plain so that the related ones stand out.
GroupColours ColoursOf(UnitGroup group)
{
    switch (group) {
    case UnitGroup::Own:
        return { qRgb(0, 0, 0), qRgb(0xC8, 0xF0, 0xC8) };
    case UnitGroup::Allied:
        return { qRgb(0, 0, 0), qRgb(0xCC, 0xE0, 0xFF) };
    case UnitGroup::Hidden:
        return { qRgb(0x50, 0x50, 0x50), qRgb(0xE4, 0xE4, 0xE4) };
    case UnitGroup::Other:
        break;
    }
    return { qRgb(0, 0, 0), qRgb(0xFF, 0xFF, 0xFF) };
}

} // namespace

TUnitsWindow::TUnitsWindow(TSettings& settings, TReportDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FSettings(settings)
    , FDocument(document)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Einheiten in den ausgewählten Regionen"));

    FList = new QListWidget(this);
    FList->setObjectName(QStringLiteral("ListBox1"));
    FList->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FList);
    resize(480, 260);
    for (const auto signal : { &TReportDocument::reportReplaced, &TReportDocument::reportChanged })
        connect(&document, signal, this, &TUnitsWindow::RefillFromDocument);
    connect(&document, &TReportDocument::selectionChanged, this, &TUnitsWindow::RefillFromDocument);
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

QColor TUnitsWindow::TextColour(UnitGroup group)
{
    return QColor::fromRgb(ColoursOf(group).Text);
}

QColor TUnitsWindow::BackgroundColour(UnitGroup group)
{
    return QColor::fromRgb(ColoursOf(group).Background);
}

void TUnitsWindow::Refill(const TReport* report, bool enabled)
{
    FList->clear();
    if (!enabled || report == nullptr)
        return;
    const auto options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    for (const SelectedUnitLine& line : SelectedUnitLines(*report, options)) {
        auto* item = new QListWidgetItem(QString::fromUtf8(line.Text), FList);
        item->setForeground(TextColour(line.Group));
        item->setBackground(BackgroundColour(line.Group));
    }
}

void TUnitsWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace maprune
