#include "platform/File.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WideText.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <winnetwk.h>
#include <winternl.h>

#include <cstdlib>
#include <io.h>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// ---- Paths --------------------------------------------------------------------------------------

bool hasForbiddenNameCharacter(const std::string &path)
{
    return path.find_first_of("<>|\"*?") != std::string::npos;
}

// The text a Windows call writes into a buffer: such calls give the length written, or the size
// they need when the buffer is too small, or 0 on failure. Empty on failure.
template<class Call>
std::wstring grownText(Call call)
{
    std::wstring text(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0)
            return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length);
    }
    return {};
}

bool isDelimiter(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// "\\?\C:\a" is "C:\a" and "\\?\UNC\server\share" is "\\server\share".
std::wstring withoutLongPrefix(const std::wstring &path)
{
    if (path.starts_with(L"\\\\?\\UNC\\"))
        return L"\\" + path.substr(7);
    if (path.starts_with(L"\\\\?\\"))
        return path.substr(4);
    return path;
}

// The final name of an existing file or directory, every link on its way resolved.
std::optional<std::wstring> finalName(const std::wstring &path)
{
    const TUniqueHandle file(OpenForQuery(path));
    return file.Valid() ? FinalNameOf(file.Get()) : std::nullopt;
}

// "C:\", "\\server\share" and the like: what no name can be cut off.
bool isRoot(const std::wstring &path)
{
    if (path.size() >= 2 && path[1] == L':')
        return path.size() == 2 || (path.size() == 3 && isDelimiter(path[2]));
    if (path.starts_with(L"\\\\")) {
        const std::size_t server = path.find_first_of(L"\\/", 2);
        const std::size_t share
            = server == std::wstring::npos ? server : path.find_first_of(L"\\/", server + 1);
        return share == std::wstring::npos || share + 1 == path.size();
    }
    return path.find_first_of(L"\\/") == std::wstring::npos;
}

std::wstring joined(const std::wstring &head, const std::wstring &tail)
{
    if (!head.empty() && isDelimiter(head.back()) && !tail.empty() && isDelimiter(tail.front()))
        return head + tail.substr(1);
    return head + tail;
}

using TFileIdentity = std::tuple<DWORD, DWORD, DWORD>;

std::optional<TFileIdentity> fileIdentity(const std::string &path)
{
    const TUniqueHandle file(OpenForQuery(SystemName(path)));
    BY_HANDLE_FILE_INFORMATION information {};
    if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &information))
        return std::nullopt;
    return TFileIdentity(
        information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow);
}

bool sameNameIgnoringCase(const std::string &a, const std::string &b)
{
    const std::wstring wideA = Widen(a);
    const std::wstring wideB = Widen(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
               static_cast<int>(wideB.size()), TRUE)
        == CSTR_EQUAL;
}

// The network name of a path on a mapped drive. The network library is loaded only for such
// paths, so that the program does not depend on it otherwise.
std::optional<std::wstring> universalName(const std::wstring &full)
{
    if (full.size() < 3 || full[1] != L':'
        || GetDriveTypeW(full.substr(0, 3).c_str()) != DRIVE_REMOTE)
        return std::nullopt;
    using TGetUniversalName = DWORD(WINAPI *)(LPCWSTR, DWORD, LPVOID, LPDWORD);
    static const auto getUniversalName = [] {
        const HMODULE library = LoadLibraryExW(L"mpr.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return library ? reinterpret_cast<TGetUniversalName>(
                   reinterpret_cast<void (*)()>(GetProcAddress(library, "WNetGetUniversalNameW")))
                       : nullptr;
    }();
    if (!getUniversalName)
        return std::nullopt;
    DWORD size = 1024;
    std::vector<char> buffer(size);
    DWORD result = getUniversalName(full.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
        buffer.resize(size);
        result = getUniversalName(full.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    }
    if (result != NO_ERROR)
        return std::nullopt;
    return std::wstring(
        reinterpret_cast<const UNIVERSAL_NAME_INFOW *>(buffer.data())->lpUniversalName);
}

// ---- Files --------------------------------------------------------------------------------------

// The C library hands a bad descriptor to its invalid-parameter handler, which by default ends
// the program; for the scope of one query it only makes the call fail.
class TQuietInvalidParameters
{
public:
    TQuietInvalidParameters() : old_(_set_invalid_parameter_handler(ignore)) { }
    ~TQuietInvalidParameters() { _set_invalid_parameter_handler(old_); }
    TQuietInvalidParameters(const TQuietInvalidParameters &) = delete;
    TQuietInvalidParameters &operator=(const TQuietInvalidParameters &) = delete;

private:
    static void ignore(const wchar_t *, const wchar_t *, const wchar_t *, unsigned, uintptr_t) { }
    _invalid_parameter_handler old_;
};

} // namespace

std::wstring SystemName(const std::string &path)
{
    // CreateDirectoryW stops 12 characters short of MAX_PATH (room for an 8.3 name).
    constexpr std::size_t LongestPlainName = MAX_PATH - 12 - 1;
    const std::wstring wide = Widen(path);
    if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\"))
        return wide;
    const std::wstring full = grownText([&](wchar_t *buffer, DWORD size) {
        return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
    });
    if (full.size() <= LongestPlainName && wide.size() <= LongestPlainName)
        return wide;
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':')
        return L"\\\\?\\" + full;
    return wide;
}

TComScope::TComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{ }

TComScope::~TComScope()
{
    if (initialised_)
        CoUninitialize();
}

HANDLE OpenForQuery(const std::wstring &path)
{
    return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<std::wstring> FinalNameOf(HANDLE file)
{
    const std::wstring name = grownText([&](wchar_t *buffer, DWORD size) {
        return GetFinalPathNameByHandleW(file, buffer, size, FILE_NAME_NORMALIZED);
    });
    if (name.empty())
        return std::nullopt;
    return withoutLongPrefix(name);
}

bool IsOwnEntry(HANDLE entry, const std::wstring &path)
{
    const std::wstring full = grownText([&](wchar_t *buffer, DWORD size) {
        return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
    const std::size_t cut = full.find_last_of(L"\\/");
    if (cut == std::wstring::npos || cut + 1 == full.size())
        return true; // a root is nobody's entry
    const std::optional<std::wstring> folder = finalName(full.substr(0, cut + 1));
    const std::optional<std::wstring> own = FinalNameOf(entry);
    // Without final names (some network file systems) the attributes have to tell.
    if (!folder || !own)
        return true;
    const std::wstring expected = joined(*folder, full.substr(cut));
    return CompareStringOrdinal(own->c_str(), static_cast<int>(own->size()), expected.c_str(),
               static_cast<int>(expected.size()), TRUE)
        == CSTR_EQUAL;
}

HANDLE OpenEntryItself(const std::wstring &path, DWORD access)
{
    return CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

DWORD ReparseTagOf(HANDLE entry)
{
    FILE_ATTRIBUTE_TAG_INFO information {};
    if (!GetFileInformationByHandleEx(entry, FileAttributeTagInfo, &information, sizeof information)
        || !(information.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return 0;
    return information.ReparseTag;
}

DWORD ReparseTagOf(const std::wstring &path)
{
    const TUniqueHandle entry(OpenEntryItself(path, 0));
    return entry.Valid() ? ReparseTagOf(entry.Get()) : 0;
}

bool ClearReadOnlyOf(HANDLE entry)
{
    FILE_BASIC_INFO information {};
    if (!GetFileInformationByHandleEx(entry, FileBasicInfo, &information, sizeof information))
        return false;
    if (!(information.FileAttributes & FILE_ATTRIBUTE_READONLY))
        return true;
    // Zero times stay as they are; the attributes become normal, as the shell's own clearing does.
    information = FILE_BASIC_INFO {};
    information.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(entry, FileBasicInfo, &information, sizeof information);
}

bool RemoveOpenEntry(HANDLE entry)
{
    // The name goes at once, even while others still hold the file open, so that it never
    // lingers as pending deletion and keeps its folder from being removed; read-only or not.
    FILE_DISPOSITION_INFO_EX posix {};
    posix.Flags = FILE_DISPOSITION_FLAG_DELETE | FILE_DISPOSITION_FLAG_POSIX_SEMANTICS
        | FILE_DISPOSITION_FLAG_IGNORE_READONLY_ATTRIBUTE;
    // FileDispositionInfoEx, which the headers declare only for Windows 10 1809 and later.
    constexpr auto dispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
    if (SetFileInformationByHandle(entry, dispositionInfoEx, &posix, sizeof posix))
        return true;
    // Systems before Windows 10 1809, and file systems other than NTFS, know only the classic one.
    ClearReadOnlyOf(entry);
    FILE_DISPOSITION_INFO disposition {};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(entry, FileDispositionInfo, &disposition, sizeof disposition);
}

bool RemoveEntryItself(const std::wstring &path)
{
    TUniqueHandle entry;
    RetryWhileHeld([&] {
        entry.Reset(OpenEntryItself(path, DELETE | FILE_WRITE_ATTRIBUTES));
        return entry.Valid();
    });
    if (!entry.Valid() || !IsOwnEntry(entry.Get(), path))
        return false;
    return RemoveOpenEntry(entry.Get());
}

HANDLE OpenEntryIn(
    HANDLE folder, const std::wstring &name, DWORD access, DWORD sharing, bool directory)
{
    using TNtCreateFile = NTSTATUS(NTAPI *)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES,
        PIO_STATUS_BLOCK, PLARGE_INTEGER, ULONG, ULONG, ULONG, ULONG, PVOID, ULONG);
    using TStatusToError = ULONG(NTAPI *)(NTSTATUS);
    static const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    static const auto ntCreateFile = reinterpret_cast<TNtCreateFile>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "NtCreateFile")));
    static const auto statusToError = reinterpret_cast<TStatusToError>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlNtStatusToDosError")));
    // A name, never a path: nothing but the entry of this folder can be reached.
    if (!ntCreateFile || !statusToError || name.empty()
        || name.find_first_of(L"\\/:") != std::wstring::npos || name == L"." || name == L"..") {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_HANDLE_VALUE;
    }
    UNICODE_STRING objectName {};
    objectName.Buffer = const_cast<wchar_t *>(name.c_str());
    objectName.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    objectName.MaximumLength = objectName.Length;
    OBJECT_ATTRIBUTES attributes {};
    attributes.Length = sizeof attributes;
    attributes.RootDirectory = folder;
    attributes.ObjectName = &objectName;
    attributes.Attributes = OBJ_CASE_INSENSITIVE;
    IO_STATUS_BLOCK status {};
    HANDLE entry = INVALID_HANDLE_VALUE;
    constexpr ULONG SynchronousIo = 0x20; // FILE_SYNCHRONOUS_IO_NONALERT
    constexpr ULONG BackupIntent = 0x4000; // FILE_OPEN_FOR_BACKUP_INTENT
    const ULONG options = FILE_OPEN_REPARSE_POINT | SynchronousIo | BackupIntent
        | (directory ? FILE_DIRECTORY_FILE : 0);
    const NTSTATUS result = ntCreateFile(&entry, access | SYNCHRONIZE | FILE_READ_ATTRIBUTES,
        &attributes, &status, nullptr, 0, sharing, FILE_OPEN, options, nullptr, 0);
    if (result < 0) {
        SetLastError(statusToError(result));
        return INVALID_HANDLE_VALUE;
    }
    return entry;
}

bool IsEntryOf(HANDLE entry, HANDLE folder, const std::wstring &name)
{
    const std::optional<std::wstring> own = FinalNameOf(entry);
    const std::optional<std::wstring> parent = FinalNameOf(folder);
    // Without final names (some network file systems) the attributes have to tell.
    if (!own || !parent)
        return true;
    const std::wstring expected = joined(*parent, L"\\" + name);
    return CompareStringOrdinal(own->c_str(), static_cast<int>(own->size()), expected.c_str(),
               static_cast<int>(expected.size()), TRUE)
        == CSTR_EQUAL;
}

// ---- Paths --------------------------------------------------------------------------------------

std::string GetLongFileName(const std::string &path)
{
    if (path.find('~') == std::string::npos)
        return path;
    const std::wstring wide = Widen(path);
    const std::wstring longName = grownText(
        [&](wchar_t *buffer, DWORD size) { return GetLongPathNameW(wide.c_str(), buffer, size); });
    return longName.empty() ? path : Narrow(longName);
}

std::string GetFullFileName(const std::string &path)
{
    // A bare drive stays itself rather than becoming that drive's current directory.
    if (path.empty() || IsDriveOnly(path))
        return path;
    const std::wstring wide = Widen(path);
    const std::wstring full = grownText([&](wchar_t *buffer, DWORD size) {
        return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
    });
    return full.empty() ? path : GetLongFileName(Narrow(full));
}

std::string GetFullUncFileName(const std::string &path)
{
    const std::string full = GetFullFileName(path);
    const std::optional<std::wstring> network = universalName(Widen(full));
    return network ? Narrow(*network) : full;
}

std::string GetResolvedFileName(const std::string &path)
{
    const std::wstring full = Widen(GetFullFileName(path));
    std::wstring existing = full;
    const bool trailingDelimiter = !full.empty() && isDelimiter(full.back());
    if (trailingDelimiter && !isRoot(full))
        existing.pop_back();
    // Cut names off the end until what is left exists; the cut part follows as written.
    while (true) {
        if (const std::optional<std::wstring> resolved = finalName(existing)) {
            std::wstring result = joined(*resolved, full.substr(existing.size()));
            if (trailingDelimiter && !isDelimiter(result.back()))
                result += L'\\';
            return Narrow(result);
        }
        if (isRoot(existing))
            return Narrow(full);
        existing.resize(existing.find_last_of(L"\\/"));
        if (existing.size() == 2 && existing[1] == L':')
            existing += L'\\';
    }
}

bool IsSameFile(const std::string &a, const std::string &b)
{
    if (hasForbiddenNameCharacter(a) || hasForbiddenNameCharacter(b))
        return false;
    if (!a.empty() && !b.empty()) {
        const std::optional<TFileIdentity> identityA = fileIdentity(a);
        const std::optional<TFileIdentity> identityB = fileIdentity(b);
        if (identityA && identityB)
            return *identityA == *identityB;
    }
    return sameNameIgnoringCase(GetFullUncFileName(a), GetFullUncFileName(b));
}

// ---- Special folders ----------------------------------------------------------------------------

std::string GetSystemDirectoryPath(int32_t folderId)
{
    FUNCTION_NAME("GetSystemDirectoryPath");
    std::string result;
    ErrorGuardSwallow(HERE, [&] {
        wchar_t folder[MAX_PATH] = {};
        const HRESULT status = SHGetFolderPathW(
            nullptr, folderId | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
        if (status == E_INVALIDARG)
            RaiseError(HERE, TR("Error", "Unknown system folder."), std::to_string(folderId));
        if (status != S_OK || folder[0] == L'\0')
            RaiseError(HERE, TR("Error", "Failed to create directory."), std::to_string(folderId),
                {}, static_cast<uint32_t>(status));
        result = AddTrailingBackslash(Narrow(folder));
    });
    return result;
}

// ---- Files --------------------------------------------------------------------------------------

bool PathExists(const std::string &path)
{
    if (path.empty())
        return false;
    const std::wstring wide = SystemName(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    // A link exists when what it points to does.
    return !IsLinkAttributes(attributes, wide) || TUniqueHandle(OpenForQuery(wide)).Valid();
}

bool ClearReadOnlyAttr(const std::string &path)
{
    const std::wstring wide = SystemName(path);
    const TUniqueHandle entry(OpenEntryItself(wide, FILE_WRITE_ATTRIBUTES));
    BY_HANDLE_FILE_INFORMATION information {};
    if (!entry.Valid() || !GetFileInformationByHandle(entry.Get(), &information))
        return false;
    if (IsLinkEntry(information.dwFileAttributes, ReparseTagOf(entry.Get()))
        || !IsOwnEntry(entry.Get(), wide))
        return true;
    return ClearReadOnlyOf(entry.Get());
}

uint64_t GetFileSize(int fileDescriptor)
{
    FUNCTION_NAME("GetFileSize");
    uint64_t size = 0;
    StatusGuard(HERE, [&](TFunStatContext &local) {
        HANDLE file = INVALID_HANDLE_VALUE;
        if (fileDescriptor >= 0) {
            const TQuietInvalidParameters quiet;
            file = reinterpret_cast<HANDLE>(_get_osfhandle(fileDescriptor));
        }
        LARGE_INTEGER fileSize {};
        if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &fileSize)) {
            local.SetRaise(HERE, fsWarning, TR("Error", "Failed to get file size."));
            return;
        }
        size = static_cast<uint64_t>(fileSize.QuadPart);
    });
    return size;
}

// ---- Shell --------------------------------------------------------------------------------------

void RunFile(const std::string &fileName, const std::string &parameters,
    const std::string &directory, bool minimised, bool quoteParameters)
{
    FUNCTION_NAME("RunFile");
    if (fileName.empty()) {
        FunStatContext.BeginFunction(HERE);
        return;
    }
    StatusGuard(HERE, [&](TFunStatContext &local) {
        const TComScope com;
        const std::wstring file = Widen(fileName);
        const std::wstring arguments
            = Widen(quoteParameters && !parameters.empty() ? "\"" + parameters + "\"" : parameters);
        const std::wstring folder = Widen(directory);
        SHELLEXECUTEINFOW request {};
        request.cbSize = sizeof request;
        // No error boxes of the shell's own: the failure is reported here.
        request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_CONNECTNETDRV | SEE_MASK_NOASYNC;
        request.hwnd = GetActiveWindow();
        request.lpFile = file.c_str();
        request.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
        request.lpDirectory = folder.empty() ? nullptr : folder.c_str();
        request.nShow = minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL;
        if (!ShellExecuteExW(&request)) {
            const uint32_t code = GetLastError();
            SetLastSystemError(code);
            local.SetRaise(HERE, fsError, TR("Error", "Failed to run file."), fileName, {}, code);
        }
    });
}
