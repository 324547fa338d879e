// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/order_assist.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

#include "model/game_data.h"
#include "orders/language/order_completion.h"
#include "orders/language/order_grammar.h"

namespace maprune {

namespace {

// Long enough to let a word be typed, short enough to seem immediate.
constexpr int kCheckDelayMs = 150;

const QColor kErrorColour(0xD0, 0x00, 0x00);
const QColor kWarningColour(0xE0, 0x8C, 0x00);

} // namespace

const OrderGrammar& ProgramOrderGrammar()
{
    static const OrderGrammar grammar(GameDataInstance());
    return grammar;
}

int TextColumn(const QString& line, size_t byte)
{
    const QByteArray utf8 = line.toUtf8();
    return QString::fromUtf8(
        utf8.constData(), static_cast<int>(std::min<size_t>(byte, utf8.size())))
        .size();
}

TOrderAssist::TOrderAssist(QPlainTextEdit& editor, Check check, ScopeAt scope)
    : QObject(&editor)
    , FEditor(editor)
    , FCheck(std::move(check))
    , FScope(std::move(scope))
{
    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    FTimer->setInterval(kCheckDelayMs);
    connect(FTimer, &QTimer::timeout, this, &TOrderAssist::Recheck);
    connect(&editor, &QPlainTextEdit::textChanged, FTimer, qOverload<>(&QTimer::start));
    FModel = new QStringListModel(this);
    FCompleter = new QCompleter(FModel, this);
    FCompleter->setWidget(&editor);
    FCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    FCompleter->popup()->setObjectName(QStringLiteral("OrderCompletion"));
    connect(FCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
        [this](const QModelIndex& index) { Insert(index.row()); });
    editor.installEventFilter(this);
    FViewport = editor.viewport();
    FViewport->installEventFilter(this);
}

std::vector<std::string> TOrderAssist::Lines() const
{
    std::vector<std::string> lines;
    for (QTextBlock block = FEditor.document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    return lines;
}

void TOrderAssist::SetOtherFindings(std::vector<OrderFinding> findings)
{
    FOthers = std::move(findings);
    Recheck();
}

void TOrderAssist::Recheck()
{
    FTimer->stop();
    FFindings = FEditor.isReadOnly() ? std::vector<OrderFinding>() : FCheck(Lines());
    FFindings.insert(FFindings.end(), FOthers.begin(), FOthers.end());
    Underline();
    emit checked();
}

void TOrderAssist::Underline()
{
    QList<QTextEdit::ExtraSelection> selections;
    QTextDocument& document = *FEditor.document();
    for (const OrderFinding& finding : FFindings) {
        const QTextBlock block = document.findBlockByNumber(static_cast<int>(finding.Line));
        if (!block.isValid())
            continue;
        const QString text = block.text();
        int begin = TextColumn(text, finding.Begin);
        int end = TextColumn(text, finding.End);
        if (end <= begin) { // a whole line, as the checker names it
            begin = 0;
            end = text.size();
        }
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(block);
        selection.cursor.setPosition(block.position() + begin);
        selection.cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
        const QColor colour = finding.Level == FindingLevel::Error ? kErrorColour : kWarningColour;
        selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        selection.format.setUnderlineColor(colour);
        selections.push_back(selection);
    }
    FEditor.setExtraSelections(selections);
}

QString TOrderAssist::MessagesAt(int line, int column) const
{
    const QTextBlock block = FEditor.document()->findBlockByNumber(line);
    QStringList messages;
    for (const OrderFinding& finding : FFindings) {
        if (static_cast<int>(finding.Line) != line)
            continue;
        const int begin = TextColumn(block.text(), finding.Begin);
        const int end = TextColumn(block.text(), finding.End);
        if ((end <= begin) || (column >= begin && column <= end))
            messages += (finding.Level == FindingLevel::Error ? QStringLiteral("Fehler: ")
                                                              : QStringLiteral("Warnung: "))
                + QString::fromStdString(finding.Message);
    }
    return messages.join(QLatin1Char('\n'));
}

bool TOrderAssist::Complete()
{
    if (FEditor.isReadOnly())
        return false;
    const QTextCursor cursor = FEditor.textCursor();
    const QTextBlock block = cursor.block();
    const QByteArray line = block.text().toUtf8();
    const size_t cursorByte = QString(block.text().left(cursor.positionInBlock())).toUtf8().size();
    const std::vector<std::string> lines = Lines();
    const OrderScope scope = FScope(lines, block.blockNumber());
    const OrderCompletion completion = CompleteOrder(ProgramOrderGrammar(), scope,
        std::string_view(line.constData(), static_cast<size_t>(line.size())), cursorByte);
    FInsertions.clear();
    QStringList labels;
    for (const CompletionCandidate& candidate : completion.Candidates) {
        FInsertions.push_back(candidate.Text);
        labels += QString::fromStdString(candidate.Label);
    }
    if (labels.isEmpty()) {
        FCompleter->popup()->hide();
        return false;
    }
    FLine = block.blockNumber();
    FBegin = completion.Begin;
    FEnd = completion.End;
    FModel->setStringList(labels);
    QRect rect = FEditor.cursorRect();
    QAbstractItemView& popup = *FCompleter->popup();
    rect.setWidth(popup.sizeHintForColumn(0) + popup.verticalScrollBar()->sizeHint().width());
    FCompleter->complete(rect);
    popup.setCurrentIndex(FModel->index(0));
    return true;
}

void TOrderAssist::Insert(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= FInsertions.size())
        return;
    const QTextBlock block = FEditor.document()->findBlockByNumber(FLine);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + TextColumn(block.text(), FBegin));
    cursor.setPosition(block.position() + TextColumn(block.text(), FEnd), QTextCursor::KeepAnchor);
    cursor.insertText(QString::fromStdString(FInsertions[static_cast<size_t>(row)]));
    FEditor.setTextCursor(cursor);
}

// After a key: a blank behind the command word opens the list, and while it
// is open each letter narrows it.
void TOrderAssist::AfterKey(const QString& typed)
{
    const QTextCursor cursor = FEditor.textCursor();
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    if (FCompleter->popup()->isVisible()) {
        Complete();
        return;
    }
    const QString trimmed = before.trimmed();
    if (typed == QStringLiteral(" ") && !trimmed.isEmpty() && !trimmed.contains(QLatin1Char(' '))
        && before.endsWith(QLatin1Char(' ')))
        Complete();
}

bool TOrderAssist::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && watched == FViewport) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTextCursor at = FEditor.cursorForPosition(help->pos());
        const QString messages = MessagesAt(at.blockNumber(), at.positionInBlock());
        if (messages.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), messages, &FEditor);
        return true;
    }
    if (watched != &FEditor || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (FCompleter->popup()->isVisible()) {
        switch (key->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            event->ignore();
            return true;
        default:
            break;
        }
    }
    if (key->key() == Qt::Key_Space && key->modifiers().testFlag(Qt::ControlModifier)) {
        Complete();
        return true;
    }
    if (!key->text().isEmpty() || key->key() == Qt::Key_Backspace) {
        const QString typed = key->text();
        QTimer::singleShot(0, this, [this, typed] { AfterKey(typed); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace maprune
