// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/lines.h"

#include "model/cr_interface.h"
#include "model/exact_append.h"
#include "model/property_builders.h"

namespace maprune {

const ClassInfo& TLines::StaticClass()
{
    static const ClassInfo info = [] {
        PropertyInfo text;
        text.Name = "Text";
        text.Kind = PropertyKind::String;
        text.GetString = [](const TReportItem& o) { return static_cast<const TLines&>(o).Text(); };
        text.SetString = [](TReportItem& o, std::string v) { static_cast<TLines&>(o).SetText(v); };
        return MakeClassInfo<TLines>("TLines", &TReportItem::StaticClass(),
            ExtendProperties(TReportItem::StaticClass().Properties, { text }), ItemShape::Lines);
    }();
    return info;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

size_t CountLines(std::string_view text)
{
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++lines;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    const char last = text.empty() ? '\n' : text.back();
    return lines + (last != '\r' && last != '\n' ? 1 : 0);
}

std::string TLines::Text() const
{
    std::string text;
    for (const std::string& line : FLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TLines::SetText(const std::string& text)
{
    FLines = SplitLines(text);
}

void TLines::ReadCR(TCRInterface& cr)
{
    AppendExactly(FLines, [&cr](std::vector<std::string>& lines) {
        for (const CRToken* token = &cr.NextLine(); token->LineType == CRLineType::Value;
             token = &cr.NextLine()) {
            if (!token->Key.empty())
                cr.Warning("kein Kommentar erwartet ab dieser Stelle");
            else
                lines.push_back(token->Value);
        }
    });
}

} // namespace maprune
