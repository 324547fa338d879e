// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "map/alliance_list.h"

namespace maprune {

class ByteSink;

// The alliance file: the program's alliances as text, beside the program as
// "<program>.bnd" and as the editor's export. For each alliance in order its
// name on one line, then one line "Name (Nr)" per member (Nr in decimal); an
// empty line separates one alliance from the next, none follows the last.
// Lines end with CR LF.

// Files larger than this are refused unread: real alliance files hold a few
// kilobytes, and a reader of outside input must not take unbounded memory
// (an alliance takes some 60 bytes of it, from 3 bytes of file).
inline constexpr std::uintmax_t kMaxAllianceFileBytes = 1u * 1024 * 1024;

// The member line of `member`: its name, " (", its party number, ")".
std::string AllianceMemberEntry(const AllianceMember& member);

// Reads a member line back. The number is taken from the last "(" of the
// line up to the following ")"; the name is the text before that "(" less
// the one blank the entry puts there. Throws Error naming the line
// `lineNumber` (counted from 1) when the parentheses are missing or do not
// hold a decimal number that fits a party number.
AllianceMember ParseAllianceMemberEntry(std::string_view line, size_t lineNumber = 0);

// The file's bytes for `alliances`, in Windows-1252 like every text file of
// the program (characters it lacks become '?'). Line breaks inside names are
// written as blanks, since they would end the line. Throws Error for an alliance
// without a name, which could not be read back as one.
std::string FormatAllianceFile(const AllianceList& alliances);

// The alliances in `bytes`. Takes CR LF, LF and CR alike as line ends and
// ignores a leading UTF-8 byte order mark; a line end after the last line
// and empty lines where a name is due add no alliance. Each line becomes
// UTF-8 display text (lines that are not UTF-8 are read as Windows-1252).
// Throws Error (with the line number) for a member line that cannot be read;
// nothing is returned in that case.
AllianceList ParseAllianceFile(std::string_view bytes);

// Reads the file at `path`. Throws Error when it cannot be read, is larger
// than kMaxAllianceFileBytes or cannot be parsed.
AllianceList ReadAllianceFile(const std::filesystem::path& path);

// Writes the file's bytes for `alliances` into `sink`. Throws the Error of
// FormatAllianceFile before the sink gets a byte, and what the sink throws.
void WriteAllianceFile(ByteSink& sink, const AllianceList& alliances);

// Writes `alliances` to `path` through WriteFileAtomically, so that a failed
// write leaves the former file as it was. Throws Error on failure.
void WriteAllianceFile(const std::filesystem::path& path, const AllianceList& alliances);

} // namespace maprune
