// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/class_tails.h"

#include <vector>

#include "model/entry_lists.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report_item_list.h"
#include "storage/damaged_file.h"
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

template <class Entry>
void PutCount(const std::vector<Entry>& entries, ByteWriter& out)
{
    out.PutI32(static_cast<int32_t>(entries.size()));
}

} // namespace

bool IsEmptyForStorage(const TReportItem& item)
{
    if (const auto* lines = dynamic_cast<const TLines*>(&item))
        return lines->Count() == 0;
    if (const auto* list = dynamic_cast<const TReportItemList*>(&item))
        return !HasElements(*list);
    if (const auto* prices = dynamic_cast<const TPrices*>(&item))
        return prices->Entries.empty();
    if (const auto* items = dynamic_cast<const TItems*>(&item))
        return items->Entries.empty();
    if (const auto* talents = dynamic_cast<const TTalents*>(&item))
        return talents->Entries.empty();
    return false;
}

void WriteValueTail(const TReportItem& item, ByteWriter& out)
{
    if (const auto* history = dynamic_cast<const THistoryInteger*>(&item)) {
        PutCount(history->History(), out);
        for (const THistoryInteger::Entry& e : history->History()) {
            out.PutI32(e.Date);
            out.PutI32(e.Value);
        }
    } else if (const auto* prices = dynamic_cast<const TPrices*>(&item)) {
        PutCount(prices->Entries, out);
        for (const TPrice& e : prices->Entries) {
            out.PutI32(e.Price);
            PutLongString(out, e.Item);
        }
    } else if (const auto* items = dynamic_cast<const TItems*>(&item)) {
        PutCount(items->Entries, out);
        for (const TItem& e : items->Entries) {
            PutLongString(out, e.Item);
            out.PutI32(e.Count);
        }
    } else if (const auto* talents = dynamic_cast<const TTalents*>(&item)) {
        PutCount(talents->Entries, out);
        for (const TTalent& e : talents->Entries) {
            PutLongString(out, e.Talent);
            out.PutI32(e.Days);
            out.PutI32(e.Level);
        }
    }
}

size_t ReadTailCount(ByteReader& in, size_t minEntrySize, std::string_view className)
{
    const int32_t count = in.ReadI32();
    if (count < 0 || static_cast<size_t>(count) > in.Remaining() / minEntrySize) {
        ThrowDamagedFile(std::string(className) + " kündigt " + std::to_string(count)
                         + " Einträge an, es folgen aber nur " + std::to_string(in.Remaining())
                         + " Bytes");
    }
    return static_cast<size_t>(count);
}

void ReadValueTail(TReportItem& item, ByteReader& in)
{
    if (auto* history = dynamic_cast<THistoryInteger*>(&item)) {
        std::vector<THistoryInteger::Entry> entries(ReadTailCount(in, 8, item.ClassName()));
        for (THistoryInteger::Entry& e : entries) {
            e.Date = in.ReadI32();
            e.Value = in.ReadI32();
        }
        history->SetHistory(std::move(entries));
    } else if (auto* prices = dynamic_cast<TPrices*>(&item)) {
        prices->Entries.resize(ReadTailCount(in, 8, item.ClassName()));
        for (TPrice& e : prices->Entries) {
            e.Price = in.ReadI32();
            e.Item = ReadLongString(in);
        }
    } else if (auto* items = dynamic_cast<TItems*>(&item)) {
        items->Entries.resize(ReadTailCount(in, 8, item.ClassName()));
        for (TItem& e : items->Entries) {
            e.Item = ReadLongString(in);
            e.Count = in.ReadI32();
        }
    } else if (auto* talents = dynamic_cast<TTalents*>(&item)) {
        talents->Entries.resize(ReadTailCount(in, 12, item.ClassName()));
        for (TTalent& e : talents->Entries) {
            e.Talent = ReadLongString(in);
            e.Days = in.ReadI32();
            e.Level = in.ReadI32();
        }
    }
}

} // namespace maprune
