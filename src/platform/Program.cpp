// The parts of the Program unit that every platform shares.

#include "platform/Program.h"

#include "platform/File.h"
#include "platform/Install.h"

std::string GetCommandLineFile()
{
    const std::string argument = GetProgramParam(1);
    if (argument.empty() || argument.front() == '-' || IsUninstallArgument(argument))
        return {};
    return GetFullFileName(argument);
}
