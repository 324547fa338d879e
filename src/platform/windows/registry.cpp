// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/registry.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace maprune {

namespace {

// Value `name` (null: the default value) of `subKey` of type `flags`, as
// raw bytes; nullopt when missing or of another type.
std::optional<std::string> ReadValue(std::string_view subKey, const wchar_t* name, DWORD flags)
{
    const std::wstring key = WideOfUtf8(subKey);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, flags, nullptr, nullptr, &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    std::string bytes(size, '\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, flags, nullptr, bytes.data(), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool WriteValue(std::string_view subKey, const wchar_t* name, DWORD type, const void* data,
    size_t size)
{
    const std::wstring key = WideOfUtf8(subKey);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(
            HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExW(
        handle, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace

std::optional<std::string> ReadRegistryBinary(std::string_view subKey, std::string_view name)
{
    return ReadValue(subKey, WideOfUtf8(name).c_str(), RRF_RT_REG_BINARY);
}

bool WriteRegistryBinary(std::string_view subKey, std::string_view name, std::string_view bytes)
{
    return WriteValue(subKey, WideOfUtf8(name).c_str(), REG_BINARY, bytes.data(), bytes.size());
}

std::string RegistryDefaultText(std::string_view subKey)
{
    const std::optional<std::string> bytes = ReadValue(subKey, nullptr, RRF_RT_REG_SZ);
    if (!bytes || bytes->size() < sizeof(wchar_t))
        return {};
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    bytes->copy(reinterpret_cast<char*>(text.data()), text.size() * sizeof(wchar_t));
    return Utf8OfWide(text.c_str());
}

bool SetRegistryDefaultText(std::string_view subKey, std::string_view text)
{
    const std::wstring wide = WideOfUtf8(text);
    return WriteValue(
        subKey, nullptr, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

bool DeleteRegistryDefaultValue(std::string_view subKey)
{
    const std::wstring key = WideOfUtf8(subKey);
    return RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr) == ERROR_SUCCESS;
}

bool DeleteRegistryTree(std::string_view subKey)
{
    const std::wstring key = WideOfUtf8(subKey);
    const LONG result = RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace maprune
