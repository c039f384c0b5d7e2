#pragma once
// Shell links read back as the shell sees them, for the Windows tests.

#include "platform/win32/WinTestFolders.h"

#include <objbase.h>
#include <shlobj.h>

#include <optional>
#include <string>

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
inline std::optional<TShortcut> LoadShortcut(const std::string &linkPath)
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
