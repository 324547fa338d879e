// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace maprune {

// The path as UTF-8 text for messages. Unlike path::string() it never
// throws, also on Windows for names outside the system code page.
inline std::string PathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace maprune
