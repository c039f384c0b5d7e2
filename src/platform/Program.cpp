// The parts of the Program unit that every platform shares.

#include "platform/Program.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "platform/Install.h"

#include <atomic>

void TerminateProgramFun()
{
    FUNCTION_NAME("TerminateProgramFun");
    static std::atomic<bool> entered {false};
    if (!entered.exchange(true)) {
        try {
            const std::string description
                = TR("Error", "Abort intercepted.\r\nProgram must be terminated.");
            FunStatContext.SetRaise(HERE, fsError, description, {}, {}, 0);
            FunStatContext.SetShow(HERE);
            FunStatContext.Show(description);
            FunStatContext.Reset(fsPerfect);
        } catch (...) {
            // Ending the process matters more than the report.
        }
    }
    TerminateProgram();
}

std::string GetProgramDir()
{
    return GetFileDir(GetProgramPath());
}

std::string GetProgramFileName()
{
    return GetFileNamePart(GetProgramPath());
}

std::string GetCommandLineFile()
{
    const std::string argument = GetProgramParam(1);
    if (argument.empty() || argument.front() == '-' || IsUninstallArgument(argument))
        return {};
    return GetFullFileName(argument);
}
