// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace maprune {

// Every failure of the core is an Error carrying the message text that the
// user (German messages) or the developer (English consistency messages)
// sees. Only the GUI and the command-line tool catch it to show it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The silent end of an operation whose messages have already been shown to
// the user; whoever catches it shows nothing more. Its text is "Fehler".
class Abort : public Error {
public:
    Abort() : Error("Fehler") {}
};

} // namespace maprune
