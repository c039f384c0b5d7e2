#include "platform/DataLocations.h"

#include "core/File.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "platform/Program.h"

namespace {

TDataLocations chooseDataLocations()
{
    const std::string programDir = GetProgramDir();
    if (KeepsFilesBesideProgram(programDir))
        return DataLocationsBeside(programDir);
    TDataLocations user = UserDataLocations();
    return user.OptionsFile.empty() ? DataLocationsBeside(programDir) : user;
}

} // namespace

const TDataLocations &DataLocations()
{
    static const TDataLocations locations = chooseDataLocations();
    return locations;
}

TDataLocations DataLocationsBeside(const std::string &programDir)
{
    return {programDir + OptionsFileName, programDir + ErrorLogFileName,
        programDir + GamesFolderName + PathDelimiter, programDir + RecoveryFileName};
}
