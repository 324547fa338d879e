// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace maprune {

enum class NewFileAccess;

// A file created for writing through the system's own calls (implemented
// per system in platform/), for what the C++ streams cannot do: create
// exclusively, set the mode, owner and group, flush to disk. Every failure throws StreamWriteError "Die Datei "SHOWN"
// konnte nicht gespeichert werden: REASON", with the name the user knows
// (the target of a save, not its temporary file) and the reason in German.
class NativeFile {
public:
    // Creates `path`, which must not exist yet, with the user's default mode.
    NativeFile(const std::filesystem::path& path, const std::filesystem::path& shown);
    // Closes the file when Close did not (a failure then goes unreported).
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Gives the file the permissions of `model` and, where the system allows,
    // its owner and group; when `model` does not exist, those of `access`.
    void TakeAccessOf(const std::filesystem::path& model, NewFileAccess access);
    void Write(std::string_view bytes);
    // Flushes the file's data to the disk.
    void Sync();
    void Close();

private:
    [[noreturn]] void Fail(int error) const;

    std::filesystem::path FShown;
    int FHandle = -1;
};

// The German text of `error` (an errno value) for the reason of a failure.
std::string FailureReason(int error);

// StreamWriteError "Die Datei "SHOWN" konnte nicht gespeichert werden: REASON".
[[noreturn]] void ThrowSaveFailure(const std::filesystem::path& shown, int error);
[[noreturn]] void ThrowSaveFailure(const std::filesystem::path& shown, const std::string& reason);

// Puts the file `from` in the place of `to`, replacing it in one step. A
// failure throws as ThrowSaveFailure, naming `shown`, and leaves `to` as it
// was; on Windows also when another program holds `to` open.
void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
    const std::filesystem::path& shown);

// Flushes the entries of the folder `folder` (a rename in it) to the disk
// where the system can; failures are ignored, since the data is safe in the
// file already and some file systems cannot flush a folder.
void SyncFolder(const std::filesystem::path& folder);

} // namespace maprune
