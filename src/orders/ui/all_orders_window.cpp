// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/all_orders_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "document/report_document.h"
#include "orders/language/report_scope.h"
#include "orders/party_orders.h"
#include "orders/ui/order_assist.h"
#include "orders/ui/order_highlighter.h"

namespace maprune {

namespace {

QString JoinedLines(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

TAllOrdersWindow::TAllOrdersWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("AllOrdersWindow"));
    setWindowTitle(QStringLiteral("Alle Befehle"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* bar = new QHBoxLayout;
    FCounts = new QLabel(this);
    FApply = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    FApply->setEnabled(false);
    auto* reload = new QPushButton(QStringLiteral("&Neu laden"), this);
    bar->addWidget(FCounts, 1);
    bar->addWidget(reload);
    bar->addWidget(FApply);
    FEditor = new QPlainTextEdit(this);
    FEditor->setObjectName(QStringLiteral("AllOrders"));
    FEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    FEditor->setUndoRedoEnabled(true);
    new TOrderHighlighter(FEditor->document(), true);
    FAssist = new TOrderAssist(
        *FEditor,
        [this](const std::vector<std::string>& lines) {
            TReport* report = FDocument.Report();
            return report != nullptr ? CheckOrderFile(ProgramOrderGrammar(), *report, lines)
                                     : std::vector<OrderFinding>();
        },
        [this](const std::vector<std::string>& lines, int line) {
            TReport* report = FDocument.Report();
            return report != nullptr ? ScopeAtLine(*report, lines, static_cast<size_t>(line))
                                     : OrderScope();
        });
    layout->addLayout(bar);
    layout->addWidget(FEditor, 1);
    connect(FApply, &QPushButton::clicked, this, &TAllOrdersWindow::Apply);
    connect(reload, &QPushButton::clicked, this, &TAllOrdersWindow::Reload);
    connect(FEditor, &QPlainTextEdit::textChanged, this, [this] {
        if (!FLoading)
            FApply->setEnabled(true);
    });
    connect(FAssist, &TOrderAssist::checked, this, &TAllOrdersWindow::ShowCounts);
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this, [this] {
        FLoading = true;
        FEditor->clear();
        FLoading = false;
    });
    connect(&document, &TReportDocument::changed, this, &TAllOrdersWindow::Follow);
    Reload();
}

void TAllOrdersWindow::Follow(const DocumentChange& change)
{
    if (FApplying)
        return;
    // A draft stays; otherwise the text follows every change of orders.
    if (!change.Whole() && !change.Structure() && FApply->isEnabled())
        return;
    if (isVisible())
        Reload();
    else
        FStale = true;
}

void TAllOrdersWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FStale)
        Reload();
}

void TAllOrdersWindow::Reload()
{
    FStale = false;
    FLoading = true;
    const TReport* report = FDocument.Report();
    FEditor->setPlainText(report != nullptr ? JoinedLines(PartyOrdersText(*report)) : QString());
    FEditor->setReadOnly(report == nullptr);
    FLoading = false;
    FApply->setEnabled(false);
    FAssist->Recheck();
}

void TAllOrdersWindow::Apply()
{
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return;
    std::vector<std::string> lines;
    for (QTextBlock block = FEditor->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    const PartyOrdersEdits edits = ReadPartyOrders(*report, lines);
    std::vector<std::pair<TUnit*, std::vector<std::string>>> orders;
    for (const UnitOrdersEdit& edit : edits.Changed)
        orders.emplace_back(edit.Unit, edit.Lines);
    FApplying = true;
    FDocument.SetOrdersOfUnits(orders);
    FApplying = false;
    FApply->setEnabled(false);
    if (!edits.Unknown.empty()) {
        QStringList numbers;
        for (const std::string& number : edits.Unknown)
            numbers += QString::fromStdString(number);
        FCounts->setText(QStringLiteral("Nicht übernommen, keine eigene Einheit: %1")
                             .arg(numbers.join(QStringLiteral(", "))));
        return;
    }
    ShowCounts();
}

void TAllOrdersWindow::ShowCounts()
{
    int errors = 0;
    for (const OrderFinding& finding : FAssist->Findings())
        errors += finding.Level == FindingLevel::Error ? 1 : 0;
    const int warnings = static_cast<int>(FAssist->Findings().size()) - errors;
    FCounts->setText(
        QStringLiteral("%1 Fehler, %2 %3")
            .arg(errors)
            .arg(warnings)
            .arg(warnings == 1 ? QStringLiteral("Warnung") : QStringLiteral("Warnungen")));
}

} // namespace maprune
