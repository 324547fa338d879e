// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/unit_window.h"

#include <QFormLayout>
#include <QLabel>

#include "document/report_document.h"
#include "tools/units/unit_view.h"

namespace maprune {

namespace {

struct UnitRow {
    const char* Caption;
    const char* Label;
    std::string UnitView::*Text;
};

const std::array<UnitRow, 7> kRows { {
    { "Tarnung:", "Label10", &UnitView::Camouflage },
    { "Parteitarnung:", "Label11", &UnitView::PartyCamouflage },
    { "bewacht:", "Label12", &UnitView::Guards },
    { "belagert:", "Label20", &UnitView::Besieges },
    { "Einheitengröße:", "Label13", &UnitView::Size },
    { "Gesamtgewicht:", "Label14", &UnitView::Weight },
    { "Position:", "Label22", &UnitView::Position },
} };

} // namespace

TUnitWindow::TUnitWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FDocument(document)
{
    setObjectName(QStringLiteral("UnitWindow"));
    setWindowTitle(QStringLiteral("Einheit"));
    auto* layout = new QFormLayout(this);
    for (size_t i = 0; i < kRows.size(); ++i) {
        FLabels[i] = new QLabel(this);
        FLabels[i]->setObjectName(QString::fromLatin1(kRows[i].Label));
        FLabels[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addRow(QString::fromUtf8(kRows[i].Caption), FLabels[i]);
    }
    resize(380, 220);
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        [this] { ShowUnit(nullptr); });
}

void TUnitWindow::ShowUnit(const TUnit* unit)
{
    if (unit == nullptr || FDocument.Report() == nullptr) {
        setWindowTitle(QStringLiteral("Einheit"));
        for (QLabel* label : FLabels)
            label->clear();
        return;
    }
    const UnitView view = ViewOfUnit(*FDocument.Report(), *unit);
    setWindowTitle(QString::fromStdString(view.Caption));
    for (size_t i = 0; i < kRows.size(); ++i)
        FLabels[i]->setText(QString::fromStdString(view.*kRows[i].Text));
}

} // namespace maprune
