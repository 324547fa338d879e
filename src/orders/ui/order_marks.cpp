// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/order_marks.h"

#include <QApplication>
#include <QListWidgetItem>
#include <QStyle>

#include "core/text_encoding.h"
#include "model/lines.h"
#include "model/unit.h"
#include "orders/language/order_check.h"
#include "orders/language/report_scope.h"
#include "orders/ui/order_assist.h"

namespace maprune {

void MarkOrderFindings(
    QListWidgetItem& item, const TReport& report, const TRegion* region, const TUnit& unit)
{
    item.setIcon(QIcon());
    item.setToolTip(QString());
    if (!unit.IsOwn())
        return;
    std::vector<std::string> lines;
    for (const std::string& line : unit.Commands->Lines())
        lines.push_back(DisplayText(line));
    const OrderScope scope = ScopeOfUnit(report, region, &unit);
    int errors = 0;
    int warnings = 0;
    for (const OrderFinding& finding : CheckUnitOrders(ProgramOrderGrammar(), scope, lines))
        ++(finding.Level == FindingLevel::Error ? errors : warnings);
    if (errors + warnings == 0)
        return;
    QStyle& style = *QApplication::style();
    item.setIcon(style.standardIcon(
        errors > 0 ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning));
    item.setToolTip(
        QStringLiteral("Befehle: %1 Fehler, %2 %3")
            .arg(errors)
            .arg(warnings)
            .arg(warnings == 1 ? QStringLiteral("Warnung") : QStringLiteral("Warnungen")));
}

} // namespace maprune
