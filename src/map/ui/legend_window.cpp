// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/legend_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "map/ui/map_view_widget.h"

namespace maprune {

namespace {

constexpr int kColourRole = Qt::UserRole;
constexpr int kLineHeight = 16;

// Black text on light colours, white on dark ones.
QColor TextColourOn(QRgb colour)
{
    const int r = qRed(colour);
    const int g = qGreen(colour);
    const int b = qBlue(colour);
    return r * r + g * g + b * b > 32768 ? Qt::black : Qt::white;
}

class LegendDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        const QRgb colour = index.data(kColourRole).toUInt() | 0xFF000000;
        painter->fillRect(option.rect, QColor::fromRgb(colour));
        painter->setPen(TextColourOn(colour));
        painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
            index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight);
    }
};

} // namespace

TColorMapWindow::TColorMapWindow(TMapView& map, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FMap(map)
{
    setObjectName("ColorMapWindow");
    setWindowTitle(QStringLiteral("Legende"));

    FList = new QListWidget(this);
    FList->setObjectName("ListBox1");
    FList->setItemDelegate(new LegendDelegate(FList));
    FList->setUniformItemSizes(true);
    FList->setSelectionMode(QAbstractItemView::NoSelection);

    FTurn = new QSpinBox(this);
    FTurn->setObjectName("SpinEdit1");
    FTurn->setRange(-1, 999999);
    auto* label = new QLabel(QStringLiteral("politische Karte von &Runde:"), this);
    label->setObjectName("Label1");
    label->setBuddy(FTurn);

    FHeading = new QLabel(this);
    FHeading->setObjectName("Label2");
    FHeading->setWordWrap(true);

    FTurnRow = new QWidget(this);
    auto* turnRow = new QHBoxLayout(FTurnRow);
    turnRow->setContentsMargins(0, 0, 0, 0);
    turnRow->addWidget(label);
    turnRow->addWidget(FTurn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTurnRow);
    layout->addWidget(FHeading);
    layout->addWidget(FList, 1);
    resize(240, 380);

    connect(&map, &TMapView::coloursChanged, this, &TColorMapWindow::Refill);
    connect(FTurn, &QSpinBox::valueChanged, &map, &TMapView::SetShownTurn);
    Refill();
}

void TColorMapWindow::Refill()
{
    {
        const QSignalBlocker blocker(FTurn);
        FTurn->setValue(FMap.Colouring().ShownTurn());
    }
    // The turn is the political map's; the other maps show the present.
    FTurnRow->setVisible(FMap.Mode() == MapMode::Political);
    FHeading->setText(QString::fromStdString(FMap.Colouring().LegendHeading()));
    FList->clear();
    for (const LegendEntry& entry : FMap.Colouring().Legend()) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.Text), FList);
        item->setData(kColourRole, static_cast<uint>(entry.Colour & 0xFFFFFF));
    }
}

void TColorMapWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace maprune
