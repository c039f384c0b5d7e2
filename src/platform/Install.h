#pragma once
// The program as its own installer and uninstaller: the mode test, the two sequences and the
// uninstall entry. The installer window (ui/Install.h) presents them; nothing here needs it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The program file's name in the shipped folder, before ProgramFileExtension (Program.h); the
// installed file takes the program's name.
inline constexpr const char *InstallerFileName = "Install";
inline constexpr const char *UninstallArgument = "/Uninstall";
inline constexpr const char *ReadmeFileName = "Readme.txt";
// The shipped folder's list of its files, written at build time: one path a line, relative to the
// folder, with '/' between names. The installer copies these files and nothing else, so that a
// file put beside it (a DLL in a Downloads folder) never becomes part of the installation.
inline constexpr const char *ShippedListFileName = "ShippedFiles.txt";
// What the list of installed programs shows beside the name.
inline constexpr const char *ProgramVersion = "2.5";
inline constexpr const char *ProgramPublisher = "The Mosavo developers";

// Both ignore the case of ASCII letters. The installer's file name has the platform's extension:
// "Install", or "Install.exe" on Windows.
bool IsInstallerFileName(const std::string &programFileName);
bool IsUninstallArgument(const std::string &argument);
// The uninstall entry's command for programFile: the program, in double quotes when its name
// holds a blank (else Windows would try "C:\Program.exe" first), then UninstallArgument.
std::string UninstallCommandFor(const std::string &programFile);
// The program that an uninstall command starts, quoted or not; empty when the command does not
// end with UninstallArgument.
std::string ProgramOfUninstallCommand(const std::string &command);
// Whether a line of the shipped list names a file inside the folder: relative, with '/' between
// names that are neither empty nor "." or "..", and without '\\' or ':' (a drive, a stream).
bool IsShippedListEntry(const std::string &entry);
// Raising: the entries of the list in `folder`, with the platform's delimiter; empty lines are
// left out, and the lines may end in CR LF. "The shipped folder has no list of its files." when
// it cannot be read, "The list of shipped files names a file outside the shipped folder." for a
// bad line.
std::vector<std::string> ReadShippedList(const std::string &folder);
// Whether the program runs as installer (its file name) or uninstaller (its first argument).
bool IsInstallMode();

// ---- The uninstall entry ----------------------------------------------------------------------
//   posix/  one section of an ini file that stands in for the system's list of installed
//           programs, named as the registry key would be;
//   win32/  the key HKEY_LOCAL_MACHINE\<UninstallRegistryKey> of the system's registry, with
//           REG_SZ values. Writing it needs an elevated process, as the installer is.
// keyName is one key's name: an empty one, or one with a backslash, is refused, so that no call
// can reach the list itself or another program's entry.

// The ini file of posix/; win32/ keeps the entry in no file and gives "".
std::string UninstallRegistryFileName();
// "Software\Microsoft\Windows\CurrentVersion\Uninstall\" + keyName.
std::string UninstallRegistryKey(const std::string &keyName);
struct TUninstallEntry
{
    std::string DisplayName;
    std::string UninstallString;
    // The rest are written when not empty (not 0).
    std::string DisplayIcon;
    std::string DisplayVersion;
    std::string Publisher;
    std::string InstallLocation;
    uint32_t EstimatedSizeKiB = 0;
};
// Writes the entry's values, and NoModify and NoRepair as 1: the program offers neither. The
// texts are REG_SZ, the numbers REG_DWORD (EstimatedSize in KiB, as the list expects); in the ini
// file of posix/ each is a key. A failure is dropped.
void SetUninstallRegistry(const std::string &keyName, const TUninstallEntry &entry);
// The entry with DisplayName and UninstallString only.
void SetUninstallRegistry(
    const std::string &keyName, const std::string &displayName, const std::string &uninstallString);
// Removes the entry and its subkeys; a missing entry is fine and a failure is dropped.
void DeleteUninstallerRegistry(const std::string &keyName);
// The entry's UninstallString; empty when there is none or it cannot be read.
std::string ReadUninstallString(const std::string &keyName);

// ---- What the system adds around the sequences -------------------------------------------------

// The marker, always the last argument, of a start that StartElevatedAndWait made. That start
// never asks for elevation again, skips the single-instance check (the first process holds the
// lock for it) and starts no program itself: it hands the installed program over to the first
// process, which runs with the user's own rights.
inline constexpr const char *ElevatedArgument = "-elevated";
// The exit code with which the elevated start asks the first process to start the program that
// the uninstall entry names.
inline constexpr uint32_t StartInstalledProgramExitCode = 75;

// Whether this process is such an elevated start.
bool IsElevatedStart();
// One argument as the system's command-line splitting (CommandLineToArgvW) gives it back: in
// double quotes when it is empty or holds a blank, a tab or a quote, backslashes before a quote
// or before the closing quote doubled.
std::string QuoteProgramArgument(const std::string &argument);
// The elevated start's parameters: each argument quoted, then ElevatedArgument.
std::string ElevatedStartParameters(const std::vector<std::string> &arguments);

enum class TElevation {
    NotNeeded, // not an installer, elevated already, or a system without elevation
    Finished, // the elevated start ran and ended; Code is its exit code
    Refused, // the user said no to the elevation prompt
    Failed, // it could not be started; Code is the system's error
};
struct TElevatedRun
{
    TElevation Outcome = TElevation::NotNeeded;
    uint32_t Code = 0;
};
// Windows lets only an elevated process write Program Files and the machine's list of installed
// programs. In installer or uninstaller mode, without elevation, this starts the program again
// through the "runas" verb with the same arguments and ElevatedArgument, and waits until it ends.
// Elsewhere the installer writes only the user's own folders: NotNeeded.
TElevatedRun StartElevatedAndWait();

// The first process's part around the elevated start: asks for it, then starts the installed
// program that it handed over, or says why nothing happens.
class TElevatedInstaller
{
public:
    // The uninstall entry's name, which names the installed program file.
    std::string ProgramName;
    // Chosen by the first command-line argument; names the sequence in the messages.
    bool UninstallMode = false;
    std::function<TElevatedRun()> Elevate = StartElevatedAndWait;
    // As TInstaller::StartProgram: starts without waiting, the outcome in FunStatContext.
    std::function<void(const std::string &programFile)> StartProgram;

    TElevatedInstaller();
    // False when no elevated start was needed: this process goes on as installer itself. True
    // when this process is done: the elevated start did the work (and the installed program was
    // started, if it asked for that), or it was refused or failed, which a message box tells.
    bool Run();
};

// What the process ends with: StartInstalledProgramExitCode once an elevated start has handed
// the installed program over, else 0.
uint32_t InstallerExitCode();
// Deletes at the next restart what is left of the tree at `path`: files that a running program
// holds cannot be deleted on Windows. Each such file is first renamed to a name of its own in its
// folder, and only those names and the folders are scheduled, so that a reinstall before the
// restart keeps its files (a folder then is not empty, and stays). Elsewhere files in use can be
// deleted, and nothing is left to schedule.
void DeleteTreeAtRestart(const std::string &path);
// Raising, as MakeCopyDestination (File.h), for the installation directory itself. An elevated
// process on Windows makes it with a protected access list of its own (SYSTEM and Administrators
// full control, Users read and execute), owned by Administrators, and gives an existing one that
// list: a folder below C:\ or a data drive's root would otherwise inherit "Authenticated Users:
// Modify", and any user could replace a DLL that the elevated uninstaller loads. "The
// installation folder could not be protected from changes by other users." when that fails.
bool MakeInstallationDirectory(const std::string &dir);

// ---- The sequences ----------------------------------------------------------------------------

class TInstaller
{
public:
    // "Mosavo": the installed program file, the shortcuts and the uninstall entry are named so.
    std::string ProgramName;
    // What the window's directory edit holds: the parent directory to install into, or the
    // directory to delete.
    std::string InstallTo;
    // The running program file; the shipped folder is its directory.
    std::string ProgramPath;
    // Chosen by the first command-line argument.
    bool UninstallMode = false;
    // Starts the installed program without waiting and publishes the outcome in FunStatContext.
    // The default releases this process's single-instance lock first, so that the started
    // program is not turned away by it; in an elevated start it only hands the program over to
    // the first process (InstallerExitCode).
    std::function<void(const std::string &programFile)> StartProgram;

    // Takes ProgramPath and UninstallMode from the running process.
    TInstaller();

    // Warns about an empty InstallTo, else runs Uninstall or Install.
    void InstallOrUninstall();
    // Neither lets an error escape: a failure is shown in the error dialog.
    void Install();
    void Uninstall();

    std::string SourceDirectory() const;
    // The last component of the source directory.
    std::string FolderName() const;
    std::string InstallationDirectory() const;
    std::string InstalledProgramFile() const;
    std::string UninstallCommand() const;
    // Whether the uninstall entry names ProgramPath as the program installed in InstallTo.
    bool IsInstalledCopy() const;

private:
    void CopyShippedFiles(const std::string &installationDir) const;
    void CreateShortcuts(const std::string &programFile) const;
    void DeleteInstallationDirectory() const;
    void DeleteShortcuts(const std::string &desktop, const std::string &programsMenu) const;
};
