// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/unit_command_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/language/order_check.h"
#include "orders/language/report_scope.h"
#include "orders/ui/order_assist.h"
#include "orders/ui/order_highlighter.h"
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
    // Ctrl+Z and Ctrl+Y go to the program's history, where each unit's
    // typing is one step beside every other edit.
    FEditor->setUndoRedoEnabled(false);
    FEditor->installEventFilter(this);
    new TOrderHighlighter(FEditor->document());
    const auto scope = [this](const std::vector<std::string>&, int) {
        return FDocument.Report() != nullptr && FUnit != nullptr
            ? ScopeOfUnit(*FDocument.Report(), FRegion, FUnit)
            : OrderScope();
    };
    FAssist = new TOrderAssist(
        *FEditor,
        [this, scope](const std::vector<std::string>& lines) {
            return CheckUnitOrders(ProgramOrderGrammar(), scope(lines, 0), lines);
        },
        scope);
    layout->addWidget(FWeights);
    layout->addWidget(FEditor, 1);
    connect(FEditor, &QPlainTextEdit::textChanged, this, &TUnitCommandWindow::WriteThrough);
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this, [this] {
        FCheckerEntries.clear();
        ShowUnit(nullptr);
    });
    connect(&document, &TReportDocument::changed, this, &TUnitCommandWindow::Follow);
}

void TUnitCommandWindow::Follow(const DocumentChange& change)
{
    if (change.Kind != DocumentChangeKind::UnitOrders || change.Unit != FUnit || FUnit == nullptr)
        return;
    const QString text = OrdersText(*FUnit);
    if (text == FEditor->toPlainText())
        return;
    // An undo or redo of this unit's orders: the editor shows them.
    TUnit* unit = FUnit;
    FUnit = nullptr;
    FEditor->setPlainText(text);
    FEditor->moveCursor(QTextCursor::End);
    FUnit = unit;
}

QString TUnitCommandWindow::OrdersText(const TUnit& unit)
{
    QStringList lines;
    for (const std::string& line : unit.Commands->Lines())
        lines += QString::fromStdString(DisplayText(line));
    return lines.join(QLatin1Char('\n'));
}

void TUnitCommandWindow::ShowUnit(TUnit* unit)
{
    // Detached first, so that loading the orders writes nothing back.
    FUnit = nullptr;
    FEditor->setReadOnly(true);
    FEditor->setPlainText(QString());
    FAssist->SetOtherFindings({});
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
    FEditor->setPlainText(OrdersText(*unit));
    FEditor->setReadOnly(false);
    FUnit = unit;
    ShowCheckerFindings();
}

void TUnitCommandWindow::ShowCheckerMessages(const CheckerResults& results)
{
    FCheckerEntries.clear();
    for (const CheckerEntry& entry : results.Entries) {
        if (entry.Link.Unit != nullptr && entry.Link.OrderLine >= 0)
            FCheckerEntries.push_back(entry);
    }
    ShowCheckerFindings();
}

void TUnitCommandWindow::ShowCheckerFindings()
{
    std::vector<OrderFinding> findings;
    for (const CheckerEntry& entry : FCheckerEntries) {
        if (FUnit == nullptr || entry.Link.Unit != FUnit)
            continue;
        OrderFinding finding;
        finding.Line = static_cast<size_t>(entry.Link.OrderLine);
        finding.Level
            = entry.Level == CheckerLevel::Error ? FindingLevel::Error : FindingLevel::Warning;
        finding.Message = "KCheck: " + DisplayText(entry.Text);
        findings.push_back(finding);
    }
    FAssist->SetOtherFindings(std::move(findings));
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
    FDocument.SetUnitOrders(*FUnit, lines);
}

void TUnitCommandWindow::GoTo(int dx, int dy)
{
    TReport* report = FDocument.Report();
    if (report == nullptr || FRegion == nullptr)
        return;
    TRegion* target = report->FindRegion(FRegion->CX + dx, FRegion->CY + dy, FRegion->CZ);
    if (target == nullptr)
        return;
    FDocument.RequestCentre(*target);
}

bool TUnitCommandWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FEditor && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The editor would take these keys for itself even without a history.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return true;
        }
    }
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
