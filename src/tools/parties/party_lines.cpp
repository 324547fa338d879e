// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/parties/party_lines.h"

#include <algorithm>

#include "core/text_encoding.h"
#include "model/report.h"

namespace maprune {

namespace {

std::string WithBlanksForTildes(const std::string& modelName)
{
    std::string name = DisplayText(modelName);
    std::replace(name.begin(), name.end(), '~', ' ');
    return name;
}

} // namespace

std::string AddressText(const TParty& party)
{
    std::string text = DisplayText(party.Name) + " (" + std::to_string(party.Nr)
        + "), EMail: " + DisplayText(party.EMail);
    if (!party.Banner.empty())
        text += "; " + DisplayText(party.Banner);
    return text;
}

std::vector<CategoryLine> AddressLines(const TReport* report)
{
    if (report == nullptr)
        return {};
    std::vector<PartyText> lines;
    for (const TParty* party : *report->Parties) {
        if (party != nullptr)
            lines.push_back({ AddressText(*party), party->Nr });
    }
    return LinesByCategory(*report, std::move(lines));
}

std::vector<CategoryLine> AllyLines(const TReport* report)
{
    if (report == nullptr)
        return {};
    const TParty* own = report->FindParty(report->ActiveParty);
    if (own == nullptr)
        return {};
    std::vector<PartyText> lines;
    for (const TAlly* ally : *own->Allies) {
        if (ally == nullptr)
            continue;
        lines.push_back({ DisplayText(ally->Name) + " (" + std::to_string(ally->Party)
                + "); Status: " + std::to_string(ally->State),
            ally->Party });
    }
    return LinesByCategory(*report, std::move(lines));
}

std::vector<std::string> SpellLines(const TReport* report)
{
    std::vector<std::string> lines;
    if (report == nullptr)
        return lines;
    for (const TSpell* spell : *report->Spells) {
        if (spell == nullptr)
            continue;
        lines.push_back(WithBlanksForTildes(spell->Spell) + " (Stufe "
            + std::to_string(spell->Level) + "); " + DisplayText(spell->Descr));
    }
    return lines;
}

std::vector<std::string> PotionLines(const TReport* report)
{
    std::vector<std::string> lines;
    if (report == nullptr)
        return lines;
    for (const TPotion* potion : *report->Potions) {
        if (potion == nullptr)
            continue;
        lines.push_back(WithBlanksForTildes(potion->Potion) + " (Stufe "
            + std::to_string(potion->Level) + "), Zutaten: " + DisplayText(potion->Ingredients)
            + "; " + DisplayText(potion->Descr));
    }
    return lines;
}

bool DeleteParty(TReport& report, int32_t nr)
{
    TPartyList& parties = *report.Parties;
    for (size_t i = 0; i < parties.Count(); ++i) {
        if (parties[i] != nullptr && parties[i]->Nr == nr) {
            parties.Extract(i).reset();
            return true;
        }
    }
    return false;
}

} // namespace maprune
