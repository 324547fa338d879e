// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// The name forms of a game type ("Pferd|Pferde"), kept case-folded so that a
// name can be matched against them many times without decoding them again.
// A name matches when it equals one form, ignoring case and whether it is
// written in UTF-8 or Windows-1252 (see FoldedText).
class NameForms {
public:
    explicit NameForms(std::string_view forms);
    bool Matches(const std::u32string& foldedName) const;

private:
    std::vector<std::u32string> FFolded;
};

// One-off form of the above: does `name` equal one of the '|'-separated
// `forms`?
bool MatchesNameForms(std::string_view forms, std::string_view name);

} // namespace maprune
