#include "platform/Install.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "platform/Program.h"
#include "platform/win32/Elevation.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WideText.h"

#include <cwchar>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#include <shellapi.h>

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

bool setNumber(HKEY key, const wchar_t *name, DWORD value)
{
    return RegSetValueExW(
               key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value)
        == ERROR_SUCCESS;
}

bool isElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true; // unknown: go on as before rather than start again and again
    TOKEN_ELEVATION elevation {};
    DWORD size = 0;
    const bool known
        = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !known || elevation.TokenIsElevated != 0;
}

// Waits for the process while dispatching this thread's messages.
DWORD waitForExit(HANDLE process)
{
    while (
        MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code))
        code = 0;
    return code;
}

void scheduleDeletion(const std::wstring &path)
{
    MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

// A name in the same folder that nothing else uses: the file keeps its volume and folder, so a
// running image may take it, and the original name is free for a reinstall.
std::wstring asideName(const std::wstring &path, unsigned attempt)
{
    static LONG counter = 0;
    wchar_t suffix[64] = {};
    swprintf(suffix, std::size(suffix), L".~mzdel-%lx-%lx-%x", GetCurrentProcessId(),
        static_cast<unsigned long>(InterlockedIncrement(&counter)), attempt);
    return path + suffix;
}

// Moves a file that is still there (in use) to a name of its own, and schedules that name alone:
// a reinstall before the restart puts its new file under the old name, which must survive the
// restart. A file that cannot even be renamed is left, not scheduled by a name that a reinstall
// would reuse.
void moveAsideAndSchedule(const std::wstring &path)
{
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        const std::wstring aside = asideName(path, attempt);
        if (MoveFileExW(path.c_str(), aside.c_str(), 0)) {
            scheduleDeletion(aside);
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            return;
    }
}

// Entries first, then the folder. A folder is scheduled by its name: at the restart it goes only
// when empty, so one that a reinstall has filled again stays. A link is never entered.
void scheduleTreeDeletion(const std::wstring &folder)
{
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW entry {};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            const DWORD attributes = entry.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY)
                && !IsLinkEntry(attributes, entry.dwReserved0))
                scheduleTreeDeletion(path);
            else
                files.push_back(path); // renamed once the listing is closed
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    for (const std::wstring &path : files)
        moveAsideAndSchedule(path);
    scheduleDeletion(folder);
}

} // namespace

TElevatedRun ShellExecuteAndWait(
    const std::wstring &verb, const std::wstring &program, const std::wstring &parameters)
{
    SHELLEXECUTEINFOW request {};
    request.cbSize = sizeof request;
    // No error box of the shell's own (the caller tells what failed); the elevation prompt is no
    // error and still shows.
    request.fMask = SEE_MASK_NOASYNC | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    request.lpVerb = verb.c_str();
    request.lpFile = program.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&request)) {
        const DWORD error = GetLastError();
        return {error == ERROR_CANCELLED ? TElevation::Refused : TElevation::Failed, error};
    }
    // An executable always gives its process; without one there is nothing to wait for.
    if (!request.hProcess)
        return {TElevation::Finished, 0};
    const DWORD code = waitForExit(request.hProcess);
    CloseHandle(request.hProcess);
    return {TElevation::Finished, code};
}

TElevatedRun StartElevatedAndWait()
{
    if (!IsInstallMode() || IsElevatedStart() || isElevated())
        return {};
    return ShellExecuteAndWait(
        L"runas", Widen(GetProgramPath()), Widen(ElevatedStartParameters(GetProgramParams())));
}

void DeleteTreeAtRestart(const std::string &path)
{
    std::string folder = path;
    while (folder.size() > 3 && IsPathDelimiter(folder.back()))
        folder.pop_back();
    const std::wstring name = SystemName(folder);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !IsLinkAttributes(attributes, name))
        scheduleTreeDeletion(name);
    else
        moveAsideAndSchedule(name);
}

namespace {

// Protected (nothing inherited from the parent), inherited by everything inside: SYSTEM and
// Administrators full control, Users read and execute.
constexpr const wchar_t *InstallationAccess
    = L"D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

class TSecurityDescriptor
{
public:
    explicit TSecurityDescriptor(const wchar_t *sddl)
    {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                sddl, SDDL_REVISION_1, &descriptor_, nullptr))
            descriptor_ = nullptr;
    }
    ~TSecurityDescriptor() { LocalFree(descriptor_); }
    TSecurityDescriptor(const TSecurityDescriptor &) = delete;
    TSecurityDescriptor &operator=(const TSecurityDescriptor &) = delete;

    PSECURITY_DESCRIPTOR Get() const { return descriptor_; }
    PACL Dacl() const
    {
        BOOL present = FALSE;
        BOOL defaulted = FALSE;
        PACL dacl = nullptr;
        if (!descriptor_ || !GetSecurityDescriptorDacl(descriptor_, &present, &dacl, &defaulted))
            return nullptr;
        return present ? dacl : nullptr;
    }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

// Gives an existing folder the installation's access list and Administrators as its owner, so
// that whoever made it beforehand keeps no say over it.
DWORD protectExisting(const std::wstring &folder, const TSecurityDescriptor &descriptor)
{
    BYTE administrators[SECURITY_MAX_SID_SIZE] = {};
    DWORD size = sizeof administrators;
    if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size))
        return GetLastError();
    return SetNamedSecurityInfoW(const_cast<wchar_t *>(folder.c_str()), SE_FILE_OBJECT,
        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION
            | PROTECTED_DACL_SECURITY_INFORMATION,
        administrators, nullptr, descriptor.Dacl(), nullptr);
}

} // namespace

bool MakeInstallationDirectory(const std::string &dir)
{
    FUNCTION_NAME("MakeInstallationDirectory");
    if (!isElevated())
        return MakeCopyDestination(dir);
    const std::string refusal = TR(
        "Error", "The installation folder could not be protected from changes by other users.");
    const TSecurityDescriptor descriptor(InstallationAccess);
    if (!descriptor.Get() || !descriptor.Dacl())
        RaiseError(HERE, refusal, dir, "", GetLastError());
    std::string folder = dir;
    while (folder.size() > 3 && IsPathDelimiter(folder.back()))
        folder.pop_back();
    const std::wstring name = SystemName(folder);
    SECURITY_ATTRIBUTES attributes {};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = descriptor.Get();
    // Made with its list at once: there is no moment in which others may put a file inside.
    const bool made = CreateDirectoryW(name.c_str(), &attributes);
    if (!made && GetLastError() != ERROR_ALREADY_EXISTS)
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "", GetLastError());
    // A link or a file in its place, or a folder that cannot be written, is refused there.
    MakeCopyDestination(dir);
    if (!made)
        if (const DWORD error = protectExisting(name, descriptor); error != ERROR_SUCCESS)
            RaiseError(HERE, refusal, dir, "", error);
    return made;
}

// The entry lives in the registry, in no file.
std::string UninstallRegistryFileName()
{
    return {};
}

std::string UninstallRegistryKey(const std::string &keyName)
{
    return UninstallKeyPath + keyName;
}

void SetUninstallRegistry(const std::string &keyName, const TUninstallEntry &entry)
{
    if (!isOneKeyName(keyName))
        return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(UninstallRegistryKey(keyName)).c_str(), 0,
            nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    if (setString(key, L"DisplayName", entry.DisplayName)
        && setString(key, L"UninstallString", entry.UninstallString)) {
        const std::pair<const wchar_t *, const std::string *> texts[] = {
            {L"DisplayIcon", &entry.DisplayIcon},
            {L"DisplayVersion", &entry.DisplayVersion},
            {L"Publisher", &entry.Publisher},
            {L"InstallLocation", &entry.InstallLocation},
        };
        for (const auto &[name, value] : texts)
            if (!value->empty())
                setString(key, name, *value);
        if (entry.EstimatedSizeKiB != 0)
            setNumber(key, L"EstimatedSize", entry.EstimatedSizeKiB);
        setNumber(key, L"NoModify", 1);
        setNumber(key, L"NoRepair", 1);
    }
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
