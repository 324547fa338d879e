// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/colour_list.h"

#include <QIcon>
#include <QPainter>
#include <QStyledItemDelegate>

namespace maprune {

namespace {

// The unselected colours are the item's own background and foreground; the
// selected ones and the indent ride along.
enum SchemeRole : int {
    SelectedBackgroundRole = Qt::UserRole + 100,
    SelectedTextRole,
    IndentRole,
    NumberRole,
};

QColor Colour(uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// Paints a line in its scheme instead of the style's colours, so that the
// categories read alike on every desktop.
class SchemeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const auto colour = [&](int plain, int chosen) {
            return selected ? Colour(index.data(chosen).toUInt())
                            : index.data(plain).value<QBrush>().color();
        };
        painter->save();
        painter->fillRect(option.rect, colour(Qt::BackgroundRole, SelectedBackgroundRole));
        painter->setPen(colour(Qt::ForegroundRole, SelectedTextRole));
        QRect text = option.rect.adjusted(2 + index.data(IndentRole).toInt(), 0, -2, 0);
        // A mark (the orders' findings) stands before the text.
        const QIcon mark = index.data(Qt::DecorationRole).value<QIcon>();
        if (!mark.isNull()) {
            const int size = option.rect.height() - 2;
            mark.paint(painter, QRect(text.left(), option.rect.top() + 1, size, size));
            text.setLeft(text.left() + size + 3);
        }
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
            index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

TColourList::TColourList(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new SchemeDelegate(this));
    setUniformItemSizes(true);
}

void TColourList::AddLine(const std::string& text, const ListScheme& scheme, int32_t number)
{
    auto* item = new QListWidgetItem(QString::fromStdString(text), this);
    item->setBackground(Colour(scheme.Background));
    item->setForeground(Colour(scheme.Text));
    item->setData(SelectedBackgroundRole, scheme.SelectedBackground);
    item->setData(SelectedTextRole, scheme.SelectedText);
    item->setData(IndentRole, scheme.Indent);
    item->setData(NumberRole, number);
}

void TColourList::SetLines(const std::vector<CategoryLine>& lines)
{
    clear();
    for (const CategoryLine& line : lines)
        AddLine(line.Text, maprune::SchemeOf(line.Category), line.Party);
}

void TColourList::SetPlainLines(const std::vector<std::string>& lines)
{
    clear();
    for (const std::string& line : lines)
        AddLine(line, kPlainScheme);
}

ListScheme TColourList::SchemeOf(const QListWidgetItem& item)
{
    return { item.background().color().rgb() & 0xFFFFFFu,
        item.foreground().color().rgb() & 0xFFFFFFu, item.data(SelectedBackgroundRole).toUInt(),
        item.data(SelectedTextRole).toUInt(), item.data(IndentRole).toInt() };
}

int32_t TColourList::NumberOf(const QListWidgetItem& item)
{
    return item.data(NumberRole).toInt();
}

} // namespace maprune
