// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace maprune {

class TMapView;

// The layer list above the map (ComboBox1): "Ebene z" for every layer of the
// report in order of first appearance, the active one shown. Choosing an
// entry switches the map to that layer. Refills itself whenever the map
// view is rebuilt; `map` must outlive the box.
class TLayerComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TLayerComboBox(TMapView& map, QWidget* parent = nullptr);

private:
    void Refill();

    TMapView& FMap;
};

} // namespace maprune
