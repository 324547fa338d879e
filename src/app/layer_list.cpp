// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layer_list.h"

#include "document/report_document.h"
#include "map/map_navigation.h"
#include "model/report.h"

namespace maprune {

TLayerList::TLayerList(TReportDocument& document, QWidget* parent)
    : QComboBox(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("ComboBox1"));
    setMinimumContentsLength(12);
    setEnabled(false);
    connect(this, &QComboBox::activated, this,
        [this](int index) { FDocument.SwitchLayer(itemData(index).toInt()); });
    connect(&document, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Whole())
            Fill();
    });
    connect(&document, &TReportDocument::layerSwitched, this, &TLayerList::Fill);
}

void TLayerList::Fill()
{
    const QSignalBlocker blocker(this);
    clear();
    if (const TReport* report = FDocument.Report()) {
        for (int32_t z : report->Layers())
            addItem(QString::fromStdString(LayerName(z)), z);
        setCurrentIndex(findData(report->ActiveLayer));
    }
    setEnabled(count() > 0);
}

} // namespace maprune
