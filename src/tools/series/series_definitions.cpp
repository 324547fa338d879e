// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/series/series_definitions.h"

#include <algorithm>

namespace maprune {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string WithoutSeparators(std::string_view text)
{
    std::string clean(text);
    std::replace_if(
        clean.begin(), clean.end(),
        [](char c) { return c == kSeriesSeparator || c == kSeriesFieldSeparator; }, ' ');
    return clean;
}

} // namespace

double ScaleFactor(std::string_view code)
{
    constexpr double kFactors[] = { 0.0001, 0.001, 0.01, 0.1, 1, 10, 100, 1000, 10000 };
    if (code.size() == 1 && code[0] >= '1' && code[0] <= '9')
        return kFactors[code[0] - '1'];
    return -1;
}

std::vector<SeriesDefinition> ParseSeries(std::string_view series)
{
    std::vector<SeriesDefinition> definitions;
    if (series.empty())
        return definitions;
    for (std::string_view text : Split(series, kSeriesSeparator)) {
        const std::vector<std::string_view> fields = Split(text, kSeriesFieldSeparator);
        SeriesDefinition definition;
        definition.Expression = std::string(fields[0]);
        if (fields.size() > 1)
            definition.Title = std::string(fields[1]);
        if (fields.size() > 2)
            definition.ScaleCode = std::string(fields[2]);
        definitions.push_back(std::move(definition));
    }
    return definitions;
}

std::string WriteSeries(const std::vector<SeriesDefinition>& definitions)
{
    std::string series;
    for (size_t i = 0; i < definitions.size(); ++i) {
        if (i > 0)
            series += kSeriesSeparator;
        series += definitions[i].Expression + kSeriesFieldSeparator + definitions[i].Title
            + kSeriesFieldSeparator + definitions[i].ScaleCode;
    }
    return series;
}

std::string AppendSeries(std::string_view series, std::string_view expression,
    std::string_view title)
{
    std::string text(series);
    if (!text.empty())
        text += kSeriesSeparator;
    return text + WithoutSeparators(expression) + kSeriesFieldSeparator + WithoutSeparators(title)
        + kSeriesFieldSeparator;
}

} // namespace maprune
