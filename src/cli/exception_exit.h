// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <iosfwd>

namespace maprune::cli {

// Exit codes of maprune-cli besides 0 and CLI11's own for wrong arguments.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitInternalError = 3;

// Writes the message that `failure` deserves to `out` and returns the exit
// code: kExitFailure for what outside input or the system causes (Error,
// every std::runtime_error such as a file-system or stream failure, a lack
// of memory), kExitInternalError with a request to report it for anything
// else, which only a fault of the program throws.
int ExitCodeOfException(const std::exception_ptr& failure, std::ostream& out);

// The exit code of a command that ended with `code`, after its standard
// output has been flushed: output that did not arrive (a full disk, a closed
// pipe) makes the command fail, whatever it returned, with a message to `out`.
int ExitCodeAfterOutput(int code, std::ostream& out);

} // namespace maprune::cli
