// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/place_window.h"

#include <QVBoxLayout>

#include "model/report.h"
#include "tools/lines/line_number.h"
#include "tools/ui/colour_list.h"
#include "tools/units/unit_view.h"

namespace maprune {

TPlaceWindow::TPlaceWindow(const PlaceView& view, bool ship, QWidget* parent)
    : QDialog(parent, ship ? Qt::Dialog | Qt::WindowStaysOnTopHint : Qt::Dialog)
{
    setObjectName(ship ? QStringLiteral("ShipWindow") : QStringLiteral("BuildingWindow"));
    setWindowTitle(QString::fromStdString(view.Caption));
    FList = new TColourList(this);
    FList->setObjectName(QStringLiteral("XListBox1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FList);
    std::vector<bool> units;
    for (const PlaceLine& line : view.Lines) {
        FList->AddLine(line.Text, line.Scheme);
        units.push_back(line.IsUnit);
    }
    connect(FList, &QListWidget::itemDoubleClicked, this, [this, units](QListWidgetItem* item) {
        const int row = FList->row(item);
        if (row >= 0 && units[static_cast<size_t>(row)])
            emit unitLineChosen(item->text());
    });
    resize(400, 320);
}

void ExecPlaceWindow(const PlaceView& view, bool ship, const TReport& report, QWidget* parent,
    const std::function<void(TUnit*)>& unitChosen)
{
    TPlaceWindow window(view, ship, parent);
    QObject::connect(&window, &TPlaceWindow::unitLineChosen, parent, [&](const QString& unitLine) {
        if (TUnit* unit
            = FindUnitByNumber(report, NumberInLine(unitLine.toStdString(), report.Basis)))
            unitChosen(unit);
    });
    window.exec();
}

} // namespace maprune
