// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QListWidget>

#include "tools/lines/category_lines.h"
#include "tools/lines/list_scheme.h"

namespace maprune {

// The list of the info windows: every line drawn in its own colour scheme
// (background, text, the same for the selected line, and an indent).
class TColourList : public QListWidget {
    Q_OBJECT
public:
    explicit TColourList(QWidget* parent = nullptr);

    // Adds a line (UTF-8) drawn in `scheme`. The line keeps `number` (a
    // party number, an index) for whoever acts on it.
    void AddLine(const std::string& text, const ListScheme& scheme, int32_t number = -1);
    // Replaces the lines by `lines`, each in the scheme of its category and
    // keeping its party number.
    void SetLines(const std::vector<CategoryLine>& lines);
    // Replaces the lines by plain ones.
    void SetPlainLines(const std::vector<std::string>& lines);

    // The scheme `item` is drawn in.
    static ListScheme SchemeOf(const QListWidgetItem& item);
    // The number `item` was added with.
    static int32_t NumberOf(const QListWidgetItem& item);
};

} // namespace maprune
