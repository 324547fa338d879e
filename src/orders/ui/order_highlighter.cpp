// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/order_highlighter.h"

#include <QRegularExpression>
#include <QTextCharFormat>

namespace maprune {

TOrderHighlighter::TOrderHighlighter(QTextDocument* document, bool unitHeadings)
    : QSyntaxHighlighter(document)
    , FUnitHeadings(unitHeadings)
{
}

void TOrderHighlighter::highlightBlock(const QString& text)
{
    static const QRegularExpression heading(
        QStringLiteral("^\\s*(REGION|EINHEIT)\\b"), QRegularExpression::CaseInsensitiveOption);
    if (FUnitHeadings && heading.match(text).hasMatch()) {
        QTextCharFormat format;
        format.setForeground(QColor(0x00, 0x60, 0x30));
        format.setFontWeight(QFont::Bold);
        setFormat(0, static_cast<int>(text.size()), format);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    const OrderLineKind kind
        = FVocabulary.Classify(std::string_view(utf8.constData(), utf8.size()));
    if (kind.Is == OrderLineKind::Empty)
        return;
    // The classification counts bytes; the editor counts UTF-16 units.
    const int start = QString::fromUtf8(utf8.constData(), static_cast<int>(kind.WordStart)).size();
    const int length
        = QString::fromUtf8(utf8.constData() + kind.WordStart, static_cast<int>(kind.WordLength))
              .size();
    QTextCharFormat format;
    switch (kind.Is) {
    case OrderLineKind::Comment:
        format.setForeground(QColor(0x70, 0x70, 0x70));
        format.setFontItalic(true);
        break;
    case OrderLineKind::Command:
        format.setForeground(QColor(0x00, 0x00, 0x90));
        format.setFontWeight(QFont::Bold);
        break;
    case OrderLineKind::Unknown:
        format.setForeground(QColor(0xB0, 0x00, 0x00));
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(QColor(0xB0, 0x00, 0x00));
        break;
    case OrderLineKind::Empty:
        break;
    }
    setFormat(start, length, format);
}

} // namespace maprune
