// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QStringList>

class QMimeData;
class QWidget;

namespace maprune {

// Makes `target` take files and folders dropped on it (or on a child that
// takes no drops itself) and hands their local paths to `dropped`, once the
// drop is over: opening and adding may ask questions, which must not run
// inside the desktop's drag.
void AcceptFileDrops(QWidget& target, std::function<void(const QStringList&)> dropped);

// The local files and folders of a drop's data, in their order.
QStringList DroppedPaths(const QMimeData& data);

} // namespace maprune
