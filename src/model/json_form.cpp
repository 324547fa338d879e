// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/json_form.h"

#include <sstream>
#include <string_view>
#include <vector>

#include "core/text_encoding.h"
#include "model/item_shape.h"

namespace maprune {

// The text comes from DisplayText and is valid UTF-8, so bytes from 0x20
// up pass unchanged.
std::string JsonString(std::string_view modelBytes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const std::string text = DisplayText(modelBytes);
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\b':
            quoted += "\\b";
            break;
        case '\f':
            quoted += "\\f";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                quoted += "\\u00";
                quoted += kHex[static_cast<unsigned char>(c) >> 4];
                quoted += kHex[static_cast<unsigned char>(c) & 0xF];
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

namespace {

std::string EntryText(const TPrice& p)
{
    return "{\"Price\": " + std::to_string(p.Price) + ", \"Item\": " + JsonString(p.Item) + "}";
}

std::string EntryText(const TItem& i)
{
    return "{\"Item\": " + JsonString(i.Item) + ", \"Count\": " + std::to_string(i.Count) + "}";
}

std::string EntryText(const TTalent& t)
{
    return "{\"Talent\": " + JsonString(t.Talent) + ", \"Days\": " + std::to_string(t.Days)
        + ", \"Level\": " + std::to_string(t.Level) + "}";
}

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out)
        : FOut(out)
    {
    }

    void Item(const TReportItem& item)
    {
        VisitShape(item,
            ShapeHandlers { [this](const THistoryInteger& history) { History(history); },
                [this](const TLines& lines) {
                    Array(lines.Lines().size(),
                        [&](size_t i) { FOut << JsonString(lines.Lines()[i]); });
                },
                [this]<class Entry>(const TEntryList<Entry>& table) {
                    Array(table.Entries.size(),
                        [&](size_t i) { FOut << EntryText(table.Entries[i]); });
                },
                [this](const TReportItemList& list) {
                    Array(list.Count(), [&](size_t i) { Optional(list.Item(i)); });
                },
                [this](const TReportItem& plain) { Object(plain); } });
    }

private:
    void Optional(const TReportItem* item)
    {
        if (item != nullptr)
            Item(*item);
        else
            FOut << "null";
    }

    void Object(const TReportItem& item)
    {
        FOut << "{\n";
        ++FDepth;
        Indent();
        FOut << "\"class\": " << JsonString(item.ClassName());
        for (const PropertyInfo& p : item.Class().Properties) {
            FOut << ",\n";
            Indent();
            FOut << JsonString(p.Name) << ": ";
            switch (p.Kind) {
            case PropertyKind::Integer:
                FOut << p.GetInt(item);
                break;
            case PropertyKind::String:
                FOut << JsonString(p.GetString(item));
                break;
            case PropertyKind::Object:
                Item(p.ReadObject(item));
                break;
            }
        }
        FOut << '\n';
        --FDepth;
        Indent();
        FOut << '}';
    }

    // An array of `count` elements, one per line, each written by `element`.
    template <class Element> void Array(size_t count, Element element)
    {
        if (count == 0) {
            FOut << "[]";
            return;
        }
        FOut << "[\n";
        ++FDepth;
        for (size_t i = 0; i < count; ++i) {
            Indent();
            element(i);
            FOut << (i + 1 < count ? ",\n" : "\n");
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
