// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/block_reading.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/text_encoding.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report.h"
#include "model/report_item_list.h"
#include "report/cr_format.h"
#include "report/create_from_cr.h"

namespace maprune {

namespace {

// The block names of the report format, in their traditional order.
constexpr std::array<std::string_view, 30> kBlockKeywords = { "PARTEI", "ZAUBER", "SPRUCH",
    "TRAENKE", "TRANK", "ALLIIERTE", "ALLIANZ", "ADRESSEN", "REGION", "MELDUNGEN", "EINKOMMEN",
    "BEWEGUNGEN", "PRODUKTION", "EREIGNISSE", "HANDEL", "KAEMPFE", "COMMANDS", "TALENTE",
    "GEGENSTAENDE", "SPRUECHE", "EINHEITSBOTSCHAFTEN", "PREISE", "REGIONSEREIGNISSE", "BURG",
    "EINHEIT", "SCHIFF", "REGIONSBOTSCHAFTEN", "UMGEBUNG", "DURCHREISE", "REGIONSKOMMENTAR" };

// Block names of today's reports that a reader handles somewhere; like the
// traditional ones they end an entity that does not take them.
constexpr std::array<std::string_view, 6> kTodayBlockKeywords
    = { "MESSAGE", "RESOURCE", "GRENZE", "BATTLE", "MESSAGETYPE", "DURCHSCHIFFUNG" };

// Blocks of today's reports that the model has no place for: skipped
// wherever they stand, without a warning.
constexpr std::array<std::string_view, 10> kUnusedTodayBlocks
    = { "COORDTRANS", "ALLIANCE", "TRANSLATION", "ISLAND", "OPTIONEN", "GRUPPE", "SCHEMEN",
          "EFFECTS", "KAMPFZAUBER", "KOMPONENTEN" };

// The sub-blocks that belong to a block of today's reports when it is
// skipped: they would otherwise be read as blocks of the enclosing level (a
// group's alliances as the party's).
struct NestedBlock {
    std::string_view Block;
    std::string_view Child;
};
constexpr std::array<NestedBlock, 2> kNestedBlocks
    = { { { "GRUPPE", "ALLIANZ" }, { "BATTLE", "MESSAGE" } } };

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsTodayKeyword(std::string_view name)
{
    return Contains(kBlockKeywords, name) || Contains(kTodayBlockKeywords, name)
        || Contains(kUnusedTodayBlocks, name);
}

bool BelongsTo(std::string_view block, std::string_view child)
{
    return std::any_of(kNestedBlocks.begin(), kNestedBlocks.end(),
        [&](const NestedBlock& n) { return n.Block == block && n.Child == child; });
}

// Skips the current head, its value lines and its nested blocks.
void SkipBlockBody(TCRInterface& cr)
{
    const std::string name = cr.CurrentLine().Block;
    const CRToken* token = &cr.NextLine();
    while (token->LineType == CRLineType::Value)
        token = &cr.NextLine();
    while (token->LineType == CRLineType::BlockHead && BelongsTo(name, token->Block)) {
        SkipBlockBody(cr);
        token = &cr.CurrentLine();
    }
}

// Reads the block whose head is current as text lines, throws them away and
// warns "unknown block: " with its name.
void SkipUnknownBlock(TCRInterface& cr, TReport* owner)
{
    const std::string name = cr.CurrentLine().Block;
    CreateFromCR<TLines>(cr, owner, -1);
    cr.BlockSkipped(name);
}

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
        static_cast<THistoryInteger&>(p->EditObject(item))
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
    if (p->ReadObject(holder).Class().Shape == ItemShape::List) {
        auto& list = static_cast<TReportItemList&>(p->EditObject(holder));
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
    return Contains(kBlockKeywords, name);
}

bool ReadsTodayFormat(const TReport* owner)
{
    return owner != nullptr && IsTodayFormat(owner->Version);
}

void SkipUnusedBlock(TCRInterface& cr)
{
    SkipBlockBody(cr);
}

void SkipTodayBlock(TCRInterface& cr)
{
    const CRToken& head = cr.CurrentLine();
    if (Contains(kUnusedTodayBlocks, head.Block)) {
        SkipUnusedBlock(cr);
        return;
    }
    cr.BlockSkipped(head.Block);
    SkipBlockBody(cr);
    for (const CRToken* token = &cr.CurrentLine();
         token->LineType == CRLineType::BlockHead && !IsTodayKeyword(token->Block);
         token = &cr.CurrentLine())
        SkipBlockBody(cr);
}

bool EndsEntity(TCRInterface& cr, TReport* owner)
{
    const CRToken& head = cr.CurrentLine();
    if (!ReadsTodayFormat(owner)) {
        if (IsBlockKeyword(head.Block))
            return true;
        SkipUnknownBlock(cr, owner);
        return false;
    }
    if (IsTodayKeyword(head.Block) && !Contains(kUnusedTodayBlocks, head.Block))
        return true;
    SkipTodayBlock(cr);
    return false;
}

} // namespace maprune
