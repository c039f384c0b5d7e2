#include "platform/Install.h"

#include "core/Basic.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/StoredTextList.h"
#include "platform/File.h"
#include "platform/posix/FileInternal.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The registry's path, kept as the section name so that the entry reads as it would there.
constexpr const char *UninstallKeyPath
    = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The whole list, or an entry below another one, is never a key of ours.
bool isOneKeyName(const std::string &keyName)
{
    return !keyName.empty() && keyName.find('\\') == std::string::npos;
}

} // namespace

// The folder is the program's own, whatever name the entry is written under.
std::string UninstallRegistryFileName()
{
    const std::string base = XdgBaseDirectory("XDG_DATA_HOME", ".local/share");
    return base.empty() ? std::string() : AddTrailingBackslash(base) + "Mosavo/registry.ini";
}

std::string UninstallRegistryKey(const std::string &keyName)
{
    return UninstallKeyPath + keyName;
}

void SetUninstallRegistry(const std::string &keyName, const TUninstallEntry &entry)
{
    FUNCTION_NAME("SetUninstallRegistry");
    if (!isOneKeyName(keyName))
        return;
    ErrorGuardSwallow(HERE, [&] {
        std::error_code error;
        fs::create_directories(GetFileDir(UninstallRegistryFileName()), error);
        TMemIniFile registry(UninstallRegistryFileName());
        const std::string key = UninstallRegistryKey(keyName);
        registry.WriteString(key, "DisplayName", entry.DisplayName);
        registry.WriteString(key, "UninstallString", entry.UninstallString);
        const std::pair<const char *, const std::string *> texts[] = {
            {"DisplayIcon", &entry.DisplayIcon},
            {"DisplayVersion", &entry.DisplayVersion},
            {"Publisher", &entry.Publisher},
            {"InstallLocation", &entry.InstallLocation},
        };
        for (const auto &[name, value] : texts)
            if (!value->empty())
                registry.WriteString(key, name, *value);
        if (entry.EstimatedSizeKiB != 0)
            registry.WriteString(key, "EstimatedSize", std::to_string(entry.EstimatedSizeKiB));
        registry.WriteString(key, "NoModify", "1");
        registry.WriteString(key, "NoRepair", "1");
        registry.UpdateFile();
    });
}

void DeleteUninstallerRegistry(const std::string &keyName)
{
    FUNCTION_NAME("DeleteUninstallerRegistry");
    if (!isOneKeyName(keyName))
        return;
    ErrorGuardSwallow(HERE, [&] {
        const std::string fileName = UninstallRegistryFileName();
        if (!PathExists(fileName))
            return;
        TMemIniFile registry(fileName);
        const std::string key = UninstallRegistryKey(keyName);
        const std::string subkeyPrefix = key + "\\";
        std::vector<std::string> doomed;
        for (const TIniSection &section : registry.Sections())
            if (SameTextIgnoringCase(section.Name, key)
                || SameTextIgnoringCase(
                    std::string_view(section.Name).substr(0, subkeyPrefix.size()), subkeyPrefix))
                doomed.push_back(section.Name);
        if (doomed.empty())
            return;
        for (const std::string &section : doomed)
            registry.EraseSection(section);
        registry.UpdateFile();
    });
}

std::string ReadUninstallString(const std::string &keyName)
{
    FUNCTION_NAME("ReadUninstallString");
    std::string uninstallString;
    if (!isOneKeyName(keyName))
        return uninstallString;
    ErrorGuardSwallow(HERE, [&] {
        const std::string fileName = UninstallRegistryFileName();
        if (!PathExists(fileName))
            return;
        const TMemIniFile registry(fileName);
        uninstallString = registry.ReadString(UninstallRegistryKey(keyName), "UninstallString", "");
    });
    return uninstallString;
}

TElevatedRun StartElevatedAndWait()
{
    return {}; // the installer writes only the user's own folders
}

void DeleteTreeAtRestart(const std::string & /*path*/) { }

// The installation lies in the user's own home, which only that user may write.
bool MakeInstallationDirectory(const std::string &dir)
{
    return MakeCopyDestination(dir);
}
