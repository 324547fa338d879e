// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/temporary_files.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "core/error.h"
#include "orders/vorlage.h"

namespace maprune {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 100;

fs::path TempFolder()
{
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec || folder.empty())
        throw Error(kNoTempFolderMessage);
    return folder;
}

// A new folder in `parent` that only the owner may enter; its name starts
// with `prefix`.
fs::path NewPrivateFolder(const fs::path& parent, const std::string& prefix)
{
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path candidate = parent / (prefix + std::to_string(random()));
        std::error_code ec;
        if (!fs::create_directory(candidate, ec))
            continue;
        fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace, ec);
        if (!ec)
            return candidate;
        fs::remove(candidate, ec);
    }
    throw Error(kNoTempNameMessage);
}

} // namespace

TemporaryFiles::TemporaryFiles(const char* prefix, std::initializer_list<const char*> extensions)
    : FFolder(NewPrivateFolder(TempFolder(), prefix))
{
    const std::string stem = FFolder.filename().string();
    for (const char* extension : extensions) {
        fs::path file = FFolder / (stem + extension);
        // Created here with the owner's rights alone, so that whoever writes
        // the file later (the program, the system) keeps them.
        std::ofstream(file, std::ios::binary).close();
        std::error_code ec;
        fs::permissions(
            file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, ec);
        if (ec || !fs::is_regular_file(file, ec)) {
            fs::remove_all(FFolder, ec);
            throw Error(kNoTempNameMessage);
        }
        FPaths.push_back(std::move(file));
    }
}

TemporaryFiles::~TemporaryFiles()
{
    std::error_code ignored;
    fs::remove_all(FFolder, ignored);
}

} // namespace maprune
