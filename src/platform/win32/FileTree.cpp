// Directory trees and renaming. A link, junction or other reparse point is never entered: inside
// a tree it is removed as itself, and a tree named by one is not walked. A directory being walked
// is held open without delete sharing, so that nothing can rename it away and put a link in its
// place while its entries are handled by name.

#include "platform/File.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WideText.h"

#include <optional>
#include <string>

namespace {

enum class TEntryKind { Directory, Link, File };

TEntryKind kindOfEntry(DWORD attributes, DWORD reparseTag)
{
    if (IsLinkEntry(attributes, reparseTag))
        return TEntryKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? TEntryKind::Directory : TEntryKind::File;
}

// The kind of the entry that `path` names, by the attributes of its name.
TEntryKind kindAt(const std::wstring &path, DWORD attributes)
{
    return IsLinkAttributes(attributes, path)
        ? TEntryKind::Link
        : kindOfEntry(attributes & ~FILE_ATTRIBUTE_REPARSE_POINT, 0);
}

// The kind of a listed entry: its reparse tag comes with the listing.
TEntryKind kindOfListed(const WIN32_FIND_DATAW &entry)
{
    return kindOfEntry(entry.dwFileAttributes, entry.dwReserved0);
}

bool isDotEntry(const std::wstring &name)
{
    return name == L"." || name == L"..";
}

// The named directory of a tree operation without trailing delimiters and "." components: the
// system resolves a link named "link\" or "link\." to its target before its attributes are read.
// Drive roots stay as they are.
std::string treeRootName(std::string path)
{
    const auto delimiter = [](char c) { return c == '\\' || c == '/'; };
    while (path.size() > 1) {
        const bool driveRoot = path.size() == 3 && path[1] == ':';
        if (delimiter(path.back()) && !driveRoot)
            path.pop_back();
        else if (path.size() > 2 && path.back() == '.' && delimiter(path[path.size() - 2]))
            path.pop_back();
        else
            break;
    }
    return path;
}

// Deletes a file or link itself; a link that the system cannot remove as itself stays.
void removeEntry(const std::string &path)
{
    RemoveEntryItself(SystemName(path));
}

// An open directory that is not a link, held so that its name keeps naming it: without delete
// sharing, neither it nor a folder above it can be renamed or replaced by a link while it is
// held. It asks for no DELETE access itself, which listing it by name would then have to share.
class TPinnedDirectory
{
public:
    static constexpr DWORD Sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;

    // The directory that `path` names. The link itself is opened where the system can; Wine
    // opens the target, so the name's own attributes and the handle's final name are asked too.
    explicit TPinnedDirectory(const std::wstring &path)
    {
        const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;
        RetryWhileHeld([&] {
            handle_.Reset(
                CreateFileW(path.c_str(), Access, Sharing, nullptr, OPEN_EXISTING, flags, nullptr));
            return handle_.Valid();
        });
        if (!handle_.Valid()) {
            error_ = GetLastError();
            return;
        }
        const DWORD nameAttributes = GetFileAttributesW(path.c_str());
        if (!isDirectory() || kindAt(path, nameAttributes) != TEntryKind::Directory
            || !IsOwnEntry(handle_.Get(), path))
            fail();
    }
    // The directory `name` in the pinned `folder`, opened relative to it.
    TPinnedDirectory(HANDLE folder, const std::wstring &name)
    {
        RetryWhileHeld([&] {
            handle_.Reset(OpenEntryIn(folder, name, Access, Sharing, true));
            return handle_.Valid();
        });
        if (!handle_.Valid()) {
            error_ = GetLastError();
            return;
        }
        if (!isDirectory() || !IsEntryOf(handle_.Get(), folder, name))
            fail();
    }

    bool Valid() const { return handle_.Valid(); }
    HANDLE Get() const { return handle_.Get(); }
    // ERROR_DIRECTORY when what is there is no directory of its own (a link, a file).
    DWORD Error() const { return error_; }
    void Close() { handle_.Reset(); }

private:
    static constexpr DWORD Access = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

    bool isDirectory() const
    {
        BY_HANDLE_FILE_INFORMATION information {};
        return GetFileInformationByHandle(handle_.Get(), &information)
            && kindOfEntry(information.dwFileAttributes, ReparseTagOf(handle_.Get()))
            == TEntryKind::Directory;
    }
    void fail()
    {
        handle_.Reset();
        error_ = ERROR_DIRECTORY;
    }

    TUniqueHandle handle_;
    DWORD error_ = 0;
};

// A directory listing; the first entry is read when it opens.
class TListing
{
public:
    explicit TListing(const std::wstring &directory)
    {
        handle_ = FindFirstFileExW((directory + L"\\*").c_str(), FindExInfoBasic, &data_,
            FindExSearchNameMatch, nullptr, 0);
        if (handle_ == INVALID_HANDLE_VALUE)
            finish(GetLastError());
    }
    ~TListing() { Close(); }
    TListing(const TListing &) = delete;
    TListing &operator=(const TListing &) = delete;

    bool AtEntry() const { return handle_ != INVALID_HANDLE_VALUE && !ended_; }
    const WIN32_FIND_DATAW &Entry() const { return data_; }
    std::wstring Name() const { return data_.cFileName; }
    void Next()
    {
        if (!FindNextFileW(handle_, &data_))
            finish(GetLastError());
    }
    // Zero while listing and after its end; the system error when the listing failed.
    DWORD Error() const { return error_; }
    void Close()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    void finish(DWORD code)
    {
        ended_ = true;
        // A listing without entries and the end of one are no failures.
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_NO_MORE_FILES)
            error_ = code;
    }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW data_ {};
    bool ended_ = false;
    DWORD error_ = 0;
};

// ---- Deletion -----------------------------------------------------------------------------------

// A link where a directory is to be deleted goes itself.
bool removedAsEntry(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || kindAt(path, attributes) != TEntryKind::Link)
        return false;
    RemoveEntryItself(path);
    return true;
}

// Deletes the file or link `name` of the pinned folder itself, opened relative to the pin.
void removeEntryIn(HANDLE folder, const std::wstring &name)
{
    TUniqueHandle entry;
    RetryWhileHeld([&] {
        entry.Reset(OpenEntryIn(folder, name, DELETE | FILE_WRITE_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, false));
        return entry.Valid();
    });
    if (entry.Valid() && IsEntryOf(entry.Get(), folder, name))
        RemoveOpenEntry(entry.Get());
}

void deleteNested(HANDLE parent, const std::wstring &name, const std::string &path);

// The pinned folder's entries, each opened relative to the pin. The listing goes by name; what it
// lists is deleted only where the pin has it.
void deleteLevel(TPinnedDirectory &pinned, const std::string &dir)
{
    FUNCTION_NAME("DeleteDirectoryNoErrors");
    TListing listing(SystemName(treeRootName(dir)));
    if (listing.Error() != 0)
        RaiseError(HERE, TR("Error", "Can not find directory."), dir);
    for (; listing.AtEntry(); listing.Next()) {
        const std::wstring name = listing.Name();
        if (isDotEntry(name))
            continue;
        if (kindOfListed(listing.Entry()) == TEntryKind::Directory)
            deleteNested(pinned.Get(), name, AddTrailingBackslash(dir) + Narrow(name));
        else
            removeEntryIn(pinned.Get(), name);
    }
    if (listing.Error() != 0)
        RaiseError(HERE, TR("Error", "Failed to delete directory content."), dir);
}

// A listed directory, pinned relative to its parent's pin. A link or a file that has taken its
// place in the meantime goes itself.
void deleteNested(HANDLE parent, const std::wstring &name, const std::string &path)
{
    FUNCTION_NAME("DeleteDirectoryNoErrors");
    {
        TPinnedDirectory pinned(parent, name);
        if (!pinned.Valid() && pinned.Error() != ERROR_DIRECTORY)
            RaiseError(HERE, TR("Error", "Can not find directory."), path);
        if (pinned.Valid())
            deleteLevel(pinned, path);
    }
    // The emptied folder, through its parent's pin still.
    removeEntryIn(parent, name);
}

void deleteTree(const std::string &dir)
{
    FUNCTION_NAME("DeleteDirectoryNoErrors");
    const std::wstring root = SystemName(treeRootName(dir));
    {
        TPinnedDirectory pinned(root);
        if (!pinned.Valid()) {
            if (removedAsEntry(root))
                return;
            RaiseError(HERE, TR("Error", "Can not find directory."), dir);
        }
        deleteLevel(pinned, dir);
    }
    RemoveEntryItself(root);
}

// ---- Copying ------------------------------------------------------------------------------------

// The mark that a browser or an unpacker gives a downloaded file. A copy carrying it makes the
// system warn at every start of a copied program.
constexpr const wchar_t *DownloadMarkStream = L":Zone.Identifier";

// A name in `folder` (with its trailing delimiter) that no other copy of this or another process
// picks at the same moment. Unlike GetTempFileNameW it takes folders of any depth.
std::wstring temporaryNameIn(const std::wstring &folder)
{
    static LONG counter = 0;
    wchar_t name[64] = {};
    swprintf(name, std::size(name), L"~mz%lx-%lx-%llx.tmp", GetCurrentProcessId(),
        static_cast<unsigned long>(InterlockedIncrement(&counter)),
        static_cast<unsigned long long>(GetTickCount64()));
    return folder + name;
}

// Copies a file into a new temporary beside the destination, carrying the source's streams but
// its download mark; a link is copied as a link where this user may make links. Empty when it
// cannot (the last error tells why), and then no temporary is left.
std::wstring copyToTemporary(const std::string &source, const std::string &destination)
{
    const std::wstring folder
        = SystemName(AddTrailingBackslash(GetFileDir(GetFullFileName(destination))));
    const std::wstring from = SystemName(source);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temporary = temporaryNameIn(folder);
        if (RetryWhileHeld([&] {
                return CopyFileExW(from.c_str(), temporary.c_str(), nullptr, nullptr, nullptr,
                    COPY_FILE_COPY_SYMLINK | COPY_FILE_FAIL_IF_EXISTS);
            })) {
            // Where there is none, or the file system keeps no streams (FAT), nothing is deleted.
            DeleteFileW((temporary + DownloadMarkStream).c_str());
            return temporary;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(temporary.c_str());
            SetLastError(error);
            return {};
        }
    }
    return {};
}

bool moveIntoPlace(const std::wstring &temporary, const std::wstring &target)
{
    return RetryWhileHeld(
        [&] { return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING); });
}

void removeTemporary(const std::wstring &temporary)
{
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
}

// Copies a file through a temporary beside the destination that is moved over it: the
// destination is whole or untouched, and a link in its place is replaced, not written through.
void copyFile(const std::string &source, const std::string &destination)
{
    const std::wstring temporary = copyToTemporary(source, destination);
    if (!temporary.empty() && !moveIntoPlace(temporary, SystemName(destination)))
        removeTemporary(temporary);
}

// Zero when the directory is a directory (not a link) that this user may add entries to, else
// the reason.
DWORD destinationError(const std::wstring &directory)
{
    const DWORD attributes = GetFileAttributesW(directory.c_str());
    if (kindAt(directory, attributes) != TEntryKind::Directory)
        return ERROR_DIRECTORY;
    const TUniqueHandle handle(CreateFileW(directory.c_str(), FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return handle.Valid() ? 0 : GetLastError();
}

void createDestination(
    TFunStatContext &local, const std::string &source, const std::string &destination)
{
    FUNCTION_NAME("CopyDeleteDirectory");
    const std::wstring directory = SystemName(treeRootName(destination));
    // No template directory: made from a link, the new directory would be a link too.
    if (!CreateDirectoryW(directory.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        const uint32_t code = GetLastError();
        SetLastSystemError(code);
        local.SetRaise(
            HERE, fsError, TR("Error", "Failed to create directory."), source, destination, code);
    } else if (const DWORD error = destinationError(directory); error != 0) {
        // A link, a file or a folder that cannot be written would take nothing, silently.
        SetLastSystemError(error);
        local.SetRaise(
            HERE, fsError, TR("Error", "Failed to create directory."), source, destination, error);
    }
}

void copyDeleteLevel(const std::string &source, const std::string &destination, bool copy);

void copyDeleteEntry(const std::string &source, const std::string &destination, bool copy,
    const WIN32_FIND_DATAW &entry)
{
    const DWORD attributes = entry.dwFileAttributes;
    switch (kindOfListed(entry)) {
    case TEntryKind::Directory:
        copyDeleteLevel(source, destination, copy);
        break;
    case TEntryKind::Link:
        // A linked directory is neither entered nor copied; a linked file is copied as a link.
        if (!copy)
            removeEntry(source);
        else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            copyFile(source, destination);
        break;
    case TEntryKind::File:
        if (copy) {
            ClearReadOnlyAttr(destination);
            copyFile(source, destination);
        } else {
            removeEntry(source);
        }
        break;
    }
}

// Hidden and system entries stay where they are.
bool isSkippedEntry(const WIN32_FIND_DATAW &entry)
{
    return isDotEntry(entry.cFileName)
        || (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

void copyDeleteLevel(const std::string &source, const std::string &destination, bool copy)
{
    FUNCTION_NAME("CopyDeleteDirectory");
    const std::wstring root = SystemName(treeRootName(source));
    StatusGuard(HERE, [&](TFunStatContext &local) {
        std::optional<TPinnedDirectory> pinned;
        std::optional<TListing> listing;
        if (destination.empty())
            local.SetRaise(HERE, fsError, TR("Error", "Empty destination name."), source);
        else
            createDestination(local, source, destination);
        if (!local.Failed()) {
            pinned.emplace(root);
            if (pinned->Valid())
                listing.emplace(root);
            const DWORD error = pinned->Valid() ? listing->Error() : pinned->Error();
            if (error != 0) {
                SetLastSystemError(error);
                local.SetRaise(HERE, fsError, TR("Error", "Failed to find first file."), source,
                    destination, error);
            }
        }
        for (; listing && listing->AtEntry(); listing->Next()) {
            if (isSkippedEntry(listing->Entry()))
                continue;
            const std::string name = Narrow(listing->Name());
            copyDeleteEntry(AddTrailingBackslash(source) + name,
                AddTrailingBackslash(destination) + name, copy, listing->Entry());
        }
        if (local.Status >= fsError)
            DialogBox(TR("Message", "Error"), TR("Error", "Failed to process directory."),
                mbOkCancel | mbIconError);
        listing.reset();
        pinned.reset();
        if (!copy && !IsLinkAttributes(GetFileAttributesW(root.c_str()), root))
            RemoveEntryItself(root);
    });
}

} // namespace

void DeleteDirectoryNoErrors(const std::string &dir)
{
    deleteTree(dir);
}

void CopyDeleteDirectory(const std::string &source, const std::string &destination, bool copy)
{
    copyDeleteLevel(source, destination, copy);
}

bool MakeCopyDestination(const std::string &dir)
{
    FUNCTION_NAME("MakeCopyDestination");
    const std::wstring directory = SystemName(treeRootName(dir));
    const bool made = CreateDirectoryW(directory.c_str(), nullptr);
    if (!made && GetLastError() != ERROR_ALREADY_EXISTS)
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "", GetLastError());
    if (const DWORD error = destinationError(directory); error != 0)
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "", error);
    return made;
}

std::string CopyFileBeside(const std::string &source, const std::string &destination)
{
    FUNCTION_NAME("CopyFileBeside");
    const std::wstring from = SystemName(source);
    const DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || kindAt(from, attributes) != TEntryKind::File)
        RaiseError(HERE, TR("Error", "Failed to copy file."), source, destination,
            attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_DIRECTORY);
    const std::wstring temporary = copyToTemporary(source, destination);
    if (temporary.empty())
        RaiseError(HERE, TR("Error", "Failed to copy file."), source, destination, GetLastError());
    return Narrow(temporary);
}

void PrepareRenameTarget(const std::string &oldName, const std::string &newName, bool replace)
{
    const DWORD attributes = GetFileAttributesW(SystemName(newName).c_str());
    if (replace && !IsSameFile(oldName, newName) && attributes != INVALID_FILE_ATTRIBUTES
        && kindAt(SystemName(newName), attributes) != TEntryKind::Directory)
        removeEntry(newName);
}

// The move replaces its target in one step, so newName is not removed beforehand: when the move
// fails, the file that was to be replaced is still there. Only its read-only mark goes first,
// since the system does not replace a read-only file.
void MyRenameFile(const std::string &oldName, const std::string &newName, bool replace)
{
    FUNCTION_NAME("MyRenameFile");
    DWORD flags = MOVEFILE_COPY_ALLOWED;
    if (replace) {
        flags |= MOVEFILE_REPLACE_EXISTING;
        if (!IsSameFile(oldName, newName))
            ClearReadOnlyAttr(newName);
    }
    const std::wstring from = SystemName(oldName);
    const std::wstring to = SystemName(newName);
    if (!RetryWhileHeld([&] { return MoveFileExW(from.c_str(), to.c_str(), flags); }))
        RaiseError(HERE, TR("Error", "Failed to rename."), oldName, newName, 0);
}
