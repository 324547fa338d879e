// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/order_reader.h"

#include <deque>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "core/dialogs.h"
#include "core/error.h"
#include "model/report.h"

namespace maprune {

namespace {

constexpr const char* kNotTerminated = "Befehlsdatei nicht mit NAECHSTER abgeschlossen!";

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool IsComment(std::string_view trimmed)
{
    return trimmed.empty() || trimmed.front() == ';';
}

bool IsAsciiLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The umlauts of keywords in Windows-1252 upper case: Ä, Ö, Ü and ß from
// either case, or 0 for another byte.
unsigned char UpperUmlaut(unsigned char c)
{
    switch (c) {
    case 0xC4:
    case 0xE4:
        return 0xC4;
    case 0xD6:
    case 0xF6:
        return 0xD6;
    case 0xDC:
        return 0xDC;
    case 0xDF:
        return 0xDF;
    default:
        return 0;
    }
}

// The second byte of the UTF-8 form of an umlaut of keywords, as its
// Windows-1252 upper case; 0 for another byte.
unsigned char UpperUtf8Umlaut(unsigned char second)
{
    switch (second) {
    case 0x84:
    case 0xA4:
        return 0xC4;
    case 0x96:
    case 0xB6:
        return 0xD6;
    case 0x9C:
        return 0xDC;
    case 0x9F:
        return 0xDF;
    default:
        return 0;
    }
}

struct Keyword {
    std::string Upper; // Windows-1252 upper case, whatever the file's encoding
    size_t Length = 0; // bytes of the line it takes
};

// The leading run of letters (A-Z, a-z, Ä, Ö, Ü, ä, ö, ß in Windows-1252 or
// UTF-8).
Keyword KeywordOf(std::string_view line)
{
    Keyword keyword;
    size_t i = 0;
    while (i < line.size()) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (IsAsciiLetter(c)) {
            keyword.Upper += static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
            ++i;
        } else if (c == 0xC3 && i + 1 < line.size()
                   && UpperUtf8Umlaut(static_cast<unsigned char>(line[i + 1])) != 0) {
            keyword.Upper += static_cast<char>(UpperUtf8Umlaut(static_cast<unsigned char>(line[i + 1])));
            i += 2;
        } else if (UpperUmlaut(c) != 0) {
            keyword.Upper += static_cast<char>(UpperUmlaut(c));
            ++i;
        } else {
            break;
        }
    }
    keyword.Length = i;
    return keyword;
}

bool IsEnd(const Keyword& keyword)
{
    return keyword.Upper == "NAECHSTER" || keyword.Upper == "N\xC4" "CHSTER";
}

bool IsNumberCharacter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return IsAsciiLetter(u) || (u >= '0' && u <= '9');
}

// Splits the leading run of number characters off `text`.
std::string_view TakeNumber(std::string_view& text)
{
    size_t n = 0;
    while (n < text.size() && IsNumberCharacter(text[n]))
        ++n;
    const std::string_view number = text.substr(0, n);
    text.remove_prefix(n);
    return number;
}

bool StartsIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

std::string NumberText(const TReport& report, int32_t nr)
{
    return nr >= 1 ? report.FormatNr(nr) : std::to_string(nr);
}

std::string ReadError(size_t lineNumber, const std::string& what)
{
    return "Fehler beim Lesen der Befehlsdatei Zeile " + std::to_string(lineNumber) + ": " + what;
}

bool Ask(Dialogs& dialogs, const std::string& question)
{
    return dialogs.ShowMessage(MessageKind::Warning, question, ButtonYes | ButtonNo) == ButtonYes;
}

// The orders read for one unit; applied only when reading ends.
struct Section {
    TUnit* Unit;
    std::vector<std::string> Commands;
};

class OrderFileReader {
public:
    OrderFileReader(TReport& report, const std::vector<std::string>& lines, Dialogs& dialogs)
        : FReport(report), FLines(lines), FDialogs(dialogs)
    {
    }

    OrderFileResult Read()
    {
        const std::optional<size_t> first = NextOrderLine(0);
        if (!first) {
            FDialogs.ShowMessage(MessageKind::Warning, kNotTerminated, ButtonOk);
            return OrderFileResult::Unterminated;
        }
        if (!AcceptParty(*first))
            return OrderFileResult::Declined;
        const OrderFileResult result = ReadSections(*first + 1);
        Apply();
        if (result == OrderFileResult::Unterminated)
            FDialogs.ShowMessage(MessageKind::Warning, kNotTerminated, ButtonOk);
        return result;
    }

private:
    std::optional<size_t> NextOrderLine(size_t from) const
    {
        for (size_t i = from; i < FLines.size(); ++i) {
            if (!IsComment(Trim(FLines[i])))
                return i;
        }
        return std::nullopt;
    }

    bool AcceptParty(size_t index)
    {
        const std::string_view line = Trim(FLines[index]);
        const Keyword keyword = KeywordOf(line);
        if (keyword.Upper != "PARTEI")
            throw Error(ReadError(index + 1, "\"PARTEI\" erwartet"));
        std::string_view rest = Trim(line.substr(keyword.Length));
        const std::string_view number = TakeNumber(rest);
        const int32_t party = FReport.ParseNr(number);
        if (number.empty() || party == -1)
            throw Error(ReadError(index + 1, "Parteinummer erwartet"));

        if (party != FReport.ActiveParty) {
            return Ask(FDialogs, "Warnung: Befehlsdatei gehört zu Partei " + NumberText(FReport, party)
                                     + ", der offene Report gehört Partei "
                                     + NumberText(FReport, FReport.ActiveParty)
                                     + "... wollen Sie fortjahren?");
        }
        std::string_view password = Trim(rest);
        if (password.size() >= 2 && password.front() == '"' && password.back() == '"')
            password = password.substr(1, password.size() - 2);
        const TParty* known = FReport.FindParty(party);
        if (known != nullptr && known->Password != password)
            return Ask(FDialogs, "Warnung: das Passwort in der Befehlsdatei ist inkorrekt... wollen Sie fortfahren?");
        return true;
    }

    OrderFileResult ReadSections(size_t from)
    {
        Section* current = nullptr;
        bool inTemporaryBlock = false;
        for (size_t i = from; i < FLines.size(); ++i) {
            const std::string_view line = Trim(FLines[i]);
            if (IsComment(line))
                continue;
            const Keyword keyword = KeywordOf(line);
            if (keyword.Upper == "REGION") {
                current = nullptr;
            } else if (IsEnd(keyword)) {
                return OrderFileResult::Complete;
            } else if (keyword.Upper == "EINHEIT") {
                inTemporaryBlock = false;
                std::string_view rest = Trim(line.substr(keyword.Length));
                const std::string_view number = TakeNumber(rest);
                TUnit* unit = FindUnit(number);
                if (unit != nullptr) {
                    FSections.push_back(Section{unit, {}});
                    current = &FSections.back();
                } else {
                    current = nullptr;
                    if (!Ask(FDialogs, "Einheit " + std::string(number) + " (Zeile " + std::to_string(i + 1)
                                           + ") wurde nicht gefunden... wollen Sie fortfahren?"))
                        return OrderFileResult::Declined;
                }
            } else if (current != nullptr) {
                current->Commands.push_back(StoredForm(line, inTemporaryBlock));
            }
        }
        return OrderFileResult::Unterminated;
    }

    // The temporary-block rule, as the order export detects blocks.
    static std::string StoredForm(std::string_view line, bool& inTemporaryBlock)
    {
        if (!inTemporaryBlock) {
            if (StartsIgnoringCase(line, "MACHE TEMP "))
                inTemporaryBlock = true;
            return std::string(line);
        }
        if (line.size() == 4 && StartsIgnoringCase(line, "ENDE")) {
            inTemporaryBlock = false;
            return std::string(line);
        }
        return "  " + std::string(line);
    }

    TUnit* FindUnit(std::string_view number)
    {
        if (number.empty())
            return nullptr;
        const int32_t nr = FReport.ParseNr(number);
        if (nr == -1)
            return nullptr;
        if (!FUnitsIndexed) {
            FUnitsIndexed = true;
            for (const TRegion* region : *FReport.Regions) {
                if (region == nullptr)
                    continue;
                for (TUnit* unit : *region->Units) {
                    if (unit != nullptr)
                        FUnits.try_emplace(unit->Nr, unit);
                }
            }
        }
        const auto it = FUnits.find(nr);
        return it != FUnits.end() ? it->second : nullptr;
    }

    void Apply()
    {
        for (Section& section : FSections) {
            section.Unit->Commands->Clear();
            for (std::string& command : section.Commands)
                section.Unit->Commands->Add(std::move(command));
        }
    }

    TReport& FReport;
    const std::vector<std::string>& FLines;
    Dialogs& FDialogs;
    std::deque<Section> FSections;
    std::unordered_map<int32_t, TUnit*> FUnits;
    bool FUnitsIndexed = false;
};

} // namespace

OrderFileResult ReadOrderFile(TReport& report, const std::vector<std::string>& lines,
                              Dialogs& dialogs)
{
    return OrderFileReader(report, lines, dialogs).Read();
}

} // namespace maprune
