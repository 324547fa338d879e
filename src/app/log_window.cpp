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
    FMemo = new QPlainTextEdit(this);
    FMemo->setObjectName(QStringLiteral("Memo1"));
    FMemo->setReadOnly(true);
    // Lines name whole paths; wrapped they stay readable without scrolling.
    FMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FMemo);
    resize(640, 360);
}

void TLogWindow::ReadLogFile(const std::filesystem::path& file)
{
    QStringList lines;
    for (const std::string& line : ReadLogFileLines(file))
        lines += QString::fromStdString(line);
    if (lines.isEmpty())
        return;
    QTextCursor start(FMemo->document());
    start.movePosition(QTextCursor::Start);
    start.insertText(lines.join(QLatin1Char('\n')) + (FMemo->document()->isEmpty() ? "" : "\n"));
}

void TLogWindow::AddLines(const QStringList& lines)
{
    // Dated, so that the lines of different runs in the file can be told apart.
    const QString stamp
        = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm "));
    for (const QString& line : lines) {
        FSession += stamp + line;
        FMemo->appendPlainText(FSession.last());
    }
}

void TLogWindow::WriteLogFile(const std::filesystem::path& file)
{
    std::vector<std::string> lines;
    for (const QString& line : FSession)
        lines.push_back(line.toStdString());
    AppendToLogFile(file, lines);
}

QString TLogWindow::Text() const
{
    return FMemo->toPlainText();
}

} // namespace maprune
