#include "platform/Install.h"

#include "core/File.h"

#include <cstdlib>
#include <string>

namespace {

std::string environmentPath(const char *name)
{
    const char *value = std::getenv(name);
    // XDG base directories must be absolute; a relative value counts as unset.
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string dataHome()
{
    const std::string configured = environmentPath("XDG_DATA_HOME");
    if (!configured.empty())
        return AddTrailingBackslash(configured);
    const std::string home = environmentPath("HOME");
    return home.empty() ? std::string() : AddTrailingBackslash(home) + ".local/share/";
}

} // namespace

// The folder is the program's own, whatever name the entry is written under.
std::string UninstallRegistryFileName()
{
    const std::string base = dataHome();
    return base.empty() ? std::string() : base + "Mosavo/registry.ini";
}
