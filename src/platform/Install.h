#pragma once
// The program as its own installer and uninstaller: the mode test, the two sequences and the
// uninstall entry. The installer window (ui/Install.h) presents them; nothing here needs it.

#include <functional>
#include <string>

// The program file's name in the shipped folder, before ProgramFileExtension (Program.h); the
// installed file takes the program's name.
inline constexpr const char *InstallerFileName = "Install";
inline constexpr const char *UninstallArgument = "/Uninstall";
inline constexpr const char *ReadmeFileName = "Readme.txt";

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
// Writes DisplayName and UninstallString; a failure is dropped.
void SetUninstallRegistry(
    const std::string &keyName, const std::string &displayName, const std::string &uninstallString);
// Removes the entry and its subkeys; a missing entry is fine and a failure is dropped.
void DeleteUninstallerRegistry(const std::string &keyName);
// The entry's UninstallString; empty when there is none or it cannot be read.
std::string ReadUninstallString(const std::string &keyName);

// ---- What the system adds around the sequences -------------------------------------------------

// The marker of a start that StartElevatedInstaller made, so that it never asks twice.
inline constexpr const char *ElevatedArgument = "-elevated";
// Windows lets only an elevated process write Program Files and the machine's list of installed
// programs, and elevates on its own only 32-bit installers. In installer or uninstaller mode,
// without elevation, this starts the program again elevated with the same arguments and returns
// true: this process then ends. False where nothing was started: elevated already, asked once
// already, refused by the user, or a system without elevation.
bool StartElevatedInstaller();
// Deletes at the next restart what is left of the tree at `path`: files that a running program
// holds cannot be deleted on Windows. Elsewhere files in use can be deleted, and nothing is left
// to schedule.
void DeleteTreeAtRestart(const std::string &path);

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
    // program is not turned away by it.
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
    void CreateShortcuts(const std::string &programFile) const;
    void DeleteInstallationDirectory() const;
};
