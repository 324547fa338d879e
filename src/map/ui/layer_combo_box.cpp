// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/layer_combo_box.h"

#include <QSignalBlocker>

#include "map/map_navigation.h"
#include "map/ui/map_view_widget.h"

namespace maprune {

TLayerComboBox::TLayerComboBox(TMapView& map, QWidget* parent)
    : QComboBox(parent)
    , FMap(map)
{
    setObjectName("ComboBox1");
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(&map, &TMapView::viewRebuilt, this, &TLayerComboBox::Refill);
    connect(this, &QComboBox::activated, this,
        [this](int index) { FMap.SwitchLayer(itemData(index).toInt()); });
    Refill();
}

void TLayerComboBox::Refill()
{
    const QSignalBlocker blocker(this);
    clear();
    for (int32_t z : FMap.Layers()) {
        addItem(QString::fromStdString(LayerName(z)), z);
        if (z == FMap.ActiveLayer())
            setCurrentIndex(count() - 1);
    }
}

} // namespace maprune
