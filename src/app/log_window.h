// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include <QStringList>
#include <QWidget>

#include "core/log_file.h"

class QPlainTextEdit;

namespace maprune {

// "Log-Datei": the program's log. It shows the log file of earlier runs
// and the lines of this run (warnings of the CR reader, what became of added
// files); on exit the lines of this run are appended to the log file.
class TLogWindow : public QWidget {
    Q_OBJECT
public:
    // The log file keeps at most this many of its newest lines.
    static constexpr int kMaxFileLines = static_cast<int>(kMaxLogFileLines);

    explicit TLogWindow(QWidget* parent = nullptr);

    // Shows the text of the log file `file` before the lines of this run. A
    // missing or unreadable file is ignored.
    void ReadLogFile(const std::filesystem::path& file);
    // Adds lines of this run, each preceded by the date and time.
    void AddLines(const QStringList& lines);
    const QStringList& SessionLines() const { return FSession; }
    // Appends the lines of this run to `file` (AppendToLogFile: written anew
    // as a whole, through a temporary file, keeping the newest kMaxFileLines
    // lines). Does nothing when this run added none. Throws Error on failure.
    void WriteLogFile(const std::filesystem::path& file);

    QString Text() const;

private:
    QPlainTextEdit* FMemo = nullptr;
    QStringList FSession;
};

} // namespace maprune
