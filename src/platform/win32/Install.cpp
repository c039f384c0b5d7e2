#include "platform/Install.h"

#include "platform/win32/WideText.h"

#include <string>

#include <windows.h>

namespace {

constexpr const char *UninstallKeyPath
    = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The whole list, or an entry below another one, is never a key of ours: a delete there would
// take other programs' entries with it.
bool isOneKeyName(const std::string &keyName)
{
    return !keyName.empty() && keyName.find('\\') == std::string::npos;
}

bool setString(HKEY key, const wchar_t *name, const std::string &value)
{
    const std::wstring wide = Widen(value);
    const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(wide.c_str()), bytes)
        == ERROR_SUCCESS;
}

} // namespace

// The entry lives in the registry, in no file.
std::string UninstallRegistryFileName()
{
    return {};
}

std::string UninstallRegistryKey(const std::string &keyName)
{
    return UninstallKeyPath + keyName;
}

void SetUninstallRegistry(
    const std::string &keyName, const std::string &displayName, const std::string &uninstallString)
{
    if (!isOneKeyName(keyName))
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(UninstallRegistryKey(keyName)).c_str(), 0,
            nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    if (setString(key, L"DisplayName", displayName))
        setString(key, L"UninstallString", uninstallString);
    RegCloseKey(key);
}

void DeleteUninstallerRegistry(const std::string &keyName)
{
    if (!isOneKeyName(keyName))
        return;
    // Takes the key itself with its values and subkeys; a missing key is ERROR_FILE_NOT_FOUND.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Widen(UninstallRegistryKey(keyName)).c_str());
}

std::string ReadUninstallString(const std::string &keyName)
{
    if (!isOneKeyName(keyName))
        return {};
    const std::wstring key = Widen(UninstallRegistryKey(keyName));
    // The size may grow between the two calls when someone rewrites the value.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"UninstallString", RRF_RT_REG_SZ,
                nullptr, nullptr, &bytes)
            != ERROR_SUCCESS)
            return {};
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS result = RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"UninstallString",
            RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            return {};
        // RegGetValueW counts the terminating zero that it guarantees.
        value.resize(bytes / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0')
            value.pop_back();
        return Narrow(value);
    }
    return {};
}
