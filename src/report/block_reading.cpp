// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/block_reading.h"

#include <array>
#include <charconv>

#include "core/text_encoding.h"
#include "model/lines.h"
#include "model/named_item.h"
#include "model/report.h"

namespace maprune {

namespace {

// The block names of the report format, in their traditional order.
constexpr std::array<std::string_view, 30> kBlockKeywords = {
    "PARTEI",     "ZAUBER",         "SPRUCH",     "TRAENKE",      "TRANK",
    "ALLIIERTE",  "ALLIANZ",        "ADRESSEN",   "REGION",       "MELDUNGEN",
    "EINKOMMEN",  "BEWEGUNGEN",     "PRODUKTION", "EREIGNISSE",   "HANDEL",
    "KAEMPFE",    "COMMANDS",       "TALENTE",    "GEGENSTAENDE", "SPRUECHE",
    "EINHEITSBOTSCHAFTEN", "PREISE", "REGIONSEREIGNISSE", "BURG", "EINHEIT",
    "SCHIFF",     "REGIONSBOTSCHAFTEN", "UMGEBUNG", "DURCHREISE", "REGIONSKOMMENTAR"};

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string MessageText(std::string_view modelBytes)
{
    return DisplayText(modelBytes);
}

int32_t CRInt(TCRInterface& cr, std::string_view text)
{
    std::string_view digits = TrimBlanks(text);
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    int32_t value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end)
        cr.Error("\"" + MessageText(text) + "\" ist keine gültige Zahl");
    return value;
}

bool ReadNamedItemValue(TCRInterface& cr, TNamedItem& item, const CRToken& token)
{
    const std::string_view key = token.Key;
    if (key == "Name")
        item.Name = token.Value;
    else if (key == "Beschr")
        item.Descr = token.Value;
    else if (key == "Partei")
        item.Party = CRInt(cr, token.Value);
    else
        return false;
    return true;
}

void AppendIngredient(std::string& ingredients, std::string_view ingredient)
{
    if (!ingredients.empty())
        ingredients += ' ';
    ingredients += ingredient;
}

bool IsBlockKeyword(std::string_view name)
{
    for (std::string_view keyword : kBlockKeywords) {
        if (keyword == name)
            return true;
    }
    return false;
}

void SkipUnknownBlock(TCRInterface& cr, TReport* owner)
{
    const std::string name = cr.CurrentLine().Block;
    CreateFromCR<TLines>(cr, owner, -1);
    cr.Warning("unknown block: " + MessageText(name));
}

} // namespace maprune
