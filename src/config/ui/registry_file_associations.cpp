// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/file_associations.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <string>

#include <QDir>

#include <shlobj.h>
#include <windows.h>

#include "core/error.h"

namespace maprune {

namespace {

const std::wstring kClasses = L"Software\\Classes\\";

const AssociableFileType* FindType(const QString& extension)
{
    for (const AssociableFileType& type : AssociableFileTypes()) {
        if (type.extension == extension)
            return &type;
    }
    return nullptr;
}

// The default value of HKEY_CURRENT_USER\Software\Classes\<subKey>, empty when missing.
std::wstring DefaultValue(const std::wstring& subKey)
{
    const std::wstring key = kClasses + subKey;
    DWORD size = 0;
    if (RegGetValueW(
            HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size)
        != ERROR_SUCCESS)
        return {};
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(
            HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text.data(), &size)
        != ERROR_SUCCESS)
        return {};
    text.resize(wcslen(text.c_str()));
    return text;
}

bool SetDefaultValue(const std::wstring& subKey, const std::wstring& text)
{
    const std::wstring key = kClasses + subKey;
    return RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, REG_SZ, text.c_str(),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)))
        == ERROR_SUCCESS;
}

class RegistryFileAssociations final : public FileAssociations {
public:
    explicit RegistryFileAssociations(const QString& programPath)
        : FProgram(QDir::toNativeSeparators(programPath).toStdWString())
    {
    }

    bool IsAssociated(const QString& extension) override
    {
        const AssociableFileType* type = FindType(extension);
        return type && DefaultValue(L"." + extension.toStdWString()) == ProgId(*type)
            && DefaultValue(ProgId(*type) + L"\\shell\\open\\command") == Command();
    }

    void SetAssociated(const QString& extension, bool associated) override
    {
        const AssociableFileType* type = FindType(extension);
        if (!type)
            throw Error("Unbekannter Dateityp: " + extension.toStdString());
        const std::wstring dotted = L"." + extension.toStdWString();
        const std::wstring progId = ProgId(*type);
        bool done = true;
        if (associated) {
            done = SetDefaultValue(dotted, progId)
                && SetDefaultValue(progId, type->description.toStdWString())
                && SetDefaultValue(progId + L"\\DefaultIcon",
                    L"\"" + FProgram + L"\"," + std::to_wstring(type->iconIndex))
                && SetDefaultValue(progId + L"\\shell\\open\\command", Command());
        } else {
            // The extension's key may hold other programs' entries; only our claim goes.
            if (DefaultValue(dotted) == progId) {
                const std::wstring key = kClasses + dotted;
                done = RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr) == ERROR_SUCCESS;
            }
            const std::wstring key = kClasses + progId;
            const LONG result = RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
            done = done && (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND);
        }
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
        if (!done)
            throw Error("Die Dateizuordnung konnte nicht in die Registry geschrieben werden.");
    }

private:
    static std::wstring ProgId(const AssociableFileType& type)
    {
        return L"Maprune." + type.extension.toStdWString();
    }

    std::wstring Command() const { return L"\"" + FProgram + L"\" \"%1\""; }

    std::wstring FProgram;
};

} // namespace

std::unique_ptr<FileAssociations> CreateDesktopFileAssociations(const QString& programPath)
{
    return std::make_unique<RegistryFileAssociations>(programPath);
}

} // namespace maprune

#endif
