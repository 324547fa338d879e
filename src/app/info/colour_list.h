// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    // Adds a line (UTF-8) drawn in `scheme`.
    void AddLine(const std::string& text, const ListScheme& scheme);
    // Replaces the lines by `lines`, each in the scheme of its category.
    void SetLines(const std::vector<CategoryLine>& lines);
    // Replaces the lines by plain ones.
    void SetPlainLines(const std::vector<std::string>& lines);

    // The scheme `item` is drawn in.
    static ListScheme SchemeOf(const QListWidgetItem& item);
};

} // namespace maprune
