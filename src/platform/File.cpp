// The parts of the File unit that every platform shares.

#include "platform/File.h"

#include "core/Error.h"

std::string GetMyPicturesPath()
{
    return GetSystemDirectoryPath(sfMyPictures);
}

std::string GetDesktopPath()
{
    return GetSystemDirectoryPath(sfDesktop);
}

std::string GetProgramsMenuPath()
{
    return GetSystemDirectoryPath(sfProgramsMenu);
}

std::string GetProgramFilesPath()
{
    return GetSystemDirectoryPath(sfProgramFiles);
}

void OpenSite(const std::string &address, const std::string &failureMessage)
{
    FUNCTION_NAME("OpenSite");
    StatusGuard(HERE, [&](TFunStatContext &local) {
        RunFile(address, {}, {}, false, true);
        if (CalleeFailed(local)) {
            local.SetShow(HERE);
            local.Show(failureMessage);
        }
        local.Reset(fsPerfect);
    });
}
