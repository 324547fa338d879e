// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exception_exit.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

#include "core/native_file.h"
#include "core/text_encoding.h"

namespace maprune::cli {

int ExitCodeOfException(const std::exception_ptr& failure, std::ostream& out)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        out << "Nicht genug Arbeitsspeicher, um den Befehl auszuführen.\n";
        return kExitFailure;
    } catch (const std::runtime_error& e) {
        // Messages of the library (file-system, stream) may hold the bytes of
        // a file name in the system's encoding.
        out << DisplayText(e.what()) << '\n';
        return kExitFailure;
    } catch (const std::exception& e) {
        out << "Interner Fehler: " << DisplayText(e.what())
            << " - bitte melden Sie ihn mit dem Befehl, der ihn auslöste.\n";
        return kExitInternalError;
    } catch (...) {
        out << "Interner Fehler (unbekannte Ausnahme) - bitte melden Sie ihn mit dem Befehl, der "
               "ihn auslöste.\n";
        return kExitInternalError;
    }
}

int ExitCodeAfterOutput(int code, std::ostream& out)
{
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && std::cout.good() && std::ferror(stdout) == 0)
        return code;
    // A failure while the command ran is only known by the stream's error
    // flag, its reason long gone.
    const int error = errno;
    out << "Die Ausgabe konnte nicht geschrieben werden"
        << (error != 0 ? ": " + FailureReason(error) : std::string(".")) << '\n';
    return code != 0 ? code : kExitFailure;
}

} // namespace maprune::cli
