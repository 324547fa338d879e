// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/native_file.h"

#include <cerrno>
#include <cstring>

#include "core/path_text.h"
#include "core/stream_error.h"

namespace maprune {

std::string FailureReason(int error)
{
    switch (error) {
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr frei.";
#ifdef EDQUOT
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft.";
#endif
    case EACCES:
    case EPERM:
        return "Keine Berechtigung zum Schreiben in diesen Ordner oder diese Datei.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOENT:
    case ENOTDIR:
        return "Der Ordner existiert nicht.";
    case EISDIR:
        return "Unter diesem Namen gibt es einen Ordner.";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen.";
    default:
        return std::strerror(error);
    }
}

void ThrowSaveFailure(const std::filesystem::path& shown, int error)
{
    ThrowSaveFailure(shown, FailureReason(error));
}

void ThrowSaveFailure(const std::filesystem::path& shown, const std::string& reason)
{
    throw StreamWriteError(
        "Die Datei \"" + PathText(shown) + "\" konnte nicht gespeichert werden: " + reason);
}

} // namespace maprune
