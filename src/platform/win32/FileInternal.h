#pragma once
// Helpers shared by the Windows parts of the File unit.

#include <windows.h>
// The program's own DialogBox (core/Dialogs.h) is meant, not the dialog-template macro.
#undef DialogBox

#include <iterator>
#include <optional>
#include <string>

// A kernel handle that closes itself; INVALID_HANDLE_VALUE and null both count as none.
class TUniqueHandle
{
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(HANDLE handle) : handle_(handle) { }
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(const TUniqueHandle &) = delete;
    TUniqueHandle &operator=(const TUniqueHandle &) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    void Reset(HANDLE handle = INVALID_HANDLE_VALUE)
    {
        if (Valid())
            CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// COM on the calling thread for a scope: the program initialises it for the GUI thread, and any
// other thread (or a test) gets it here. A thread already in the other apartment kind keeps it.
class TComScope
{
public:
    TComScope();
    ~TComScope();
    TComScope(const TComScope &) = delete;
    TComScope &operator=(const TComScope &) = delete;

private:
    bool initialised_ = false;
};

// The name to hand the system for a file path: the path as it is while it is short, else its full
// form with the \\?\ prefix (\\?\UNC\ for a network path), which lifts the limit of MAX_PATH
// characters. The shell's own calls know no such names; only file calls are given them.
std::wstring SystemName(const std::string &path);

// Opens a file or directory only to ask about it; links are followed. Invalid when missing.
HANDLE OpenForQuery(const std::wstring &path);
// The name of an open file or directory as the file system reaches it, every link resolved.
std::optional<std::wstring> FinalNameOf(HANDLE file);

// Opens the entry at `path` itself: a link as the link, where the system can. Wine opens the
// target of a Unix symbolic link whatever it is asked, and shows one to a file as a plain file.
HANDLE OpenEntryItself(const std::wstring &path, DWORD access);
// Whether an entry opened by that name is the entry of that name in its folder, not what a link
// of that name points to.
bool IsOwnEntry(HANDLE entry, const std::wstring &path);
// Clears the read-only attribute (the attributes become normal); true when it was not set.
bool ClearReadOnlyOf(HANDLE entry);

// Runs `call` (true on success, else the last error set) until it succeeds, fails otherwise, or
// about a second has passed: a virus scanner, the indexer, OneDrive or a backup tool holds a file
// open for a moment (ERROR_SHARING_VIOLATION), or it is pending deletion (ERROR_ACCESS_DENIED).
// The last error stays the call's own.
template<class Call>
bool RetryWhileHeld(Call &&call)
{
    constexpr DWORD pauses[] = {20, 50, 100, 200, 300, 330};
    for (std::size_t attempt = 0;; ++attempt) {
        if (call())
            return true;
        const DWORD code = GetLastError();
        if ((code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED)
            || attempt == std::size(pauses))
            return false;
        Sleep(pauses[attempt]);
        SetLastError(code);
    }
}
// Deletes the file, link or empty directory at `path` itself, never what a link points to. Under
// Wine a Unix symbolic link stays: deleting it by name there deletes its target.
bool RemoveEntryItself(const std::wstring &path);

// Sets the open entry (opened with DELETE access) to be deleted: at once where the system can,
// else when its last handle closes. A directory must be empty.
bool RemoveOpenEntry(HANDLE entry);
// Opens the entry `name` of the open directory `folder` itself (a link as the link, where the
// system can), relative to that handle and never by a path, so that no folder renamed or swapped
// on the way can lead elsewhere. With `directory`, only a directory opens. Invalid when it
// cannot, with the last error set.
HANDLE OpenEntryIn(
    HANDLE folder, const std::wstring &name, DWORD access, DWORD sharing, bool directory);
// Whether `entry`, opened as `name` in `folder`, is that entry itself and not what a link of that
// name points to (Wine follows Unix symbolic links whatever it is asked).
bool IsEntryOf(HANDLE entry, HANDLE folder, const std::wstring &name);

// Whether an entry with these attributes of its own (a link's own, never its target's) and this
// reparse tag names another place. Windows marks links, junctions and (under Wine) Unix symbolic
// links with FILE_ATTRIBUTE_REPARSE_POINT, but also compressed (WOF), deduplicated and cloud
// placeholder files, which are files like any other: only a name surrogate is a link. A reparse
// point whose tag is not known (0) counts as a link, as the careful reading.
inline bool IsLinkEntry(DWORD attributes, DWORD reparseTag)
{
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    return reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag);
}
// The reparse tag of the entry at `path` itself; 0 when it has none or it cannot be read.
DWORD ReparseTagOf(const std::wstring &path);
// The reparse tag of an open entry; 0 as above.
DWORD ReparseTagOf(HANDLE entry);
// IsLinkEntry for the entry at `path` with the attributes of its name.
inline bool IsLinkAttributes(DWORD attributes, const std::wstring &path)
{
    return IsLinkEntry(attributes,
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ? ReparseTagOf(path)
            : 0);
}
