// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/file_chooser.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/program_files.h"
#include "app/program_session.h"
#include "app/recent_files_menu.h"
#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "config/settings_access.h"
#include "config/ui/file_associations.h"
#include "core/program_path.h"
#include "document/report_document.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_shifts.h"

// File dialogs answered from a script: each call takes the next answer
// (cancelled when none is left) and records the folder it started in.
class ScriptedFiles : public maprune::FileChooser {
public:
    std::deque<QString> toOpen;
    std::deque<QStringList> toAdd;
    std::deque<QString> saveAs;
    QStringList startFolders;

    QString ChooseReportToOpen(QWidget*, const QString& folder) override
    {
        startFolders += folder;
        return Take(toOpen);
    }
    QStringList ChooseFilesToAdd(QWidget*, const QString& folder) override
    {
        startFolders += folder;
        return toAdd.empty() ? QStringList() : Take(toAdd);
    }
    QString ChooseSaveName(QWidget*, const QString& folder) override
    {
        startFolders += folder;
        return Take(saveAs);
    }
    QString ChooseFolder(QWidget*, const QString&) override { return QString(); }

private:
    template <typename T> static T Take(std::deque<T>& answers)
    {
        if (answers.empty())
            return T();
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// File-type associations that change nothing on the desktop.
class NoAssociations : public maprune::FileAssociations {
public:
    bool IsAssociated(const QString&) override { return false; }
    void SetAssociated(const QString&, bool) override { }
};

// Everything a main window needs, kept in a temporary program folder with
// settings in memory, so that one test can start, close and start again.
struct MainWindowHarness {
    QTemporaryDir folder;
    maprune::MemorySettingsStore store;
    std::unique_ptr<maprune::TSettings> settings;
    std::unique_ptr<maprune::ScopedSettings> installed;
    maprune::test::ScriptedDialogs messages;
    ScriptedFiles files;
    maprune::test::ScriptedShifts shifts;
    maprune::ProgramFiles paths;
    // Set by a test for a window with the real map view.
    const maprune::TMapPictures* pictures = nullptr;
    std::unique_ptr<maprune::TMainWindow> window;

    MainWindowHarness()
    {
        // The game reference data lies beside the test program.
        maprune::SetProgramPath(QCoreApplication::applicationFilePath().toStdU16String());
        settings = std::make_unique<maprune::TSettings>(store);
        installed = std::make_unique<maprune::ScopedSettings>(*settings);
        paths = maprune::ProgramFiles::In(Path(), "maprune");
    }

    std::filesystem::path Path(const QString& name = QString()) const
    {
        return (name.isEmpty() ? folder.path() : folder.filePath(name)).toStdU16String();
    }
    QString File(const QString& name) const { return folder.filePath(name); }

    // Writes `bytes` to the file `name` in the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(File(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

    // Creates and shows a main window and waits for its start-up; false when
    // start-up did not finish.
    bool Start(const QStringList& arguments = {})
    {
        window = std::make_unique<maprune::TMainWindow>(
            maprune::MainWindowEnvironment { .Settings = *settings,
                .Store = store,
                .Messages = messages,
                .Files = files,
                .Paths = paths,
                .Arguments = arguments,
                .Shifts = &shifts,
                .Pictures = pictures,
                .Associations = [] { return std::make_unique<NoAssociations>(); } });
        window->show();
        return QTest::qWaitFor([this] { return window->Session().StartedUp(); });
    }

    // Closes the window as the user would; returns whether it closed.
    bool Close()
    {
        const bool closed = window->close();
        if (closed)
            window.reset();
        return closed;
    }

    // The texts of the messages shown so far, and forgets them.
    std::vector<std::string> TakeMessages()
    {
        std::vector<std::string> texts;
        for (const auto& shown : messages.shown)
            texts.push_back(shown.text);
        messages.shown.clear();
        return texts;
    }
};

// A sample report, from copies made once per test program: saving writes a
// report back to the file it came from, which must not be the sample itself.
// The texts of a list window's lines, top to bottom.
inline QStringList Lines(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines += list.item(i)->text();
    return lines;
}

inline QString SampleFile(const char* name)
{
    static QTemporaryDir copies;
    static const bool copied = [] {
        const QDir samples(QStringLiteral(SAMPLES_DIR));
        for (const QString& file : samples.entryList(QDir::Files))
            QFile::copy(samples.filePath(file), copies.filePath(file));
        return true;
    }();
    static_cast<void>(copied);
    return copies.filePath(QString::fromLatin1(name));
}
