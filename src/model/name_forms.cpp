// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/name_forms.h"

#include <algorithm>

#include "core/model_text.h"

namespace maprune {

NameForms::NameForms(std::string_view forms)
{
    // Each form is decoded on its own, so that one form in Windows-1252 does
    // not turn its UTF-8 neighbours into mojibake.
    size_t start = 0;
    for (;;) {
        const size_t bar = forms.find('|', start);
        FFolded.push_back(FoldedText(forms.substr(start, bar - start)));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
}

bool NameForms::Matches(const std::u32string& foldedName) const
{
    return std::find(FFolded.begin(), FFolded.end(), foldedName) != FFolded.end();
}

bool MatchesNameForms(std::string_view forms, std::string_view name)
{
    return NameForms(forms).Matches(FoldedText(name));
}

} // namespace maprune
