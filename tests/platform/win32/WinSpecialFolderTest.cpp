#include "platform/File.h"

#include "platform/win32/WinTestFolders.h"
#include "support/ShellFolders.h"

#include <gtest/gtest.h>

TEST(WinSpecialFolders, EachFolderFollowsItsRedirectionAndIsCreated)
{
    TWinTempFolder temp;
    const std::string desktopBefore = GetDesktopPath();
    const std::string programFilesBefore = GetProgramFilesPath();
    {
        const TShellFolders folders(temp / "Profil ☺");
        // Wine would make a missing Desktop or My Pictures a link into the home folder.
        RemoveDirectoryW(Widen(folders.Programs()).c_str());
        RemoveDirectoryW(Widen(folders.ProgramFiles()).c_str());
        EXPECT_EQ(AttributesOf(folders.ProgramFiles()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetMyPicturesPath(), folders.Pictures() + "\\");
        EXPECT_EQ(GetDesktopPath(), folders.Desktop() + "\\");
        EXPECT_EQ(GetProgramsMenuPath(), folders.Programs() + "\\");
        EXPECT_EQ(GetProgramFilesPath(), folders.ProgramFiles() + "\\");
        EXPECT_EQ(GetCommonDesktopPath(), folders.CommonDesktop() + "\\");
        EXPECT_EQ(GetCommonProgramsMenuPath(), folders.CommonPrograms() + "\\");
        EXPECT_EQ(GetSystemDirectoryPath(0x19), folders.CommonDesktop() + "\\");
        EXPECT_EQ(GetSystemDirectoryPath(0x17), folders.CommonPrograms() + "\\");
        for (const std::string &folder : {folders.Desktop(), folders.Programs(), folders.Pictures(),
                 folders.ProgramFiles(), folders.CommonDesktop(), folders.CommonPrograms()})
            EXPECT_EQ(
                AttributesOf(folder) & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
                static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY))
                << folder << " is a plain folder";
    }
    EXPECT_EQ(GetDesktopPath(), desktopBefore) << "the redirection ends with its scope";
    EXPECT_EQ(GetProgramFilesPath(), programFilesBefore);
    EXPECT_EQ(GetSystemDirectoryPath(0x7F), "");
}
