// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stream_error.h"

#include <cerrno>
#include <system_error>

#include "core/path_text.h"

namespace maprune {

std::string FileFailureMessage(const char* what, const std::filesystem::path& path)
{
    std::string message = std::string(what) + " \"" + PathText(path) + "\".";
    if (errno != 0)
        message += " " + std::generic_category().message(errno);
    return message;
}

} // namespace maprune
