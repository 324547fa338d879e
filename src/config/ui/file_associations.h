// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include <QString>

namespace maprune {

// A kind of file that can be opened with the program by double click.
struct AssociableFileType {
    QString extension; // without dot: "kdf", "cr"
    QString description; // the desktop's name of the type
    int iconIndex; // icon of the program file on Windows
    QString mimeType; // the type's MIME type on free desktops
};

// The program's database files and the game's computer reports.
const std::vector<AssociableFileType>& AssociableFileTypes();

// Whether files of a type open with the program, and changing that.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;
    // True when files with `extension` open with the program; false also
    // when this cannot be found out (no desktop tool, unknown extension).
    virtual bool IsAssociated(const QString& extension) = 0;
    // Makes files with `extension` open with the program, or stops that.
    // Throws Error with the reason, for the user, when it cannot.
    virtual void SetAssociated(const QString& extension, bool associated) = 0;
};

// The desktop's associations for the program at `programPath`: on Windows
// the user's registry under HKEY_CURRENT_USER\Software\Classes; elsewhere a
// desktop entry and MIME types in the user's data folder, queried and
// changed with the freedesktop tool xdg-mime.
std::unique_ptr<FileAssociations> CreateDesktopFileAssociations(const QString& programPath);

} // namespace maprune
