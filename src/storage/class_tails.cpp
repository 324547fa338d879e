// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/class_tails.h"

#include <array>
#include <span>
#include <vector>

#include "core/count_text.h"
#include "model/item_shape.h"
#include "storage/damaged_file.h"
#include "storage/load_budget.h"
#include "storage/record_coding.h"

namespace maprune {

namespace {

bool HasElements(const TReportItemList& list)
{
    for (size_t i = 0; i < list.Count(); ++i) {
        if (list.Item(i) != nullptr)
            return true;
    }
    return false;
}

template <class Entries> void PutCount(const Entries& entries, ByteWriter& out)
{
    out.PutI32(static_cast<int32_t>(entries.size()));
}

// THistoryInteger keeps its entries newest first with one entry per turn of
// at least 1, as AddValue builds them: CurrentValue reads the first entry and
// AddValue finds its place and a date already present by that order. Entries
// read against that order would give wrong current values and duplicates
// that merging never removes.
void CheckHistoryOrder(std::span<const THistoryInteger::Entry> entries)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        const int32_t date = entries[i].Date;
        if (date < 1) {
            ThrowDamagedFile("ein THistoryInteger enthält die Runde " + std::to_string(date)
                + " (Runden beginnen bei 1)");
        }
        if (i > 0 && date == entries[i - 1].Date)
            ThrowDamagedFile(
                "ein THistoryInteger enthält die Runde " + std::to_string(date) + " zweimal");
        if (i > 0 && date > entries[i - 1].Date) {
            ThrowDamagedFile("die Runden eines THistoryInteger sind nicht absteigend geordnet "
                             "(Runde "
                + std::to_string(date) + " nach Runde " + std::to_string(entries[i - 1].Date)
                + ")");
        }
    }
}

} // namespace

bool IsEmptyForStorage(const TReportItem& item)
{
    return VisitShape(item,
        ShapeHandlers { [](const TLines& lines) { return lines.Count() == 0; },
            [](const TReportItemList& list) { return !HasElements(list); },
            []<class Entry>(const TEntryList<Entry>& table) { return table.Entries.empty(); },
            [](const TReportItem&) { return false; } });
}

bool IsPristine(const TReportItem& item)
{
    if (item.Tag() != 0 || item.Turn != -1)
        return false;
    return VisitShape(item,
        ShapeHandlers { [](const TReportItemList& list) { return list.Count() == 0; },
            [](const THistoryInteger& history) { return history.HistoryCount() == 0; },
            [](const TLines& lines) { return lines.Count() == 0; },
            []<class Entry>(const TEntryList<Entry>& table) { return table.Entries.empty(); },
            [](const TReportItem&) { return false; } });
}

void WriteValueTail(const TReportItem& item, StorageShape shape, ByteWriter& out)
{
    switch (shape) {
    case StorageShape::History: {
        const auto& history = static_cast<const THistoryInteger&>(item).History();
        PutCount(history, out);
        for (const THistoryInteger::Entry& e : history) {
            out.PutI32(e.Date);
            out.PutI32(e.Value);
        }
        break;
    }
    case StorageShape::Prices:
        PutCount(static_cast<const TPrices&>(item).Entries, out);
        for (const TPrice& e : static_cast<const TPrices&>(item).Entries) {
            out.PutI32(e.Price);
            PutLongString(out, e.Item);
        }
        break;
    case StorageShape::Items:
        PutCount(static_cast<const TItems&>(item).Entries, out);
        for (const TItem& e : static_cast<const TItems&>(item).Entries) {
            PutLongString(out, e.Item);
            out.PutI32(e.Count);
        }
        break;
    case StorageShape::Talents:
        PutCount(static_cast<const TTalents&>(item).Entries, out);
        for (const TTalent& e : static_cast<const TTalents&>(item).Entries) {
            PutLongString(out, e.Talent);
            out.PutI32(e.Days);
            out.PutI32(e.Level);
        }
        break;
    default:
        break;
    }
}

size_t ReadTailCount(ByteReader& in, size_t minEntrySize, std::string_view className)
{
    const int32_t count = in.ReadI32();
    if (count < 0 || static_cast<size_t>(count) > in.Remaining() / minEntrySize) {
        ThrowDamagedFile(std::string(className) + " kündigt "
            + CountText(count, "Eintrag", "Einträge") + " an, es folgen aber nur "
            + CountText(static_cast<int64_t>(in.Remaining()), "Byte", "Bytes"));
    }
    return static_cast<size_t>(count);
}

namespace {

// The entry count of a tail, with the entries' memory charged to `budget`.
template <class Entry>
size_t ChargedTailCount(ByteReader& in, size_t minEntrySize, std::string_view className,
    LoadBudget& budget)
{
    const size_t count = ReadTailCount(in, minEntrySize, className);
    budget.Charge(count, sizeof(Entry));
    return count;
}

std::string ChargedLongString(ByteReader& in, LoadBudget& budget)
{
    std::string text = ReadLongString(in);
    budget.Charge(text.size());
    return text;
}

} // namespace

void ReadValueTail(TReportItem& item, StorageShape shape, ByteReader& in, LoadBudget& budget)
{
    switch (shape) {
    case StorageShape::History: {
        const size_t count
            = ChargedTailCount<THistoryInteger::Entry>(in, 8, item.ClassName(), budget);
        // Most histories hold a few entries: those are read on the stack.
        std::array<THistoryInteger::Entry, 16> few;
        std::vector<THistoryInteger::Entry> many;
        if (count > few.size())
            many.resize(count);
        const std::span<THistoryInteger::Entry> entries
            = count > few.size() ? std::span(many) : std::span(few.data(), count);
        for (THistoryInteger::Entry& e : entries) {
            e.Date = in.ReadI32();
            e.Value = in.ReadI32();
        }
        CheckHistoryOrder(entries);
        static_cast<THistoryInteger&>(item).SetHistory(entries);
        break;
    }
    case StorageShape::Prices: {
        auto& entries = static_cast<TPrices&>(item).Entries;
        entries.resize(ChargedTailCount<TPrice>(in, 8, item.ClassName(), budget));
        for (TPrice& e : entries) {
            e.Price = in.ReadI32();
            e.Item = ChargedLongString(in, budget);
        }
        break;
    }
    case StorageShape::Items: {
        auto& entries = static_cast<TItems&>(item).Entries;
        entries.resize(ChargedTailCount<TItem>(in, 8, item.ClassName(), budget));
        for (TItem& e : entries) {
            e.Item = ChargedLongString(in, budget);
            e.Count = in.ReadI32();
        }
        break;
    }
    case StorageShape::Talents: {
        auto& entries = static_cast<TTalents&>(item).Entries;
        entries.resize(ChargedTailCount<TTalent>(in, 12, item.ClassName(), budget));
        for (TTalent& e : entries) {
            e.Talent = ChargedLongString(in, budget);
            e.Days = in.ReadI32();
            e.Level = in.ReadI32();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace maprune
