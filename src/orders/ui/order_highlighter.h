// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSyntaxHighlighter>

#include "orders/order_words.h"

namespace maprune {

// Colours an order text as the player reads it: command words bold, comment
// lines quiet, a first word that is no command marked. In a text of many
// units (`unitHeadings`) the REGION and EINHEIT lines are headings. It never
// changes the text.
class TOrderHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit TOrderHighlighter(QTextDocument* document, bool unitHeadings = false);

protected:
    void highlightBlock(const QString& text) override;

private:
    OrderVocabulary FVocabulary;
    bool FUnitHeadings;
};

} // namespace maprune
