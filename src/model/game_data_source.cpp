// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_data_source.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

#include "core/model_text.h"
#include "model/name_forms.h"

namespace maprune {

namespace {

constexpr int kTalentCount = 28;
constexpr int kMaterialCount = 7;
constexpr int kTerrainCount = 16;
constexpr int kPictureCount = 9;
constexpr int kItemClassMaterial = 3;
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// How a value is written and where it goes in the record.
enum class ValueType {
    Byte, // integer in one byte
    Int32, // integer in four bytes
    Flag, // yes / no, one byte
    Colour, // #RRGGBB or 0xRRGGBB, four bytes
    Ratio, // N or N/D; N at `byte`, D at `byte2`
    NoneOrInt32, // integer or "none" (-1)
    SizeOrInt32, // integer or "size" (-1)
    ItemClass, // class word or number, one byte
    TalentLevels, // "Talent N, ...": int32 at byte + 4 * talent number
    Materials, // "Material N, ...": int32 at byte + 4 * material number
    Terrains, // "Terrain, ...": 16-bit set at byte, bit n for terrain n
};

struct Field {
    std::string_view key;
    ValueType type;
    int byte;
    int64_t min = 0;
    int64_t max = kInt32Max;
    bool required = false;
    int byte2 = 0;
};

struct KindInfo {
    std::string_view section;
    GameKind kind;
    std::vector<Field> fields;
};

constexpr int kTerrainSetByte = 80;

// The keys of each section besides the texts, with the record bytes they
// fill and their ranges.
const std::vector<KindInfo>& Kinds()
{
    using T = ValueType;
    constexpr bool kRequired = true;
    // clang-format off
    static const std::vector<KindInfo> kinds = {
        {"item", KindItem, {
            {"class",            T::ItemClass,    288, 0, 255, kRequired},
            {"material",         T::Byte,         289, 0, kMaterialCount - 1},
            {"weight",           T::Ratio,         24, 0, kInt32Max, false, 20},
            {"capacity",         T::Int32,         28}}},
        {"race", KindRace, {
            {"number",           T::Byte,         168, 0, 255, kRequired},
            {"recruiting_cost",  T::Int32,         20},
            {"hit_points",       T::Int32,         24},
            {"magic_resistance", T::Int32,         28, 0, 100},
            {"natural_armour",   T::Int32,         32},
            {"person_weight",    T::Ratio,        152, 0, kInt32Max, kRequired, 156},
            {"person_capacity",  T::Ratio,        160, 0, kInt32Max, kRequired, 164},
            {"talents",          T::TalentLevels,  40, -99, 99}}},
        {"terrain", KindTerrain, {
            {"number",           T::Byte,          73, 0, kTerrainCount - 1, kRequired},
            {"picture",          T::Int32,         32, 0, kPictureCount - 1, kRequired},
            {"work_places",      T::Int32,         20},
            {"water",            T::Flag,          24},
            {"iron",             T::Flag,          40},
            {"laen",             T::Flag,          41},
            {"colour",           T::Colour,        76, 0, 0xFFFFFF, kRequired},
            {"compatible",       T::Terrains,      kTerrainSetByte}}},
        {"building", KindBuilding, {
            {"number",           T::Byte,         201, 0, 255, kRequired},
            {"cost",             T::Materials,     20, 0, 1000000},
            {"upkeep",           T::Materials,     48, 0, 1000000},
            {"talents",          T::TalentLevels,  76, 0, 99},
            {"size_limit",       T::NoneOrInt32,  188},
            {"minimum_size",     T::NoneOrInt32,  192},
            {"capacity",         T::SizeOrInt32,  196}}},
        {"ship", KindShip, {
            {"size",             T::Int32,         20, 1, kInt32Max, kRequired},
            {"capacity",         T::Int32,         24}}},
        {"talent", KindTalent, {
            {"number",           T::Byte,          24, 0, kTalentCount - 1, kRequired}}},
        {"command", KindCommand, {}},
    };
    // clang-format on
    return kinds;
}

// Item classes by word; the program itself reads only 0 and 3.
const std::map<std::string_view, int>& ItemClasses()
{
    static const std::map<std::string_view, int> classes = {
        { "weapon", 0 },
        { "armour", 1 },
        { "shield", 2 },
        { "material", 3 },
        { "luxury", 4 },
        { "animal", 5 },
        { "vehicle", 6 },
        { "money", 7 },
        { "other", 8 },
    };
    return classes;
}

struct Entry {
    std::string key;
    std::string value;
    int line;
};

struct Block {
    const KindInfo* info;
    int line;
    std::vector<Entry> entries;

    const Entry* Find(std::string_view key) const
    {
        for (const Entry& e : entries) {
            if (e.key == key)
                return &e;
        }
        return nullptr;
    }
};

std::string_view Trim(std::string_view s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitList(std::string_view s, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = s.find(separator, start);
        parts.push_back(Trim(s.substr(start, end - start)));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::optional<int64_t> ParseInteger(std::string_view s, int base = 10)
{
    if (s.starts_with('+'))
        s.remove_prefix(1);
    if (s.empty() || s.front() == '+' || (s.front() == '-' && base != 10))
        return std::nullopt;
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

class SourceParser {
public:
    SourceParser(std::string_view text, const std::string& file)
        : FText(text)
        , FFile(file)
    {
    }

    std::vector<GameRecord> Parse()
    {
        ReadBlocks();
        FRecords.reserve(FBlocks.size());
        for (const Block& block : FBlocks)
            FRecords.push_back(BuildRecord(block));
        CheckNumbersUnique();
        for (size_t i = 0; i < FBlocks.size(); ++i)
            ApplyReferences(FBlocks[i], FRecords[i]);
        CheckNamesUnique();
        return std::move(FRecords);
    }

private:
    [[noreturn]] void Fail(int line, const std::string& problem) const
    {
        throw GameDataSourceError(FFile, line, problem);
    }

    // Pass 1: lines into blocks of key = value entries.
    void ReadBlocks()
    {
        std::string_view rest = FText;
        if (rest.substr(0, 3) == "\xEF\xBB\xBF")
            rest.remove_prefix(3);
        int line = 0;
        while (!rest.empty()) {
            ++line;
            const size_t newline = rest.find('\n');
            std::string_view raw = rest.substr(0, newline);
            rest
                = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
            if (!raw.empty() && raw.back() == '\r')
                raw.remove_suffix(1);
            if (!IsValidUtf8(raw))
                Fail(line, "the text is not UTF-8");
            ReadLine(raw, line);
        }
    }

    void ReadLine(std::string_view raw, int line)
    {
        const std::string_view content = Trim(raw);
        if (content.empty() || content.front() == '#')
            return;
        if (raw.front() == ' ' || raw.front() == '\t') {
            if (FBlocks.empty() || FBlocks.back().entries.empty())
                Fail(line, "indented line continues no value");
            std::string& value = FBlocks.back().entries.back().value;
            value += value.empty() ? "" : " ";
            value += content;
            return;
        }
        if (content.front() == '[') {
            if (content.back() != ']')
                Fail(line, "section header without ']'");
            const std::string_view section = Trim(content.substr(1, content.size() - 2));
            const auto& kinds = Kinds();
            const auto info = std::find_if(kinds.begin(), kinds.end(),
                [&](const KindInfo& k) { return k.section == section; });
            if (info == kinds.end())
                Fail(line, "unknown section [" + std::string(section) + "]");
            FBlocks.push_back(Block { &*info, line, {} });
            return;
        }
        const size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            Fail(line, "expected 'key = value'");
        if (FBlocks.empty())
            Fail(line, "value before the first section");
        Block& block = FBlocks.back();
        const std::string key(Trim(content.substr(0, equals)));
        if (!IsKnownKey(*block.info, key))
            Fail(line, "unknown key '" + key + "' in [" + std::string(block.info->section) + "]");
        if (const Entry* earlier = block.Find(key))
            Fail(line,
                "'" + key + "' given twice (first on line " + std::to_string(earlier->line) + ")");
        block.entries.push_back(Entry { key, std::string(Trim(content.substr(equals + 1))), line });
    }

    static bool IsKnownKey(const KindInfo& info, std::string_view key)
    {
        static constexpr std::string_view kTexts[]
            = { "singular", "plural", "names", "description" };
        static constexpr std::string_view kCommandTexts[] = { "word", "syntax", "description" };
        if (info.kind == KindCommand)
            return std::find(std::begin(kCommandTexts), std::end(kCommandTexts), key)
                != std::end(kCommandTexts);
        return std::find(std::begin(kTexts), std::end(kTexts), key) != std::end(kTexts)
            || std::any_of(info.fields.begin(), info.fields.end(),
                [&](const Field& f) { return f.key == key; });
    }

    const Entry& Require(const Block& block, std::string_view key) const
    {
        const Entry* entry = block.Find(key);
        if (entry == nullptr || entry->value.empty())
            Fail(block.line,
                "[" + std::string(block.info->section) + "] without '" + std::string(key) + "'");
        return *entry;
    }

    std::string Text(const Entry& entry) const
    {
        if (entry.value.size() > std::numeric_limits<uint16_t>::max())
            Fail(entry.line, "text longer than 65535 bytes");
        return entry.value;
    }

    // Pass 2: texts and the plain fields of one record.
    GameRecord BuildRecord(const Block& block) const
    {
        GameRecord record;
        record.SetByte(16, block.info->kind);
        if (const Entry* description = block.Find("description"))
            record.Description = Text(*description);
        if (block.info->kind == KindCommand) {
            record.Singular = Text(Require(block, "syntax"));
            const Entry& word = Require(block, "word");
            record.Names = Text(word);
            CheckNames(record.Names, word.line);
            return record;
        }
        record.Singular = Text(Require(block, "singular"));
        const Entry* plural = block.Find("plural");
        record.Plural = plural ? Text(*plural) : record.Singular;
        if (const Entry* names = block.Find("names")) {
            record.Names = Text(*names);
            CheckNames(record.Names, names->line);
        } else {
            record.Names = DefaultNames(record);
            CheckNames(record.Names, block.line);
        }
        for (const Field& field : block.info->fields) {
            const Entry* entry = block.Find(field.key);
            if (entry == nullptr) {
                if (field.required)
                    Require(block, field.key);
                continue;
            }
            SetPlainField(record, field, *entry);
        }
        if (block.info->kind == KindTerrain)
            SetTerrainSet(record, 1u << record.TerrainNumber()); // compatible with itself
        if (block.info->kind == KindItem) {
            const bool isMaterial = record.ItemClass() == kItemClassMaterial;
            if (isMaterial && block.Find("material") == nullptr)
                Fail(block.line, "a material item needs 'material'");
            if (!isMaterial && block.Find("material") != nullptr)
                Fail(block.Find("material")->line, "'material' needs 'class = material'");
        }
        return record;
    }

    // The singular and every form of the plural, each once.
    static std::string DefaultNames(const GameRecord& record)
    {
        std::string names = record.Singular;
        for (std::string_view form : SplitList(record.Plural, '|')) {
            if (!MatchesNameForms(names, form))
                names += "|" + std::string(form);
        }
        return names;
    }

    void CheckNames(const std::string& names, int line) const
    {
        for (std::string_view form : SplitList(names, '|')) {
            if (form.empty())
                Fail(line, "empty name in '" + names + "'");
            if (form.find('~') != std::string_view::npos)
                Fail(line, "'~' in a name never matches (look-ups read it as a blank)");
        }
    }

    int64_t Integer(const Entry& entry, std::string_view text, int64_t min, int64_t max) const
    {
        const std::optional<int64_t> value = ParseInteger(text);
        if (!value)
            Fail(entry.line, "'" + std::string(text) + "' is not a whole number");
        if (*value < min || *value > max)
            Fail(entry.line,
                std::to_string(*value) + " is outside " + std::to_string(min) + " .. "
                    + std::to_string(max));
        return *value;
    }

    void SetPlainField(GameRecord& record, const Field& field, const Entry& entry) const
    {
        const std::string& v = entry.value;
        switch (field.type) {
        case ValueType::Byte:
            record.SetByte(
                field.byte, static_cast<uint8_t>(Integer(entry, v, field.min, field.max)));
            break;
        case ValueType::Int32:
            record.SetInt32(
                field.byte, static_cast<int32_t>(Integer(entry, v, field.min, field.max)));
            break;
        case ValueType::Flag:
            if (v != "yes" && v != "no")
                Fail(entry.line, "expected 'yes' or 'no', not '" + v + "'");
            record.SetByte(field.byte, v == "yes" ? 1 : 0);
            break;
        case ValueType::Colour: {
            std::string_view digits = v;
            if (digits.starts_with('#'))
                digits.remove_prefix(1);
            else if (digits.starts_with("0x") || digits.starts_with("0X"))
                digits.remove_prefix(2);
            const std::optional<int64_t> colour = ParseInteger(digits, 16);
            if (digits.size() != 6 || !colour)
                Fail(entry.line, "expected a colour #RRGGBB, not '" + v + "'");
            record.SetInt32(field.byte, static_cast<int32_t>(*colour));
            break;
        }
        case ValueType::Ratio: {
            const size_t slash = v.find('/');
            const std::string_view numerator = Trim(std::string_view(v).substr(0, slash));
            const int64_t denominator = slash == std::string::npos
                ? 1
                : Integer(entry, Trim(std::string_view(v).substr(slash + 1)), 1, kInt32Max);
            record.SetInt32(
                field.byte, static_cast<int32_t>(Integer(entry, numerator, field.min, field.max)));
            record.SetInt32(field.byte2, static_cast<int32_t>(denominator));
            break;
        }
        case ValueType::NoneOrInt32:
        case ValueType::SizeOrInt32: {
            const std::string_view word = field.type == ValueType::NoneOrInt32 ? "none" : "size";
            record.SetInt32(
                field.byte, v == word ? -1 : static_cast<int32_t>(Integer(entry, v, 0, kInt32Max)));
            break;
        }
        case ValueType::ItemClass: {
            const auto known = ItemClasses().find(v);
            record.SetByte(field.byte,
                known != ItemClasses().end() ? static_cast<uint8_t>(known->second)
                                             : static_cast<uint8_t>(Integer(entry, v, 0, 255)));
            break;
        }
        case ValueType::TalentLevels:
        case ValueType::Materials:
        case ValueType::Terrains:
            break; // names of other records: ApplyReferences
        }
    }

    void CheckNumbersUnique() const
    {
        // Look-ups by number return the first match, so a second record with
        // the same number could never be found.
        std::map<std::pair<std::string, int>, int> seen;
        for (size_t i = 0; i < FBlocks.size(); ++i) {
            const std::optional<int> number = TypeNumber(FRecords[i]);
            if (!number)
                continue;
            const std::string what = FRecords[i].Kind() == KindItem
                ? "material"
                : std::string(FBlocks[i].info->section);
            const auto [it, inserted]
                = seen.emplace(std::make_pair(what, *number), FBlocks[i].line);
            if (!inserted)
                Fail(FBlocks[i].line,
                    what + " number " + std::to_string(*number) + " already used on line "
                        + std::to_string(it->second));
        }
    }

    static std::optional<int> TypeNumber(const GameRecord& r)
    {
        switch (r.Kind()) {
        case KindItem:
            return r.ItemClass() == kItemClassMaterial ? std::optional<int>(r.MaterialNumber())
                                                       : std::nullopt;
        case KindRace:
            return r.RaceNumber();
        case KindTerrain:
            return r.TerrainNumber();
        case KindBuilding:
            return r.BuildingNumber();
        case KindTalent:
            return r.TalentNumber();
        default:
            return std::nullopt;
        }
    }

    // The type number of the record of kind `kind` (materials: item class 3)
    // that `name` names.
    std::optional<int> Resolve(GameKind kind, std::string_view name) const
    {
        const std::u32string folded = FoldedText(name);
        for (const GameRecord& r : FRecords) {
            const bool wanted
                = r.Kind() == kind && (kind != KindItem || r.ItemClass() == kItemClassMaterial);
            if (wanted && NameForms(r.Names).Matches(folded))
                return TypeNumber(r);
        }
        return std::nullopt;
    }

    // Pass 3: the fields that name other records.
    void ApplyReferences(const Block& block, GameRecord& record) const
    {
        for (const Field& field : block.info->fields) {
            const Entry* entry = block.Find(field.key);
            if (entry == nullptr)
                continue;
            switch (field.type) {
            case ValueType::TalentLevels:
                ApplyAmounts(record, field, *entry, KindTalent, "talent");
                break;
            case ValueType::Materials:
                ApplyAmounts(record, field, *entry, KindItem, "material");
                break;
            case ValueType::Terrains:
                ApplyTerrains(record, *entry);
                break;
            default:
                break;
            }
        }
    }

    void ApplyAmounts(GameRecord& record, const Field& field, const Entry& entry, GameKind kind,
        const std::string& what) const
    {
        std::vector<int> done;
        for (std::string_view item : SplitList(entry.value, ',')) {
            const size_t blank = item.find_last_of(" \t");
            if (blank == std::string_view::npos)
                Fail(entry.line,
                    "expected '<" + what + "> <number>', not '" + std::string(item) + "'");
            const std::string_view name = Trim(item.substr(0, blank));
            const int64_t amount = Integer(entry, item.substr(blank + 1), field.min, field.max);
            const std::optional<int> number = Resolve(kind, name);
            if (!number)
                Fail(entry.line, "unknown " + what + " '" + std::string(name) + "'");
            if (std::find(done.begin(), done.end(), *number) != done.end())
                Fail(entry.line, what + " '" + std::string(name) + "' given twice");
            done.push_back(*number);
            record.SetInt32(field.byte + 4 * *number, static_cast<int32_t>(amount));
        }
    }

    void ApplyTerrains(GameRecord& record, const Entry& entry) const
    {
        unsigned set = record.TerrainSet();
        for (std::string_view name : SplitList(entry.value, ',')) {
            const std::optional<int> number = Resolve(KindTerrain, name);
            if (!number)
                Fail(entry.line, "unknown terrain '" + std::string(name) + "'");
            set |= 1u << *number;
        }
        SetTerrainSet(record, set);
    }

    static void SetTerrainSet(GameRecord& record, unsigned set)
    {
        record.SetByte(kTerrainSetByte, static_cast<uint8_t>(set));
        record.SetByte(kTerrainSetByte + 1, static_cast<uint8_t>(set >> 8));
    }

    void CheckNamesUnique() const
    {
        // A name under two records is found as the first of them, and after
        // it is cached a look-up of the other kind fails; so each name names
        // one record only.
        std::map<std::u32string, int> seen;
        for (size_t i = 0; i < FRecords.size(); ++i) {
            for (std::string_view form : SplitList(FRecords[i].Names, '|')) {
                const auto [it, inserted] = seen.emplace(FoldedText(form), FBlocks[i].line);
                if (!inserted && it->second != FBlocks[i].line)
                    Fail(FBlocks[i].line,
                        "name '" + std::string(form) + "' already names the record on line "
                            + std::to_string(it->second));
            }
        }
    }

    std::string_view FText;
    const std::string& FFile;
    std::vector<Block> FBlocks;
    std::vector<GameRecord> FRecords;
};

} // namespace

GameDataSourceError::GameDataSourceError(
    const std::string& file, int line, const std::string& problem)
    : Error(file + ":" + std::to_string(line) + ": " + problem)
    , FLine(line)
{
}

std::vector<GameRecord> ParseGameDataSource(std::string_view text, const std::string& file)
{
    return SourceParser(text, file).Parse();
}

} // namespace maprune
