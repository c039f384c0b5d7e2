// The parts of the File unit that every platform shares.

#include "platform/File.h"

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
