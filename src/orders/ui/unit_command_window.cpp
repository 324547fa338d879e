// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/unit_command_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "app/report_document.h"
#include "core/text_encoding.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/ui/order_highlighter.h"
#include "orders/unit_orders.h"
#include "report/report_encoding.h"
#include "tools/units/unit_view.h"

namespace maprune {

TUnitCommandWindow::TUnitCommandWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("UnitCommandWindow"));
    setWindowTitle(QStringLiteral("Einheiten-Befehle"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    FWeights = new QLabel(this);
    FWeights->setObjectName(QStringLiteral("Label1"));
    FWeights->setWordWrap(true);
    FEditor = new QPlainTextEdit(this);
    FEditor->setObjectName(QStringLiteral("Memo1"));
    FEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    FEditor->setReadOnly(true);
    FEditor->installEventFilter(this);
    new TOrderHighlighter(FEditor->document());
    layout->addWidget(FWeights);
    layout->addWidget(FEditor, 1);
    connect(FEditor, &QPlainTextEdit::textChanged, this, &TUnitCommandWindow::WriteThrough);
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        [this] { ShowUnit(nullptr); });
}

void TUnitCommandWindow::ShowUnit(TUnit* unit)
{
    // Detached first, so that loading the orders writes nothing back.
    FUnit = nullptr;
    FEditor->setReadOnly(true);
    FEditor->setPlainText(QString());
    FRegion = unit != nullptr ? FDocument.CurrentRegion() : nullptr;
    const TReport* report = FDocument.Report();
    if (unit == nullptr || report == nullptr) {
        setWindowTitle(QStringLiteral("Einheiten-Befehle"));
        FWeights->clear();
        return;
    }
    const UnitView view = ViewOfUnit(*report, *unit);
    setWindowTitle(QString::fromStdString(view.Caption));
    FWeights->setText(QString::fromStdString(view.LoadLine));
    if (!unit->IsOwn())
        return;
    QStringList lines;
    for (const std::string& line : unit->Commands->Lines())
        lines += QString::fromStdString(DisplayText(line));
    // setPlainText also starts the undo history anew.
    FEditor->setPlainText(lines.join(QLatin1Char('\n')));
    FEditor->setReadOnly(false);
    FUnit = unit;
}

void TUnitCommandWindow::WriteThrough()
{
    if (FUnit == nullptr)
        return;
    std::vector<std::string> lines;
    const QString text = FEditor->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines.push_back(ToReportText(*FDocument.Report(), line.toStdString()));
    }
    ReplaceUnitOrders(*FUnit, lines);
    FDocument.UnitOrdersEdited(*FUnit);
}

void TUnitCommandWindow::GoTo(int dx, int dy)
{
    TReport* report = FDocument.Report();
    if (report == nullptr || FRegion == nullptr)
        return;
    TRegion* target = report->FindRegion(FRegion->CX + dx, FRegion->CY + dy, FRegion->CZ);
    if (target == nullptr)
        return;
    FDocument.SetCurrentRegion(target);
    emit centreRequested(target);
}

bool TUnitCommandWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FEditor || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->modifiers().testFlag(Qt::AltModifier))
        return QWidget::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Left:
        GoTo(-1, 0);
        return true;
    case Qt::Key_Right:
        GoTo(1, 0);
        return true;
    case Qt::Key_Up:
        GoTo(0, 1);
        return true;
    case Qt::Key_Down:
        GoTo(0, -1);
        return true;
    case Qt::Key_PageUp:
        emit unitStepRequested(-1);
        return true;
    case Qt::Key_PageDown:
        emit unitStepRequested(1);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

} // namespace maprune
