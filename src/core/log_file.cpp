// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log_file.h"

#include <cstdint>
#include <exception>

#include "core/byte_sink.h"
#include "core/read_file.h"
#include "core/text_encoding.h"
#include "core/write_file.h"

namespace maprune {

namespace {

constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t { 8 } << 20;

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // The line end of the last line opens no further line.
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

} // namespace

std::vector<std::string> ReadLogFileLines(const std::filesystem::path& path)
{
    try {
        return SplitLines(DisplayText(ReadFileBytes(path, kMaxReadBytes)));
    } catch (const std::exception&) {
        return {};
    }
}

void WriteLogFile(ByteSink& sink, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    sink.Write(bytes);
}

void AppendToLogFile(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::vector<std::string> all = ReadLogFileLines(path);
    // Older runs lose their oldest lines first; a line is kept whole or not at all.
    size_t kept = 0;
    auto first = all.end();
    while (first != all.begin() && kept + (first - 1)->size() + 2 <= kMaxOlderLogBytes) {
        --first;
        kept += first->size() + 2;
    }
    all.erase(all.begin(), first);
    all.insert(all.end(), lines.begin(), lines.end());
    WriteFileAtomically(path, [&all](ByteSink& sink) { WriteLogFile(sink, all); });
}

} // namespace maprune
