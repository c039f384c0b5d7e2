#include "platform/Install.h"

#include "core/Basic.h"
#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/SystemFile.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "platform/InstanceChannel.h"
#include "platform/Program.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A drive's root keeps its delimiter: "C:" alone names the current directory on that drive.
std::string withoutTrailingDelimiter(std::string path)
{
    while (path.size() > 1 && path.back() == PathDelimiter
        && !IsDriveOnly(path.substr(0, path.size() - 1)))
        path.pop_back();
    return path;
}

// Whether `inner` is `outer` or lies somewhere below it. The walk goes up the resolved path and
// compares by identity, so that neither a link in `inner` nor the letter case of a name can hide
// that the two are one place.
bool isSameOrInside(const std::string &inner, const std::string &outer)
{
    std::string place = withoutTrailingDelimiter(GetResolvedFileName(inner));
    while (true) {
        if (IsSameFile(place, outer))
            return true;
        const std::string parent = withoutTrailingDelimiter(GetFileDir(place));
        if (parent.empty() || parent == place)
            return false;
        place = parent;
    }
}

// Results are ignored by every caller: each is a step whose failure does not stop the sequence.
void createPlainDirectory(const std::string &dir)
{
    std::error_code error;
    fs::create_directory(SystemPath(dir), error);
}

void deletePlainFile(const std::string &path)
{
    std::error_code error;
    const fs::path systemPath = SystemPath(path);
    if (!fs::is_directory(fs::symlink_status(systemPath, error)))
        fs::remove(systemPath, error);
}

// A shortcut as CopyFileAsLink writes it, working in the target's directory, with an icon.
void saveShortcut(const std::string &target, const std::string &linkPath,
    const std::string &arguments, const std::string &iconPath)
{
    TLinkFile link;
    link.ReferencePath = target;
    link.WorkingPath = GetFileDir(target);
    link.Arguments = arguments;
    link.IconPath = iconPath;
    link.Save(linkPath, true);
}

void startInstalledProgram(const std::string &programFile)
{
    // The channel goes with the lock: the started program opens its own under the same name.
    CloseInstanceChannel();
    CloseProgramInstance();
    RunFile(programFile, "", "", false, true);
}

// What the installed files take on disk, in KiB rounded up; links are counted as themselves.
uint32_t folderSizeKiB(const std::string &dir)
{
    std::error_code error;
    std::uintmax_t bytes = 0;
    for (fs::recursive_directory_iterator entry(SystemPath(dir), error), end;
         !error && entry != end; entry.increment(error)) {
        std::error_code sizeError;
        if (entry->is_regular_file(sizeError) && !entry->is_symlink(sizeError)) {
            const std::uintmax_t size = entry->file_size(sizeError);
            if (!sizeError)
                bytes += size;
        }
    }
    const std::uintmax_t kib = (bytes + 1023) / 1024;
    return static_cast<uint32_t>(std::min<std::uintmax_t>(kib, UINT32_MAX));
}

// The copies of one installation that are not in place yet, and the directories it made: on a
// failure before every file is whole beside its place, all of them go again, so that an earlier
// installation stays as it was and nothing half-installed is left.
class TStagedCopy
{
public:
    TStagedCopy() = default;
    TStagedCopy(const TStagedCopy &) = delete;
    TStagedCopy &operator=(const TStagedCopy &) = delete;
    ~TStagedCopy()
    {
        for (const auto &[temporary, target] : files_)
            deletePlainFile(temporary);
        std::error_code error;
        for (auto dir = madeDirs_.rbegin(); dir != madeDirs_.rend(); ++dir)
            fs::remove(SystemPath(*dir), error); // only when empty: nothing of others goes
    }

    void AddDirectory(const std::string &dir)
    {
        if (MakeCopyDestination(dir))
            madeDirs_.push_back(dir);
    }
    void AddInstallationDirectory(const std::string &dir)
    {
        if (MakeInstallationDirectory(dir))
            madeDirs_.push_back(dir);
    }
    void StageFile(const std::string &source, const std::string &target)
    {
        files_.emplace_back(CopyFileBeside(source, target), target);
    }
    // Each copy replaces its target whole. A failure here leaves the files put so far in place;
    // those not yet put, and no directory, go.
    void PutInPlace()
    {
        while (!files_.empty()) {
            MyRenameFile(files_.front().first, files_.front().second, true);
            files_.erase(files_.begin());
        }
        madeDirs_.clear();
    }

private:
    std::vector<std::pair<std::string, std::string>> files_;
    std::vector<std::string> madeDirs_;
};

bool programHandedOver = false;

// Started from here the game would carry the administrator's token, or run as the other account
// after over-the-shoulder elevation: its single-instance mutex and pipe would then shut out the
// user's own later starts. The first process starts it instead.
void handOverInstalledProgram(const std::string & /*programFile*/)
{
    programHandedOver = true;
    FunStatContext.Reset(fsPerfect);
}

bool needsQuotes(const std::string &argument)
{
    return argument.empty() || argument.find_first_of(" \t\n\v\"") != std::string::npos;
}

} // namespace

void SetUninstallRegistry(
    const std::string &keyName, const std::string &displayName, const std::string &uninstallString)
{
    TUninstallEntry entry;
    entry.DisplayName = displayName;
    entry.UninstallString = uninstallString;
    SetUninstallRegistry(keyName, entry);
}

bool IsInstallerFileName(const std::string &programFileName)
{
    return SameTextIgnoringCase(
        programFileName, std::string(InstallerFileName) + ProgramFileExtension);
}

bool IsUninstallArgument(const std::string &argument)
{
    return SameTextIgnoringCase(argument, UninstallArgument);
}

std::string UninstallCommandFor(const std::string &programFile)
{
    const bool quote = programFile.find(' ') != std::string::npos;
    return (quote ? '"' + programFile + '"' : programFile) + " " + UninstallArgument;
}

std::string ProgramOfUninstallCommand(const std::string &command)
{
    const std::string suffix = std::string(" ") + UninstallArgument;
    if (command.size() <= suffix.size()
        || !SameTextIgnoringCase(
            std::string_view(command).substr(command.size() - suffix.size()), suffix))
        return {};
    const std::string program = command.substr(0, command.size() - suffix.size());
    if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
        return program.substr(1, program.size() - 2);
    return program;
}

bool IsShippedListEntry(const std::string &entry)
{
    if (entry.empty() || entry.find_first_of("\\:") != std::string::npos)
        return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = entry.find('/', start);
        const std::string_view name = std::string_view(entry).substr(start, end - start);
        if (name.empty() || name == "." || name == "..")
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

std::vector<std::string> ReadShippedList(const std::string &folder)
{
    FUNCTION_NAME("ReadShippedList");
    const std::string listPath = AddTrailingBackslash(folder) + ShippedListFileName;
    std::ifstream list(SystemPath(listPath), std::ios::binary);
    if (!list)
        RaiseError(HERE, TR("Error", "The shipped folder has no list of its files."), listPath);
    std::vector<std::string> entries;
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (!IsShippedListEntry(line))
            RaiseError(HERE,
                TR("Error", "The list of shipped files names a file outside the shipped folder."),
                line);
        std::replace(line.begin(), line.end(), '/', PathDelimiter);
        entries.push_back(line);
    }
    if (list.bad())
        RaiseError(HERE, TR("Error", "The shipped folder has no list of its files."), listPath);
    return entries;
}

bool IsInstallMode()
{
    return IsInstallerFileName(GetProgramFileName()) || IsUninstallArgument(GetProgramParam(1));
}

bool IsElevatedStart()
{
    const std::vector<std::string> arguments = GetProgramParams();
    return !arguments.empty() && arguments.back() == ElevatedArgument;
}

std::string QuoteProgramArgument(const std::string &argument)
{
    if (!needsQuotes(argument))
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each one is doubled, and the
        // quote itself is escaped.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    // Before the closing quote, so that it still closes.
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

std::string ElevatedStartParameters(const std::vector<std::string> &arguments)
{
    std::string parameters;
    for (const std::string &argument : arguments)
        parameters += QuoteProgramArgument(argument) + " ";
    return parameters + ElevatedArgument;
}

uint32_t InstallerExitCode()
{
    return programHandedOver ? StartInstalledProgramExitCode : 0;
}

TElevatedInstaller::TElevatedInstaller()
    : UninstallMode(IsUninstallArgument(GetProgramParam(1))), StartProgram(startInstalledProgram)
{ }

bool TElevatedInstaller::Run()
{
    FUNCTION_NAME("TElevatedInstaller::Run");
    const TElevatedRun run = Elevate();
    switch (run.Outcome) {
    case TElevation::NotNeeded:
        return false;
    case TElevation::Refused:
        WarningDialog(UninstallMode
                ? TR("Message",
                    "Uninstallation was cancelled: it needs an administrator's permission.")
                : TR("Message",
                    "Installation was cancelled: it needs an administrator's permission."));
        return true;
    case TElevation::Failed:
        ErrorGuardShow(HERE,
            TR("Error", "Failed to start the program with an administrator's permission."), [&] {
                RaiseError(
                    HERE, TR("Error", "Failed to run file."), GetProgramPath(), "", run.Code);
            });
        return true;
    case TElevation::Finished:
        break;
    }
    if (run.Code != StartInstalledProgramExitCode)
        return true; // nothing to start: uninstalled, cancelled in the window, or failed there
    ErrorGuardShow(HERE, TR("Error", "Failed to start the installed program."), [&] {
        const std::string programFile = ProgramOfUninstallCommand(ReadUninstallString(ProgramName));
        if (programFile.empty() || !PathExists(programFile))
            RaiseError(HERE, TR("Error", "The uninstall entry names no program file."), ProgramName,
                programFile);
        StartProgram(programFile);
        if (FunStatContext.Status >= fsError)
            RaiseError(
                HERE, TR("Error", "Failed to run file."), programFile, "", LastSystemError());
    });
    return true;
}

// ---- The sequences ----------------------------------------------------------------------------

TInstaller::TInstaller()
    : ProgramPath(GetProgramPath()),
      UninstallMode(IsUninstallArgument(GetProgramParam(1))),
      StartProgram(IsElevatedStart() ? handOverInstalledProgram : startInstalledProgram)
{ }

void TInstaller::InstallOrUninstall()
{
    if (InstallTo.empty()) {
        WarningDialog(TR("Message", "(Un)Installation directory is empty."));
        return;
    }
    if (UninstallMode)
        Uninstall();
    else
        Install();
}

std::string TInstaller::SourceDirectory() const
{
    return GetFileDir(ProgramPath);
}

std::string TInstaller::FolderName() const
{
    const std::string source = SourceDirectory();
    if (source.size() <= 1)
        return {}; // the root has no name of its own
    return GetFileNamePart(withoutTrailingDelimiter(source));
}

std::string TInstaller::InstallationDirectory() const
{
    return AddTrailingBackslash(InstallTo) + FolderName();
}

std::string TInstaller::InstalledProgramFile() const
{
    return AddTrailingBackslash(InstallationDirectory()) + ProgramName + ProgramFileExtension;
}

std::string TInstaller::UninstallCommand() const
{
    return UninstallCommandFor(InstalledProgramFile());
}

void TInstaller::Install()
{
    // Reports name the window's command, which is what the user pressed.
    FUNCTION_NAME("TInstallForm::Install");
    ErrorGuardShow(HERE,
        TR("Error",
            "Failed to install program. Check to see if you have rights to write in the "
            "installation "
            "directory."),
        [&] {
            if (InstallTo.empty())
                RaiseError(HERE, TR("Error", "Installation directory is empty."));
            const std::string source = SourceDirectory();
            const std::string installationDir = InstallationDirectory();
            if (FolderName().empty())
                RaiseError(HERE, TR("Error", "The installer can not run from the root directory."),
                    source);
            // A copy onto itself or into itself would destroy the shipped folder or never end.
            if (isSameOrInside(installationDir, source))
                RaiseError(HERE,
                    TR("Error", "The installation directory lies in the installer's folder."),
                    installationDir, source);

            if (!QueryDialog(FormatText(
                    TR("Message", "Install the program in directory \"%1\"?"), {installationDir})))
                return;

            CopyShippedFiles(installationDir);
            const std::string programFile = InstalledProgramFile();
            // The name the installer runs under, so that "INSTALL" is found where names are
            // case-sensitive.
            MyRenameFile(AddTrailingBackslash(installationDir) + GetFileNamePart(ProgramPath),
                programFile, true);
            // A failed shortcut does not stop the installation. A special folder that cannot be
            // had gives no shortcut rather than one in the current directory.
            CreateShortcuts(programFile);
            TUninstallEntry entry;
            entry.DisplayName = ProgramName;
            entry.UninstallString = UninstallCommand();
            entry.DisplayIcon = programFile;
            entry.DisplayVersion = ProgramVersion;
            entry.Publisher = ProgramPublisher;
            entry.InstallLocation = installationDir;
            entry.EstimatedSizeKiB = folderSizeKiB(installationDir);
            SetUninstallRegistry(ProgramName, entry);

            StartProgram(programFile);
            if (FunStatContext.Status >= fsError)
                RaiseError(
                    HERE, TR("Error", "Failed to run file."), programFile, "", LastSystemError());
        });
}

// Every listed file is checked before anything is written, and all are copied beside their
// places before the first one is put there.
void TInstaller::CopyShippedFiles(const std::string &installationDir) const
{
    FUNCTION_NAME("TInstaller::CopyShippedFiles");
    const std::string source = AddTrailingBackslash(SourceDirectory());
    const std::vector<std::string> entries = ReadShippedList(source);
    for (const std::string &entry : entries) {
        std::error_code error;
        if (!PathExists(source + entry) || fs::is_directory(SystemPath(source + entry), error))
            RaiseError(HERE, TR("Error", "A file of the shipped list is missing."), source + entry);
    }
    TStagedCopy staged;
    staged.AddInstallationDirectory(installationDir);
    const std::string target = AddTrailingBackslash(installationDir);
    for (const std::string &entry : entries) {
        // Each folder on the way, outermost first.
        for (std::size_t cut = entry.find(PathDelimiter); cut != std::string::npos;
             cut = entry.find(PathDelimiter, cut + 1))
            staged.AddDirectory(target + entry.substr(0, cut));
        staged.StageFile(source + entry, target + entry);
    }
    staged.PutInPlace();
}

void TInstaller::CreateShortcuts(const std::string &programFile) const
{
    const std::string installationDir = AddTrailingBackslash(InstallationDirectory());
    // Windows shortcuts take .ico files, desktop entries .png ones; each shipped folder has its
    // own.
    std::string programIcon;
    for (const char *extension : {".ico", ".png"})
        if (programIcon.empty() && PathExists(installationDir + ProgramName + extension))
            programIcon = installationDir + ProgramName + extension;
    const std::string linkName = ProgramName + GetLinkExtension(programFile);
    // The installation serves every user of the machine (Program Files, the machine's list of
    // programs); the elevating account's own folders would hide it from the others.
    const std::string desktop = GetCommonDesktopPath();
    if (!desktop.empty())
        saveShortcut(programFile, desktop + linkName, "", programIcon);

    const std::string programsMenu = GetCommonProgramsMenuPath();
    if (programsMenu.empty())
        return;
    const std::string group = AddTrailingBackslash(programsMenu + FolderName());
    createPlainDirectory(group);
    saveShortcut(programFile, group + linkName, "", programIcon);
    saveShortcut(programFile, group + "Uninstall" + GetLinkExtension(programFile),
        UninstallArgument, programIcon);
    const std::string readme = installationDir + ReadmeFileName;
    CopyFileAsLink(readme, group + ChangeFileExtension(ReadmeFileName, GetLinkExtension(readme)),
        true, false, true, "");
}

bool TInstaller::IsInstalledCopy() const
{
    const std::string installedProgram
        = ProgramOfUninstallCommand(ReadUninstallString(ProgramName));
    return !installedProgram.empty() && IsSameFile(installedProgram, ProgramPath)
        && IsSameFile(GetFileDir(installedProgram), InstallTo);
}

void TInstaller::Uninstall()
{
    FUNCTION_NAME("TInstallForm::Uninstall");
    ErrorGuardShow(HERE, TR("Error", "Failed to uninstall program."), [&] {
        if (InstallTo.empty())
            RaiseError(HERE, TR("Error", "Uninstallation directory is empty."));
        // Only a directory that the installer made is deleted: a copy started anywhere else
        // would take the folder it happens to sit in with it.
        if (!IsInstalledCopy()) {
            WarningDialog(FormatText(TR("Message",
                                         "Nothing was deleted. This copy of %1 in \"%2\" was not "
                                         "installed by the installer."),
                {ProgramName, InstallTo}));
            return;
        }
        if (!QueryDialog(FormatText(
                TR("Message", "Delete directory \"%1\" (and all contained files)?"), {InstallTo})))
            return;

        DeleteInstallationDirectory();
        DeleteTreeAtRestart(InstallTo);
        // The machine's shortcuts, and those that earlier versions put into the user's own folders.
        DeleteShortcuts(GetCommonDesktopPath(), GetCommonProgramsMenuPath());
        DeleteShortcuts(GetDesktopPath(), GetProgramsMenuPath());
        DeleteUninstallerRegistry(ProgramName);
        MessageDialog(TR(
            "Message", "Uninstallation successful. Some files that were in use were not deleted."));
    });
}

void TInstaller::DeleteShortcuts(const std::string &desktop, const std::string &programsMenu) const
{
    if (!desktop.empty())
        deletePlainFile(desktop + ProgramName + GetLinkExtension(ProgramPath));
    // A group already deleted by hand is nothing to delete, and must not keep the entry.
    if (!programsMenu.empty() && PathExists(programsMenu + FolderName()))
        DeleteDirectoryNoErrors(programsMenu + FolderName());
}

// Deletes the installation directory but the running program file: it stays, as it would where
// a file in use cannot be deleted, and with it the directory.
void TInstaller::DeleteInstallationDirectory() const
{
    FUNCTION_NAME("TInstaller::DeleteInstallationDirectory");
    std::error_code error;
    fs::directory_iterator listing(SystemPath(InstallTo), error);
    if (error)
        RaiseError(HERE, TR("Error", "Can not find directory."), InstallTo);
    std::vector<std::string> entries;
    for (const fs::directory_iterator end; !error && listing != end; listing.increment(error))
        entries.push_back(Utf8Path(listing->path()));
    if (error)
        RaiseError(HERE, TR("Error", "Failed to delete directory content."), InstallTo);

    for (const std::string &path : entries) {
        if (IsSameFile(path, ProgramPath))
            continue;
        if (fs::is_directory(fs::symlink_status(SystemPath(path), error)))
            DeleteDirectoryNoErrors(path);
        else
            deletePlainFile(path);
    }
    fs::remove(SystemPath(InstallTo), error); // stays when something in it was left
}
