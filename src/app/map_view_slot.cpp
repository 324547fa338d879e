// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/map_view_slot.h"

#include "map/map_navigation.h"
#include "model/report.h"

namespace maprune {

TMapPlaceholder::TMapPlaceholder(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool TMapPlaceholder::SwitchLayer(int32_t z)
{
    return report_ != nullptr && z != report_->ActiveLayer && ::maprune::SwitchLayer(*report_, z);
}

void TMapPlaceholder::SetCurrentRegion(TRegion* region)
{
    if (region == current_)
        return;
    current_ = region;
    if (changed_)
        changed_(region);
}

} // namespace maprune
