// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/search/wildcard.h"

#include <string>

#include "core/model_text.h"

namespace maprune {

namespace {

std::u32string CollapsedStars(std::u32string pattern)
{
    std::u32string collapsed;
    collapsed.reserve(pattern.size());
    for (char32_t c : pattern) {
        if (c != U'*' || collapsed.empty() || collapsed.back() != U'*')
            collapsed += c;
    }
    return collapsed;
}

} // namespace

bool Matches(std::string_view textBytes, std::string_view patternBytes)
{
    const std::u32string foldedText = FoldedText(textBytes);
    const std::u32string foldedPattern = FoldedText(patternBytes);
    if (foldedText == foldedPattern)
        return true;
    const std::u32string collapsed = CollapsedStars(foldedPattern);
    std::u32string_view pattern = collapsed;
    std::u32string_view text = foldedText;
    if (pattern == U"*")
        return true;
    size_t star = pattern.find(U'*');
    if (star == std::u32string_view::npos)
        return false;

    // The part before the first star is anchored at the start of the text.
    if (!text.starts_with(pattern.substr(0, star)))
        return false;
    text.remove_prefix(star);
    pattern.remove_prefix(star + 1);

    // Each part between two stars is taken at its first occurrence.
    while ((star = pattern.find(U'*')) != std::u32string_view::npos) {
        const std::u32string_view part = pattern.substr(0, star);
        const size_t found = text.find(part);
        if (found == std::u32string_view::npos)
            return false;
        text.remove_prefix(found + part.size());
        pattern.remove_prefix(star + 1);
        if (pattern.empty())
            return true;
    }
    // The part after the last star is anchored at the end.
    return text.ends_with(pattern);
}

} // namespace maprune
