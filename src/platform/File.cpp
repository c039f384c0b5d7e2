// The parts of the File unit that every platform shares.

#include "platform/File.h"

#include "core/Error.h"
#include "core/File.h"

namespace {

// The system's show command for a minimised window that takes no focus (SW_SHOWMINNOACTIVE).
constexpr int32_t ShowMinimisedNoActivate = 7;

} // namespace

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

std::string GetCommonDesktopPath()
{
    return GetSystemDirectoryPath(sfCommonDesktop);
}

std::string GetCommonProgramsMenuPath()
{
    return GetSystemDirectoryPath(sfCommonPrograms);
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

void CopyFileAsLink(const std::string &target, const std::string &linkPath, bool overwrite,
    bool minimised, bool setWorkingPath, const std::string &arguments)
{
    FUNCTION_NAME("CopyFileAsLink");
    StatusGuard(HERE, [&](TFunStatContext &local) {
        TLinkFile link;
        link.ReferencePath = target;
        if (setWorkingPath)
            link.WorkingPath = GetFileDir(GetFullFileName(target));
        link.Arguments = arguments;
        link.ShowCommand = minimised ? ShowMinimisedNoActivate : 0;
        link.Save(linkPath, overwrite);
        CalleeFailed(local);
    });
}

void CopyFileAsLinkWithParam(const std::string &target, const std::string &linkPath,
    const std::string &arguments, const std::string & /*reserved*/, bool overwrite)
{
    FUNCTION_NAME("CopyFileAsLinkWithParam");
    StatusGuard(HERE, [&](TFunStatContext &local) {
        TLinkFile link;
        link.ReferencePath = target;
        link.WorkingPath = GetFileDir(GetFullFileName(target));
        link.Arguments = arguments;
        link.Save(linkPath, overwrite);
        CalleeFailed(local);
    });
}
