// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/block_reading.h"

#include <array>
#include <charconv>

#include "core/text_encoding.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report.h"
#include "model/report_item_list.h"

namespace maprune {

namespace {

// The block names of the report format, in their traditional order.
constexpr std::array<std::string_view, 30> kBlockKeywords = { "PARTEI", "ZAUBER", "SPRUCH",
    "TRAENKE", "TRANK", "ALLIIERTE", "ALLIANZ", "ADRESSEN", "REGION", "MELDUNGEN", "EINKOMMEN",
    "BEWEGUNGEN", "PRODUKTION", "EREIGNISSE", "HANDEL", "KAEMPFE", "COMMANDS", "TALENTE",
    "GEGENSTAENDE", "SPRUECHE", "EINHEITSBOTSCHAFTEN", "PREISE", "REGIONSEREIGNISSE", "BURG",
    "EINHEIT", "SCHIFF", "REGIONSBOTSCHAFTEN", "UMGEBUNG", "DURCHREISE", "REGIONSKOMMENTAR" };

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

bool ReadPropertyValue(TCRInterface& cr, TReportItem& item, const CRToken& token)
{
    const PropertyInfo* p = item.Class().FindCRValue(token.Key);
    if (p == nullptr)
        return false;
    if (p->CR.Form == CRForm::Appended) {
        std::string joined = p->GetString(item);
        AppendIngredient(joined, token.Value);
        p->SetString(item, std::move(joined));
        return true;
    }
    switch (p->Kind) {
    case PropertyKind::Integer:
        p->SetInt(item, CRInt(cr, token.Value));
        break;
    case PropertyKind::String:
        p->SetString(item, token.Value);
        break;
    case PropertyKind::Object:
        // The one object a value line describes is a history.
        static_cast<THistoryInteger&>(*p->GetObject(item))
            .AddValue(item.Turn, CRInt(cr, token.Value));
        break;
    }
    return true;
}

bool ReadPropertyBlock(TCRInterface& cr, TReportItem& holder, std::string_view block, int32_t turn)
{
    const PropertyInfo* p = holder.Class().FindCRBlock(block);
    if (p == nullptr)
        return false;
    TReportItem& held = *p->GetObject(holder);
    if (held.Class().Shape == ItemShape::List) {
        auto& list = static_cast<TReportItemList&>(held);
        list.Add(CreateFromCR(list.ElementClass(), cr, holder.Owner(), turn));
    } else {
        p->SetObject(holder, CreateFromCR(*p->ObjectClass(), cr, holder.Owner(), turn));
    }
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
