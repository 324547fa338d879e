// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace maprune {

// "Log-Datei": the program's log. It shows the log file of earlier runs
// and the lines of this run (warnings of the CR reader, what became of added
// files); on exit the lines of this run are appended to the log file.
class TLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit TLogWindow(QWidget* parent = nullptr);

    // Shows the text of the log file `file` before the lines of this run. A
    // missing or unreadable file is ignored.
    void ReadLogFile(const std::filesystem::path& file);
    // Adds lines of this run, each preceded by the date and time.
    void AddLines(const QStringList& lines);
    const QStringList& SessionLines() const { return FSession; }
    // Appends the lines of this run to `file` (AppendToLogFile: written anew
    // as a whole, through a temporary file, all lines of this run after the
    // newest of the runs before). Does nothing when this run added none.
    // Throws Error on failure.
    void WriteLogFile(const std::filesystem::path& file);

    QString Text() const;

private:
    QPlainTextEdit* FMemo = nullptr;
    QStringList FSession;
};

} // namespace maprune
