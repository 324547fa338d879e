// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/log_window.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/log_file.h"

namespace maprune {

TLogWindow::TLogWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(QStringLiteral("Log-Datei"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    // Lines name whole paths; wrapped they stay readable without scrolling.
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    resize(640, 360);
}

void TLogWindow::ReadLogFile(const std::filesystem::path& file)
{
    QStringList lines;
    for (const std::string& line : ReadLogFileLines(file))
        lines += QString::fromStdString(line);
    if (lines.isEmpty())
        return;
    QTextCursor start(memo_->document());
    start.movePosition(QTextCursor::Start);
    start.insertText(lines.join(QLatin1Char('\n')) + (memo_->document()->isEmpty() ? "" : "\n"));
}

void TLogWindow::AddLines(const QStringList& lines)
{
    // Dated, so that the lines of different runs in the file can be told apart.
    const QString stamp
        = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm "));
    for (const QString& line : lines) {
        session_ += stamp + line;
        memo_->appendPlainText(session_.last());
    }
}

void TLogWindow::WriteLogFile(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    for (const QString& line : session_)
        lines.push_back(line.toStdString());
    AppendToLogFile(file, lines);
}

QString TLogWindow::Text() const
{
    return memo_->toPlainText();
}

} // namespace maprune
