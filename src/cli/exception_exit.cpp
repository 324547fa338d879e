// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exception_exit.h"

#include <new>
#include <ostream>
#include <stdexcept>

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

} // namespace maprune::cli
