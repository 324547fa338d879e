// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/log_window.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/read_file.h"
#include "core/text_encoding.h"
#include "core/write_file.h"

namespace maprune {

namespace {

// A log larger than this is not shown at start; it is cut when written.
constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t { 8 } << 20;

QStringList FileLines(const std::filesystem::path& file)
{
    try {
        const QString text
            = QString::fromStdString(DisplayText(ReadFileBytes(file, kMaxReadBytes)));
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

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
    const QStringList lines = FileLines(file);
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
    if (session_.isEmpty())
        return;
    QStringList lines = FileLines(file) + session_;
    if (lines.size() > kMaxFileLines)
        lines = lines.mid(lines.size() - kMaxFileLines);
    WriteFileAtomically(
        file, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdString());
}

QString TLogWindow::Text() const
{
    return memo_->toPlainText();
}

} // namespace maprune
