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

} // namespace maprune
