#include "platform/File.h"

#include "core/Error.h"
#include "platform/win32/WinTestFolders.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

namespace {

// What the shell reads back from a shortcut file.
struct TShortcut
{
    std::string Path;
    std::string Arguments;
    std::string WorkingDirectory;
    std::string Description;
    std::string IconPath;
    int IconIndex = -1;
    WORD HotKey = 0;
    int ShowCommand = -1;
};

// Read as the shell resolves a shortcut: the target through its item list (Wine's GetPath gives
// the code-page form of the path, '?' for other characters), and the show command from the file
// header (Wine's loader does not read it back).
std::optional<TShortcut> LoadShortcut(const std::string &linkPath)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW *link = nullptr;
    IPersistFile *file = nullptr;
    std::optional<TShortcut> shortcut;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
            reinterpret_cast<void **>(&link)))
        && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))
        && SUCCEEDED(file->Load(Widen(linkPath).c_str(), STGM_READ))) {
        wchar_t text[1024];
        shortcut.emplace();
        PIDLIST_ABSOLUTE items = nullptr;
        text[0] = 0;
        if (SUCCEEDED(link->GetIDList(&items)) && items)
            SHGetPathFromIDListW(items, text);
        CoTaskMemFree(items);
        shortcut->Path = Narrow(text);
        text[0] = 0;
        link->GetArguments(text, 1024);
        shortcut->Arguments = Narrow(text);
        text[0] = 0;
        link->GetWorkingDirectory(text, 1024);
        shortcut->WorkingDirectory = Narrow(text);
        text[0] = 0;
        link->GetDescription(text, 1024);
        shortcut->Description = Narrow(text);
        text[0] = 0;
        link->GetIconLocation(text, 1024, &shortcut->IconIndex);
        shortcut->IconPath = Narrow(text);
        link->GetHotkey(&shortcut->HotKey);
        const std::string header = ReadWideFile(linkPath);
        constexpr std::size_t ShowCommandOffset = 0x3C;
        if (header.size() >= ShowCommandOffset + 4)
            shortcut->ShowCommand = static_cast<unsigned char>(header[ShowCommandOffset]);
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return shortcut;
}

} // namespace

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
