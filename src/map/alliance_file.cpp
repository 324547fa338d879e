// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/alliance_file.h"

#include <charconv>

#include "core/byte_sink.h"
#include "core/error.h"
#include "core/read_file.h"
#include "core/text_encoding.h"
#include "core/write_file.h"

namespace maprune {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line quoted in a message is cut short: the file may hold one huge line.
std::string Quoted(std::string_view line)
{
    constexpr size_t kMaxShown = 80;
    if (line.size() <= kMaxShown)
        return "\"" + DisplayText(line) + "\"";
    size_t cut = kMaxShown;
    // Never cut a UTF-8 sequence in two.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + DisplayText(line.substr(0, cut)) + "...\"";
}

[[noreturn]] void ThrowBadEntry(std::string_view line, size_t lineNumber, const std::string& why)
{
    std::string message = "Bündnisdatei";
    if (lineNumber > 0)
        message += ", Zeile " + std::to_string(lineNumber);
    throw Error(message + ": " + Quoted(line) + " " + why);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimmedBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string OnOneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

// Hands out the lines of a text one by one without copying the text, ending
// a line at CR LF, LF or CR. A line end after the last line starts no line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text)
        : FRest(text)
    {
    }

    bool AtEnd() const { return FRest.empty(); }
    size_t LineNumber() const { return FLineNumber; }

    // The next line; must not be called AtEnd().
    std::string_view Next()
    {
        const size_t end = FRest.find_first_of("\r\n");
        const std::string_view line = FRest.substr(0, end);
        if (end == std::string_view::npos) {
            FRest = {};
        } else {
            const bool crLf
                = FRest[end] == '\r' && end + 1 < FRest.size() && FRest[end + 1] == '\n';
            FRest.remove_prefix(end + (crLf ? 2 : 1));
        }
        ++FLineNumber;
        return line;
    }

private:
    std::string_view FRest;
    size_t FLineNumber = 0;
};

} // namespace

std::string AllianceMemberEntry(const AllianceMember& member)
{
    return member.Name + " (" + std::to_string(member.Party) + ")";
}

AllianceMember ParseAllianceMemberEntry(std::string_view line, size_t lineNumber)
{
    // The last "(" is the entry's own: a party name may hold parentheses too.
    const size_t open = line.rfind('(');
    const size_t close = open == std::string_view::npos ? open : line.find(')', open);
    if (close == std::string_view::npos)
        ThrowBadEntry(line, lineNumber, "ist kein Bündnismitglied \"Name (Nummer)\"");
    const std::string_view digits = TrimmedBlanks(line.substr(open + 1, close - open - 1));

    AllianceMember member;
    const char* const last = digits.data() + digits.size();
    const auto [end, ec] = std::from_chars(digits.data(), last, member.Party);
    if (ec == std::errc::result_out_of_range)
        ThrowBadEntry(line, lineNumber, "enthält eine zu große Parteinummer");
    if (ec != std::errc() || end != last || digits.empty())
        ThrowBadEntry(line, lineNumber, "enthält keine Parteinummer in Klammern");

    std::string_view name = line.substr(0, open);
    if (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    member.Name = std::string(name);
    return member;
}

std::string FormatAllianceFile(const AllianceList& alliances)
{
    std::string bytes;
    for (size_t i = 0; i < alliances.size(); ++i) {
        const Alliance& alliance = alliances[i];
        // An empty name line would be read as the gap between two alliances.
        if (alliance.Name.empty())
            throw Error("Bündnisdatei: ein Bündnis hat keinen Namen");
        const std::string name = Utf8ToCp1252(OnOneLine(alliance.Name));
        // A file opening with these bytes loses them to the byte order mark
        // check on reading; the empty line before is skipped instead.
        if (i > 0 || name.starts_with(kByteOrderMark))
            bytes += kLineEnd;
        bytes += name;
        bytes += kLineEnd;
        for (const AllianceMember& member : alliance.Members) {
            bytes += Utf8ToCp1252(OnOneLine(AllianceMemberEntry(member)));
            bytes += kLineEnd;
        }
    }
    return bytes;
}

AllianceList ParseAllianceFile(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    AllianceList alliances;
    LineCursor lines(bytes);
    while (!lines.AtEnd()) {
        const std::string_view name = lines.Next();
        // Extra empty lines (a blank line at the end, two between alliances)
        // name no alliance; an alliance without a name cannot exist.
        if (name.empty())
            continue;
        Alliance& alliance = alliances.emplace_back();
        alliance.Name = DisplayText(name);
        while (!lines.AtEnd()) {
            const std::string_view line = lines.Next();
            if (line.empty())
                break;
            AllianceMember member = ParseAllianceMemberEntry(line, lines.LineNumber());
            member.Name = DisplayText(member.Name);
            alliance.Members.push_back(std::move(member));
        }
    }
    return alliances;
}

AllianceList ReadAllianceFile(const std::filesystem::path& path)
{
    return ParseAllianceFile(ReadFileBytes(path, kMaxAllianceFileBytes));
}

void WriteAllianceFile(ByteSink& sink, const AllianceList& alliances)
{
    sink.Write(FormatAllianceFile(alliances));
}

void WriteAllianceFile(const std::filesystem::path& path, const AllianceList& alliances)
{
    WriteFileAtomically(path, [&alliances](ByteSink& file) { WriteAllianceFile(file, alliances); });
}

} // namespace maprune
