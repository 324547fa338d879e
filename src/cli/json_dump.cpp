// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_dump.h"

#include <sstream>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/text_encoding.h"
#include "model/entry_lists.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/report_item_list.h"

namespace maprune {

namespace {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : FOut(out) {}

    void Item(const TReportItem& item)
    {
        if (const auto* history = dynamic_cast<const THistoryInteger*>(&item))
            History(*history);
        else if (const auto* lines = dynamic_cast<const TLines*>(&item))
            Lines(*lines);
        else if (const auto* prices = dynamic_cast<const TPrices*>(&item))
            Records(prices->Entries, [](const TPrice& p) {
                return "{\"Price\": " + std::to_string(p.Price) + ", \"Item\": " + Quoted(p.Item) + "}";
            });
        else if (const auto* items = dynamic_cast<const TItems*>(&item))
            Records(items->Entries, [](const TItem& i) {
                return "{\"Item\": " + Quoted(i.Item) + ", \"Count\": " + std::to_string(i.Count) + "}";
            });
        else if (const auto* talents = dynamic_cast<const TTalents*>(&item))
            Records(talents->Entries, [](const TTalent& t) {
                return "{\"Talent\": " + Quoted(t.Talent) + ", \"Days\": " + std::to_string(t.Days)
                       + ", \"Level\": " + std::to_string(t.Level) + "}";
            });
        else if (const auto* list = dynamic_cast<const TReportItemList*>(&item))
            List(*list);
        else
            Object(item);
    }

private:
    void Object(const TReportItem& item)
    {
        FOut << "{\n";
        ++FDepth;
        Indent();
        FOut << "\"class\": " << Quoted(item.ClassName());
        for (const PropertyInfo& p : item.Class().Properties) {
            FOut << ",\n";
            Indent();
            FOut << Quoted(p.Name) << ": ";
            switch (p.Kind) {
            case PropertyKind::Integer:
                FOut << p.GetInt(item);
                break;
            case PropertyKind::String:
                FOut << Quoted(p.GetString(item));
                break;
            case PropertyKind::Object:
                if (const TReportItem* child = p.GetObject(item))
                    Item(*child);
                else
                    FOut << "null";
                break;
            }
        }
        FOut << '\n';
        --FDepth;
        Indent();
        FOut << '}';
    }

    void List(const TReportItemList& list)
    {
        if (list.Count() == 0) {
            FOut << "[]";
            return;
        }
        FOut << "[\n";
        ++FDepth;
        for (size_t i = 0; i < list.Count(); ++i) {
            Indent();
            if (const TReportItem* element = list.Item(i))
                Item(*element);
            else
                FOut << "null";
            FOut << (i + 1 < list.Count() ? ",\n" : "\n");
        }
        --FDepth;
        Indent();
        FOut << ']';
    }

    void History(const THistoryInteger& history)
    {
        FOut << '[';
        bool first = true;
        for (const THistoryInteger::Entry& e : history.History()) {
            FOut << (first ? "[" : ", [") << e.Date << ", " << e.Value << ']';
            first = false;
        }
        FOut << ']';
    }

    void Lines(const TLines& lines)
    {
        if (lines.Count() == 0) {
            FOut << "[]";
            return;
        }
        FOut << "[\n";
        ++FDepth;
        for (int i = 0; i < lines.Count(); ++i) {
            Indent();
            FOut << Quoted(lines.Line(i)) << (i + 1 < lines.Count() ? ",\n" : "\n");
        }
        --FDepth;
        Indent();
        FOut << ']';
    }

    template <class Entry, class Format>
    void Records(const std::vector<Entry>& entries, Format format)
    {
        if (entries.empty()) {
            FOut << "[]";
            return;
        }
        FOut << "[\n";
        ++FDepth;
        for (size_t i = 0; i < entries.size(); ++i) {
            Indent();
            FOut << format(entries[i]) << (i + 1 < entries.size() ? ",\n" : "\n");
        }
        --FDepth;
        Indent();
        FOut << ']';
    }

    static std::string Quoted(std::string_view modelBytes)
    {
        return nlohmann::json(DisplayText(modelBytes))
            .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    void Indent()
    {
        for (int i = 0; i < FDepth; ++i)
            FOut << "  ";
    }

    std::ostream& FOut;
    int FDepth = 0;
};

} // namespace

void WriteJson(std::ostream& out, const TReportItem& item)
{
    JsonWriter(out).Item(item);
    out << '\n';
}

std::string ToJson(const TReportItem& item)
{
    std::ostringstream out;
    WriteJson(out, item);
    return out.str();
}

} // namespace maprune
