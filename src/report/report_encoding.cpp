// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_encoding.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "core/text_encoding.h"
#include "model/item_shape.h"
#include "model/report.h"

namespace maprune {

namespace {

constexpr std::string_view kUtf8Charset = "UTF-8";

using Converter = std::string (*)(std::string_view);

bool NamesUtf8(std::string_view charset)
{
    std::string name;
    for (char c : charset) {
        if (c != '-')
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name == "UTF8";
}

template <class Entry, class Member>
void ConvertEntries(std::vector<Entry>& entries, Member member, Converter convert)
{
    for (Entry& entry : entries)
        entry.*member = convert(entry.*member);
}

void ConvertTexts(TReportItem& item, Converter convert)
{
    const bool lines = item.Class().Shape == ItemShape::Lines;
    for (const PropertyInfo& p : item.Class().Properties) {
        // A text's lines are converted one by one below: its joined form
        // would split lines that hold a line break of their own.
        if (p.Kind == PropertyKind::String && !lines) {
            p.SetString(item, convert(p.GetString(item)));
        } else if (p.Kind == PropertyKind::Object) {
            if (TReportItem* held = p.HeldObject(item))
                ConvertTexts(*held, convert);
        }
    }
    VisitShape(item,
        ShapeHandlers { [&](TLines& text) {
                           for (int i = 0; i < text.Count(); ++i)
                               text.SetLine(i, convert(text.Line(i)));
                       },
            [&](TPrices& prices) { ConvertEntries(prices.Entries, &TPrice::Item, convert); },
            [&](TItems& items) { ConvertEntries(items.Entries, &TItem::Item, convert); },
            [&](TTalents& talents) { ConvertEntries(talents.Entries, &TTalent::Talent, convert); },
            [&](TReportItemList& list) {
                for (size_t i = 0; i < list.Count(); ++i) {
                    if (TReportItem* element = list.Item(i))
                        ConvertTexts(*element, convert);
                }
            },
            [](THistoryInteger&) {}, [](TReportItem&) {} });
}

std::string ToUtf8(std::string_view text)
{
    return DisplayText(text);
}

std::string ToCp1252(std::string_view text)
{
    return Utf8ToCp1252(text);
}

} // namespace

TextEncoding ReportEncoding(const TReport& report)
{
    return NamesUtf8(report.Charset) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string ToReportText(const TReport& report, std::string_view utf8)
{
    return ReportEncoding(report) == TextEncoding::Utf8 ? std::string(utf8) : Utf8ToCp1252(utf8);
}

void ConvertReportTexts(TReport& report, TextEncoding to)
{
    ConvertTexts(report, to == TextEncoding::Utf8 ? &ToUtf8 : &ToCp1252);
    report.Charset = to == TextEncoding::Utf8 ? std::string(kUtf8Charset) : std::string();
}

} // namespace maprune
