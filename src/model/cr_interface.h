// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/text_encoding.h"

namespace maprune {

enum class CRLineType : uint8_t { Value = 0, BlockHead = 1, EndOfFile = 2 };

// One token of a computer report: a value line, a block head or the end.
struct CRToken {
    std::string Block; // block name of a head, else empty
    std::string Params; // parameter text of a head, else empty
    std::string Key; // key of a value line, trailing blanks removed
    std::string Value; // the value without quotes; a head's whole line
    CRLineType LineType = CRLineType::EndOfFile;
};

class TParty;

// What the readers of today's reports collect while reading and settle when
// the report is finished: the message types that sort a party's messages
// stand at the end of the file, and fights belong to the own party, which is
// known only then.
struct CRPendingMessages {
    struct PartyMessage {
        TParty* Party = nullptr; // a party of the report being read
        std::string Type; // a message type number as written
        std::string Text;
    };
    struct Battle {
        std::array<int32_t, 3> Where {};
        std::vector<std::string> Lines;
    };
    std::unordered_map<std::string, std::string> Sections; // message type -> section
    std::vector<PartyMessage> PartyMessages;
    std::vector<Battle> Battles;
};

// The token source through which model items read their CR blocks. The
// model never sees the file; the reader behind this interface owns the
// lines, the current token and the line counter.
class TCRInterface {
public:
    virtual ~TCRInterface() = default;
    // Advances to the next token and returns it.
    virtual const CRToken& NextLine() = 0;
    // Returns the current token again without advancing.
    virtual const CRToken& CurrentLine() = 0;
    // Fatal parse error: reports it and aborts reading by throwing.
    [[noreturn]] virtual void Error(const std::string& message) = 0;
    // Non-fatal parse warning; reading goes on.
    virtual void Warning(const std::string& message) = 0;
    virtual int LineNumber() const = 0;
    // A block that the reader does not know was skipped.
    virtual void BlockSkipped(const std::string& name)
    {
        Warning("unknown block: " + DisplayText(name));
    }

    // Filled and settled by the report's reader (today's reports only).
    CRPendingMessages Pending;
};

} // namespace maprune
