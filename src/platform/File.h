#pragma once
// Files, directories, special folders, shell execution and shortcuts.
//
// Failure styles: "raising" functions fill Err and throw TRaisedErr; "status" functions publish
// their outcome in FunStatContext; the rest report nothing.

#include "core/File.h"

#include <cstdint>
#include <string>

// ---- Paths ----------------------------------------------------------------------------------

// The long form of a path that holds short (8.3) names; where there are none (or the system gives
// no long form), the path unchanged.
std::string GetLongFileName(const std::string &path);
// Absolute (relative to the current directory) and without "." and ".." components; links are
// not resolved. Empty stays empty, and so does a bare drive such as "C:".
std::string GetFullFileName(const std::string &path);
// As GetFullFileName, but a path on a drive mapped to a network share comes in its network (UNC)
// form. Without mapped drives, as on Linux, the same as GetFullFileName.
std::string GetFullUncFileName(const std::string &path);
// The full name as the file system reaches it: every link (and, on Windows, every junction) in
// the part of the path that exists is resolved; the part that does not exist yet follows as
// written. Guards that compare places use it, so that a link cannot disguise one folder as
// another.
std::string GetResolvedFileName(const std::string &path);
// Whether two names reach one file: by identity when both exist (so links, hard links and
// case-insensitive file systems count), else by equal full names (letter case ignored on
// Windows). False when either name holds one of < > | " * ?.
bool IsSameFile(const std::string &a, const std::string &b);

// ---- Special folders (failures give the empty text) ----------------------------------------

enum TSystemFolder : int32_t {
    sfProgramsMenu = 2,
    sfDesktop = 16,
    sfCommonPrograms = 23, // every user's Programs menu
    sfCommonDesktop = 25, // every user's desktop
    sfProgramFiles = 38,
    sfMyPictures = 39,
};

// The folder with a trailing delimiter, created when missing; empty for an unknown identifier or
// when the folder cannot be had.
std::string GetSystemDirectoryPath(int32_t folderId);
std::string GetMyPicturesPath();
std::string GetDesktopPath();
std::string GetProgramsMenuPath();
std::string GetProgramFilesPath();
// Where an installation for the whole machine puts its shortcuts: the desktop and Programs menu
// of every user on Windows; on POSIX systems, where the installer installs for the user alone,
// the user's own.
std::string GetCommonDesktopPath();
std::string GetCommonProgramsMenuPath();

// ---- Files ----------------------------------------------------------------------------------

// False for the empty path; follows links, so a dangling link does not exist.
bool PathExists(const std::string &path);
// Read-only means the owner may not write (on Windows: the read-only attribute, and clearing it
// leaves the attributes normal). Gives the owner write access back when it was missing; links are
// left alone. Returns false when the attributes could not be changed.
bool ClearReadOnlyAttr(const std::string &path);
// Size of an open file. Status: Warning "Failed to get file size." with result 0.
uint64_t GetFileSize(int fileDescriptor);

// ---- Shell ----------------------------------------------------------------------------------

// Opens a file, program or web address without waiting: an executable file is started itself
// (with `parameters`, in `directory` when given), anything else is handed to xdg-open (on
// Windows, the shell's default action for it). Status: "Failed to run file." with the file and
// the system error. An empty name starts nothing and leaves "Begin function error" in
// FunStatContext. `minimised` (a minimised, inactive window) counts on Windows only.
void RunFile(const std::string &fileName, const std::string &parameters = {},
    const std::string &directory = {}, bool minimised = false, bool quoteParameters = true);
// Opens a web address; a failure is shown under `failureMessage`. Always publishes Perfect.
void OpenSite(const std::string &address, const std::string &failureMessage);

// ---- Directory trees and renaming -----------------------------------------------------------
// Links are never followed, however the path is written: links inside a tree are deleted or
// copied as links, and a named directory (source or destination) that is itself a link is not
// entered, with or without trailing delimiters or "." components. On Windows every reparse point
// (symbolic link, junction) counts as a link, and a linked directory inside a tree is not copied.

// Deletes the tree; entries that cannot be deleted are left without complaint. Raising: "Can not
// find directory." when dir (or a directory inside) cannot be listed, "Failed to delete
// directory content." when a listing breaks off.
void DeleteDirectoryNoErrors(const std::string &dir);
// Copies the tree into destination (created when missing), overwriting files there and leaving
// extra ones; hidden entries (names starting with '.'; on Windows those with the hidden or system
// attribute) are skipped. With copy false the source
// tree is deleted instead. Status, and each level that fails shows "Failed to process
// directory.". A destination directory that exists but that this user may not write fails as
// one that cannot be created ("Failed to create directory." with the system error), since
// nothing could be copied into it.
void CopyDeleteDirectory(const std::string &source, const std::string &destination, bool copy);
// With replace, removes an existing newName that is not oldName itself.
void PrepareRenameTarget(const std::string &oldName, const std::string &newName, bool replace);
// Raising: "Failed to rename.". Without replace an existing newName is never replaced.
void MyRenameFile(const std::string &oldName, const std::string &newName, bool replace);

// ---- Single files, for a copy that is put in place only once it is whole ----------------------

// Raising: makes the directory `dir` (its parent must exist) unless it is there, and gives whether
// this call made it. "Failed to create directory." when it cannot be made, or when what is there
// is a link, a file, or a directory that this user may not add entries to.
bool MakeCopyDestination(const std::string &dir);
// Raising "Failed to copy file.": copies the plain file `source` (never a link or a directory)
// into a new temporary file beside `destination` and gives its name. The copy carries the
// source's content, permissions and times; on Windows its streams but the download mark.
// MyRenameFile(temporary, destination, true) then puts it in place whole.
std::string CopyFileBeside(const std::string &source, const std::string &destination);

// ---- Shortcuts ------------------------------------------------------------------------------

// A shortcut that starts ReferencePath: a freedesktop desktop entry, on Windows a shell link
// (.lnk).
class TLinkFile
{
public:
    std::string ReferencePath;
    std::string WorkingPath;
    std::string Arguments;
    std::string Description;
    std::string IconPath; // empty: the target's own icon
    int32_t IconIndex = 0; // shell links only: desktop entries name whole icons
    uint16_t HotKey = 0; // shell links only: virtual key, modifiers in the high byte
    int32_t ShowCommand = 0; // shell links only: 7 minimised; 0 a normal window

    void Clear();
    // Status. An existing linkPath without overwrite writes nothing and leaves "Begin function
    // error" in FunStatContext. On failure the object is cleared.
    void Save(const std::string &linkPath, bool overwrite);
};

// Status: a shortcut to target at linkPath, working in target's directory when setWorkingPath.
void CopyFileAsLink(const std::string &target, const std::string &linkPath, bool overwrite,
    bool minimised, bool setWorkingPath, const std::string &arguments);
// Status: a shortcut to target with arguments, working in target's directory.
void CopyFileAsLinkWithParam(const std::string &target, const std::string &linkPath,
    const std::string &arguments, const std::string &reserved, bool overwrite);
