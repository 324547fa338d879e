// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/temporary_files.h"

#include <algorithm>
#include <random>
#include <string>
#include <system_error>

#include "core/error.h"
#include "orders/vorlage.h"

namespace maprune {

namespace {

constexpr int kNameAttempts = 100;

std::filesystem::path TempFolder()
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec || folder.empty())
        throw Error(kNoTempFolderMessage);
    return folder;
}

} // namespace

TemporaryFiles::TemporaryFiles(const char* prefix, std::initializer_list<const char*> extensions)
{
    const std::filesystem::path folder = TempFolder();
    std::random_device random;
    for (const char* extension : extensions) {
        bool found = false;
        for (int attempt = 0; attempt < kNameAttempts && !found; ++attempt) {
            std::filesystem::path candidate
                = folder / (std::string(prefix) + std::to_string(random()) + extension);
            std::error_code ec;
            if (std::find(FPaths.begin(), FPaths.end(), candidate) == FPaths.end()
                && !std::filesystem::exists(candidate, ec) && !ec) {
                FPaths.push_back(std::move(candidate));
                found = true;
            }
        }
        if (!found)
            throw Error(kNoTempNameMessage);
    }
}

TemporaryFiles::~TemporaryFiles()
{
    for (const std::filesystem::path& path : FPaths) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

} // namespace maprune
