#include "platform/File.h"

#include "core/Error.h"
#include "platform/win32/WinShortcut.h"

#include <gtest/gtest.h>

TEST(WinShortcut, EveryFieldReadsBackThroughTheShell)
{
    TWinTempFolder temp;
    const std::string program = temp / "Mosavo ☺\\Mosavo.exe";
    WriteWideFile(program, "MZ");
    MakeDirectories(temp / "Schreibtisch");
    const std::string linkPath = temp / "Schreibtisch\\Überraschung ☺.lnk";

    TLinkFile link;
    link.ReferencePath = program;
    link.WorkingPath = temp / "Mosavo ☺\\";
    link.Arguments = "/Uninstall \"ä b\"";
    link.Description = "Bilder ☺ legen";
    link.IconPath = temp / "Mosavo ☺\\Mosavo.exe";
    link.IconIndex = 2;
    link.HotKey = MAKEWORD('M', HOTKEYF_CONTROL | HOTKEYF_ALT);
    link.ShowCommand = SW_SHOWMINNOACTIVE;
    link.Save(linkPath, false);
    ASSERT_EQ(FunStatContext.Status, fsPerfect) << FunStatContext.Description;
    EXPECT_EQ(ReadWideFile(linkPath).substr(0, 4), std::string("L\0\0\0", 4)) << "a shell link";

    const std::optional<TShortcut> shortcut = LoadShortcut(linkPath);
    ASSERT_TRUE(shortcut);
    EXPECT_EQ(shortcut->Path, program);
    EXPECT_EQ(shortcut->Arguments, "/Uninstall \"ä b\"");
    EXPECT_EQ(shortcut->WorkingDirectory, temp / "Mosavo ☺");
    EXPECT_EQ(shortcut->Description, "Bilder ☺ legen");
    EXPECT_EQ(shortcut->IconPath, program);
    EXPECT_EQ(shortcut->IconIndex, 2);
    EXPECT_EQ(shortcut->HotKey, MAKEWORD('M', HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_EQ(shortcut->ShowCommand, SW_SHOWMINNOACTIVE);

    // Without overwrite an existing shortcut stays, and the caller sees the begin mark.
    TLinkFile other;
    other.ReferencePath = temp / "Other.exe";
    other.Save(linkPath, false);
    EXPECT_EQ(FunStatContext.Status, fsBeginFunctionError);
    EXPECT_EQ(LoadShortcut(linkPath)->Path, program);

    // The installer's shortcut: the target's folder to work in, a normal window, its own icon.
    CopyFileAsLink(program, linkPath, true, false, true, "");
    EXPECT_EQ(FunStatContext.Status, fsPerfect);
    const std::optional<TShortcut> plain = LoadShortcut(linkPath);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Arguments, "");
    EXPECT_EQ(plain->WorkingDirectory, temp / "Mosavo ☺");
    EXPECT_EQ(plain->IconPath, "");
    EXPECT_EQ(plain->ShowCommand, SW_SHOWNORMAL);
    EXPECT_EQ(plain->HotKey, 0);
}

TEST(WinShortcut, FailuresAreReportedAndClearTheLink)
{
    TWinTempFolder temp;
    TLinkFile chained;
    chained.ReferencePath = temp / "Mosavo.LNK";
    chained.Arguments = "/x";
    chained.Save(temp / "Chained.lnk", true);
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "This operating system does not support chained links.");
    EXPECT_EQ(chained.Arguments, "");
    EXPECT_EQ(AttributesOf(temp / "Chained.lnk"), INVALID_FILE_ATTRIBUTES);

    CopyFileAsLinkWithParam(
        temp / "Mosavo.exe", temp / "missing\\Uninstall.lnk", "/Uninstall", "", true);
    EXPECT_EQ(FunStatContext.Status, fsError);
    EXPECT_EQ(FunStatContext.Description, "Failed to save link file.");
    EXPECT_EQ(FunStatContext.Parameter1, temp / "missing\\Uninstall.lnk");
    EXPECT_NE(FunStatContext.SystemErrorCode, 0u);
}
