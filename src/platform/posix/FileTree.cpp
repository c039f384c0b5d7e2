// Directory trees and renaming. Entries are opened relative to their directory and links are
// never followed, so a link cannot lead the walk out of the tree, nor be taken for its root.

#include "platform/File.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "platform/posix/FileInternal.h"
#include "platform/posix/UniqueFd.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

enum class TEntryKind { Directory, Link, File, Other, Missing };

TEntryKind kindOfStatus(mode_t mode)
{
    if (S_ISDIR(mode))
        return TEntryKind::Directory;
    if (S_ISLNK(mode))
        return TEntryKind::Link;
    return S_ISREG(mode) ? TEntryKind::File : TEntryKind::Other;
}

TEntryKind entryKind(int dirFd, const dirent &entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return TEntryKind::Directory;
    case DT_LNK:
        return TEntryKind::Link;
    case DT_REG:
        return TEntryKind::File;
    case DT_UNKNOWN:
        break;
    default:
        return TEntryKind::Other;
    }
    struct stat status
    {
    };
    if (fstatat(dirFd, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return TEntryKind::Missing;
    return kindOfStatus(status.st_mode);
}

bool isDotEntry(const std::string &name)
{
    return name == "." || name == "..";
}

// The named directory of a tree operation as its bare last component: the kernel resolves a link
// named "link/" or "link/." whatever O_NOFOLLOW says, so trailing delimiters and "." components
// go. "/" and "." stay as they are.
std::string treeRootName(std::string path)
{
    while (path.size() > 1) {
        if (path.back() == PathDelimiter)
            path.pop_back();
        else if (path.ends_with(std::string(1, PathDelimiter) + "."))
            path.resize(path.size() - 1);
        else
            break;
    }
    return path;
}

// A listing of `name` in parentFd; a final link is never opened.
DIR *openDirectoryAt(int parentFd, const std::string &name)
{
    TUniqueFd fd(openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.Valid())
        return nullptr;
    DIR *dir = fdopendir(fd.Get());
    if (dir)
        fd.Release();
    return dir;
}

// Entries of a directory can only be removed while the owner may write it.
void allowRemovingEntries(int dirFd)
{
    struct stat status
    {
    };
    if (fstat(dirFd, &status) == 0 && !(status.st_mode & S_IWUSR))
        fchmod(dirFd, (status.st_mode & 07777) | S_IWUSR);
}

// ---- Deletion -----------------------------------------------------------------------------------

// A link where a directory is to be deleted goes itself; inside the tree so does anything that
// has replaced a listed directory in the meantime.
bool removedAsEntry(int parentFd, const std::string &name, bool nested)
{
    struct stat status
    {
    };
    if (fstatat(parentFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISLNK(status.st_mode) && (!nested || S_ISDIR(status.st_mode)))
        return false;
    unlinkat(parentFd, name.c_str(), 0);
    return true;
}

void deleteTreeAt(int parentFd, const std::string &name, const std::string &path, bool nested)
{
    FUNCTION_NAME("DeleteDirectoryNoErrors");
    TUniqueDir dir(openDirectoryAt(parentFd, name));
    if (!dir.Valid()) {
        if (removedAsEntry(parentFd, name, nested))
            return;
        RaiseError(HERE, TR("Error", "Can not find directory."), path);
    }
    const int fd = dirfd(dir.Get());
    allowRemovingEntries(fd);
    while (true) {
        errno = 0;
        const dirent *entry = readdir(dir.Get());
        if (!entry) {
            if (errno != 0)
                RaiseError(HERE, TR("Error", "Failed to delete directory content."), path);
            break;
        }
        const std::string entryName = entry->d_name;
        if (isDotEntry(entryName))
            continue;
        if (entryKind(fd, *entry) == TEntryKind::Directory)
            deleteTreeAt(fd, entryName, AddTrailingBackslash(path) + entryName, true);
        else
            unlinkat(fd, entryName.c_str(), 0);
    }
    unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

// ---- Copying ------------------------------------------------------------------------------------

bool writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool copyContent(int from, int to)
{
    std::vector<char> buffer(1 << 16);
    while (true) {
        const ssize_t got = read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(to, buffer.data(), static_cast<std::size_t>(got)))
            return false;
    }
}

// Copies a regular file (never a link) into a new hidden temporary beside the destination, with
// its permissions and times; empty when it cannot, and then no temporary is left.
std::string copyToTemporary(const std::string &source, const std::string &destination)
{
    TUniqueFd from(open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status
    {
    };
    if (!from.Valid() || fstat(from.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    std::string temporary = TemporaryPatternBeside(destination);
    TUniqueFd to(mkostemp(temporary.data(), O_CLOEXEC));
    if (!to.Valid())
        return {};
    const timespec times[2] = {status.st_atim, status.st_mtim};
    const bool written = copyContent(from.Get(), to.Get())
        && fchmod(to.Get(), status.st_mode & 07777) == 0 && futimens(to.Get(), times) == 0;
    const bool closed = close(to.Release()) == 0;
    if (written && closed)
        return temporary;
    const int error = errno;
    unlink(temporary.c_str());
    errno = error;
    return {};
}

// Copies a regular file through a hidden temporary beside the destination that is renamed over
// it: the destination is whole or untouched, and a running program file can be replaced.
bool copyFile(const std::string &source, const std::string &destination)
{
    const std::string temporary = copyToTemporary(source, destination);
    if (temporary.empty())
        return false;
    if (rename(temporary.c_str(), destination.c_str()) == 0)
        return true;
    unlink(temporary.c_str());
    return false;
}

// Makes destination a link with the same target text as the link source.
bool copyLink(const std::string &source, const std::string &destination)
{
    std::vector<char> target(4096);
    while (true) {
        const ssize_t length = readlink(source.c_str(), target.data(), target.size());
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            break;
        }
        target.resize(target.size() * 2);
    }
    const std::string targetText(target.begin(), target.end());
    if (symlink(targetText.c_str(), destination.c_str()) == 0)
        return true;
    struct stat existing
    {
    };
    if (errno != EEXIST || lstat(destination.c_str(), &existing) != 0 || S_ISDIR(existing.st_mode))
        return false;
    return unlink(destination.c_str()) == 0
        && symlink(targetText.c_str(), destination.c_str()) == 0;
}

// Whether destination is a directory now; a link to one does not count.
bool isDirectoryThere(const std::string &destination)
{
    struct stat status
    {
    };
    return lstat(destination.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Zero when this user may create entries in the directory, else the reason.
int writeAccessError(const std::string &directory)
{
    return faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

void createDestination(
    TFunStatContext &local, const std::string &source, const std::string &destination)
{
    FUNCTION_NAME("CopyDeleteDirectory");
    const std::string directory = treeRootName(destination);
    struct stat sourceStatus
    {
    };
    const mode_t mode = lstat(treeRootName(source).c_str(), &sourceStatus) == 0
        ? (sourceStatus.st_mode & 07777) | S_IRWXU
        : 0777;
    SetLastSystemError(0);
    if (mkdir(directory.c_str(), mode) != 0 && SystemCallFailedExceptExisting()) {
        local.SetRaise(HERE, fsError, TR("Error", "Failed to create directory."), source,
            destination, LastSystemError());
    } else if (!isDirectoryThere(directory)) {
        local.SetRaise(HERE, fsError, TR("Error", "Failed to create directory."), source,
            destination, ENOTDIR);
    } else if (const int error = writeAccessError(directory); error != 0) {
        // An existing folder that cannot be written would take nothing, silently.
        local.SetRaise(HERE, fsError, TR("Error", "Failed to create directory."), source,
            destination, static_cast<uint32_t>(error));
    }
}

void copyDeleteLevel(const std::string &source, const std::string &destination, bool copy);

void copyDeleteEntry(
    const std::string &source, const std::string &destination, bool copy, TEntryKind kind)
{
    switch (kind) {
    case TEntryKind::Directory:
        copyDeleteLevel(source, destination, copy);
        break;
    case TEntryKind::Link:
        if (copy)
            copyLink(source, destination);
        else
            unlink(source.c_str());
        break;
    case TEntryKind::File:
        if (copy) {
            ClearReadOnlyAttr(destination);
            copyFile(source, destination);
        } else {
            unlink(source.c_str());
        }
        break;
    case TEntryKind::Other: // devices, pipes and sockets are not copied
        if (!copy)
            unlink(source.c_str());
        break;
    case TEntryKind::Missing:
        break;
    }
}

void copyDeleteLevel(const std::string &source, const std::string &destination, bool copy)
{
    FUNCTION_NAME("CopyDeleteDirectory");
    StatusGuard(HERE, [&](TFunStatContext &local) {
        TUniqueDir dir;
        if (destination.empty())
            local.SetRaise(HERE, fsError, TR("Error", "Empty destination name."), source);
        else
            createDestination(local, source, destination);
        if (!local.Failed()) {
            SetLastSystemError(0);
            dir.Reset(openDirectoryAt(AT_FDCWD, treeRootName(source)));
            if (!dir.Valid())
                local.SetRaise(HERE, fsError, TR("Error", "Failed to find first file."), source,
                    destination, LastSystemError());
        }
        while (dir.Valid()) {
            const dirent *entry = readdir(dir.Get());
            if (!entry)
                break;
            const std::string name = entry->d_name;
            if (name.front() == '.') // ".", ".." and hidden entries
                continue;
            copyDeleteEntry(AddTrailingBackslash(source) + name,
                AddTrailingBackslash(destination) + name, copy,
                entryKind(dirfd(dir.Get()), *entry));
        }
        if (local.Status >= fsError)
            DialogBox(TR("Message", "Error"), TR("Error", "Failed to process directory."),
                mbOkCancel | mbIconError);
        dir.Reset();
        if (!copy) {
            const std::string root = treeRootName(source);
            ClearReadOnlyAttr(root);
            rmdir(root.c_str());
        }
    });
}

} // namespace

void DeleteDirectoryNoErrors(const std::string &dir)
{
    deleteTreeAt(AT_FDCWD, treeRootName(dir), dir, false);
}

void CopyDeleteDirectory(const std::string &source, const std::string &destination, bool copy)
{
    copyDeleteLevel(source, destination, copy);
}

bool MakeCopyDestination(const std::string &dir)
{
    FUNCTION_NAME("MakeCopyDestination");
    const std::string directory = treeRootName(dir);
    SetLastSystemError(0);
    const bool made = mkdir(directory.c_str(), 0777) == 0;
    if (!made && SystemCallFailedExceptExisting())
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "", LastSystemError());
    if (!isDirectoryThere(directory))
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "", ENOTDIR);
    if (const int error = writeAccessError(directory); error != 0)
        RaiseError(HERE, TR("Error", "Failed to create directory."), dir, "",
            static_cast<uint32_t>(error));
    return made;
}

std::string CopyFileBeside(const std::string &source, const std::string &destination)
{
    FUNCTION_NAME("CopyFileBeside");
    errno = 0;
    const std::string temporary = copyToTemporary(source, destination);
    if (temporary.empty())
        RaiseError(HERE, TR("Error", "Failed to copy file."), source, destination,
            static_cast<uint32_t>(errno != 0 ? errno : EINVAL));
    return temporary;
}

void PrepareRenameTarget(const std::string &oldName, const std::string &newName, bool replace)
{
    struct stat status
    {
    };
    if (replace && !IsSameFile(oldName, newName) && lstat(newName.c_str(), &status) == 0) {
        ClearReadOnlyAttr(newName);
        unlink(newName.c_str());
    }
}

// rename() replaces its target atomically, so newName is not removed beforehand: when the rename
// fails, the file that was to be replaced is still there.
void MyRenameFile(const std::string &oldName, const std::string &newName, bool replace)
{
    FUNCTION_NAME("MyRenameFile");
    int result = 0;
    if (replace) {
        result = rename(oldName.c_str(), newName.c_str());
    } else {
        result = renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE);
        struct stat status
        {
        };
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)
            && lstat(newName.c_str(), &status) != 0)
            result = rename(oldName.c_str(), newName.c_str());
    }
    if (result != 0)
        RaiseError(HERE, TR("Error", "Failed to rename."), oldName, newName, 0);
}
