// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/map_view_slot.h"

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

void TMapPlaceholder::SetCurrentRegion(TRegion* region)
{
    if (region == current_)
        return;
    current_ = region;
    if (changed_)
        changed_(region);
}

} // namespace maprune
