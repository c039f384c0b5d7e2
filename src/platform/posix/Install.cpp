#include "platform/Install.h"

#include "core/File.h"
#include "platform/posix/FileInternal.h"

#include <string>

// The folder is the program's own, whatever name the entry is written under.
std::string UninstallRegistryFileName()
{
    const std::string base = XdgBaseDirectory("XDG_DATA_HOME", ".local/share");
    return base.empty() ? std::string() : AddTrailingBackslash(base) + "Mosavo/registry.ini";
}
