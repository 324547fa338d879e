// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/registry_file_associations.h"

#include <windows.h>

#include <shlobj.h>

#include "core/error.h"
#include "platform/windows/registry.h"

namespace maprune {

namespace {

const std::string kClasses = "Software\\Classes\\";

std::string ProgId(const RegistryFileType& type)
{
    return "Maprune." + type.Extension;
}

std::string OpenCommand(std::string_view program)
{
    return "\"" + std::string(program) + "\" \"%1\"";
}

} // namespace

bool IsRegistryAssociated(const RegistryFileType& type, std::string_view program)
{
    const std::string progId = ProgId(type);
    return RegistryDefaultText(kClasses + "." + type.Extension) == progId
        && RegistryDefaultText(kClasses + progId + "\\shell\\open\\command")
        == OpenCommand(program);
}

void SetRegistryAssociated(const RegistryFileType& type, std::string_view program, bool associated)
{
    const std::string dotted = kClasses + "." + type.Extension;
    const std::string progId = ProgId(type);
    const std::string progKey = kClasses + progId;
    bool done = true;
    if (associated) {
        done = SetRegistryDefaultText(dotted, progId)
            && SetRegistryDefaultText(progKey, type.Description)
            && SetRegistryDefaultText(progKey + "\\DefaultIcon",
                "\"" + std::string(program) + "\"," + std::to_string(type.IconIndex))
            && SetRegistryDefaultText(progKey + "\\shell\\open\\command", OpenCommand(program));
    } else {
        // The extension's key may hold other programs' entries; only our claim goes.
        if (RegistryDefaultText(dotted) == progId)
            done = DeleteRegistryDefaultValue(dotted);
        done = DeleteRegistryTree(progKey) && done;
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    if (!done)
        throw Error("Die Dateizuordnung konnte nicht in die Registry geschrieben werden.");
}

} // namespace maprune
