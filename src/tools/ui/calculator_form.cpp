// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/calculator_form.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "core/text_encoding.h"
#include "document/report_document.h"
#include "tools/calculator/calculator_answer.h"

namespace maprune {

namespace {

QColor AnswerColour(AnswerKind kind)
{
    switch (kind) {
    case AnswerKind::Value:
        return QColor(0x00, 0x00, 0x80); // navy
    case AnswerKind::Null:
        return Qt::black;
    case AnswerKind::ParseError:
    case AnswerKind::EvaluationError:
        break;
    }
    return Qt::red;
}

} // namespace

TCalculatorForm::TCalculatorForm(TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("CalculatorForm"));
    setWindowTitle(QStringLiteral("Taschenrechner"));
    FInput = new QLineEdit(this);
    FInput->setObjectName(QStringLiteral("Edit1"));
    FInput->setPlaceholderText(QStringLiteral("z.B. region[0,0].bauern oder 2*pi"));
    FResult = new QLineEdit(this);
    FResult->setObjectName(QStringLiteral("Edit2"));
    FResult->setReadOnly(true);
    FResult->setFrame(false);
    FResult->setFocusPolicy(Qt::ClickFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(FInput, 2);
    layout->addWidget(FResult, 3);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(FInput, &QLineEdit::textChanged, this, &TCalculatorForm::Recalculate);
    // An expression may read any value of the report.
    connect(&FDocument, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Kind != DocumentChangeKind::Alliances)
            Recalculate();
    });
    Recalculate();
}

void TCalculatorForm::Recalculate()
{
    if (FInput->text().isEmpty()) {
        FResult->clear();
        return;
    }
    const CalculatorAnswer answer = Calculate(FDocument.Report(), FInput->text().toStdString());
    QPalette palette = FResult->palette();
    palette.setColor(QPalette::Text, AnswerColour(answer.Kind));
    FResult->setPalette(palette);
    FResult->setText(QString::fromStdString(DisplayText(answer.Text)));
    // Long answers and messages do not fit into the docked line.
    FResult->setToolTip(FResult->text());
    FResult->setCursorPosition(0);
}

} // namespace maprune
