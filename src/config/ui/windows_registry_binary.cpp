// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/windows_registry_binary.h"

#ifdef Q_OS_WIN

#include <windows.h>

namespace maprune {

std::optional<std::string> ReadRegistryBinary(const QString& subKey, const QString& name)
{
    const std::wstring key = subKey.toStdWString();
    const std::wstring value = name.toStdWString();
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr,
            nullptr, &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    std::string bytes(size, '\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr,
            bytes.data(), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool WriteRegistryBinary(const QString& subKey, const QString& name, const std::string& bytes)
{
    const std::wstring key = subKey.toStdWString();
    const std::wstring value = name.toStdWString();
    HKEY handle = nullptr;
    if (RegCreateKeyExW(
            HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExW(handle, value.c_str(), 0, REG_BINARY,
        reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace maprune

#endif
