#pragma once
// Temporary folders, files and directory links for the Windows tests, through the wide Windows
// calls so that every name works.

#include "core/Error.h"
#include "platform/File.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>

inline bool RunningUnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A fresh folder below the Windows temporary folder, deleted at the end (links are not followed).
class TWinTempFolder
{
public:
    TWinTempFolder()
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        path_ = Narrow(base) + "mosavo-test-" + std::to_string(std::random_device()());
        if (!CreateDirectoryW(Widen(path_).c_str(), nullptr))
            throw std::runtime_error("TWinTempFolder: CreateDirectoryW failed");
    }
    ~TWinTempFolder()
    {
        ErrorGuardSwallow(
            __FILE__, "~TWinTempFolder", __LINE__, [&] { DeleteDirectoryNoErrors(path_); });
    }
    TWinTempFolder(const TWinTempFolder &) = delete;
    TWinTempFolder &operator=(const TWinTempFolder &) = delete;

    const std::string &Path() const { return path_; }
    std::string operator/(const std::string &relative) const { return path_ + "\\" + relative; }

private:
    std::string path_;
};

// Makes the directories of a path below an existing folder.
inline void MakeDirectories(const std::string &path)
{
    for (std::size_t at = path.find_first_of("\\/", 3); at != std::string::npos;
         at = path.find_first_of("\\/", at + 1))
        CreateDirectoryW(Widen(path.substr(0, at)).c_str(), nullptr);
    CreateDirectoryW(Widen(path).c_str(), nullptr);
}

inline void WriteWideFile(const std::string &path, const std::string &text)
{
    MakeDirectories(GetFileDir(path));
    const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("WriteWideFile: cannot create " + path);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// The content, or "(missing)" when the file cannot be opened.
inline std::string ReadWideFile(const std::string &path)
{
    const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

inline DWORD AttributesOf(const std::string &path)
{
    return GetFileAttributesW(Widen(path).c_str());
}

// A symbolic link at `link` to the folder or file `target`, removed at scope end. Windows makes
// one when this user may. Wine 8 pretends to make one (CreateSymbolicLinkW succeeds and makes
// nothing) and cannot set reparse points, but shows Unix symbolic links to folders as reparse
// points, and those to files as plain files: there the Unix ln makes the link, started as Wine
// starts any Unix program.
class TLink
{
public:
    TLink(const std::string &target, const std::string &link, bool directory = true)
        : link_(link), directory_(directory)
    {
        if (RunningUnderWine())
            made_ = runUnix({"/bin/ln", "-s", unixName(target), unixName(link)})
                && settles([&] { return AttributesOf(link) != INVALID_FILE_ATTRIBUTES; });
        else
            made_ = CreateSymbolicLinkW(Widen(link).c_str(), Widen(target).c_str(),
                (directory ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0)
                    | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        const DWORD attributes = AttributesOf(link);
        made_ = made_ && attributes != INVALID_FILE_ATTRIBUTES
            && ((RunningUnderWine() && !directory) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT));
    }
    ~TLink()
    {
        if (!made_)
            return;
        // Wine sees a link whose target is gone as missing, so the Unix rm goes in any case.
        if (RunningUnderWine())
            runUnix({"/bin/rm", "-f", unixName(link_)})
                && settles([&] { return AttributesOf(link_) == INVALID_FILE_ATTRIBUTES; });
        else if (directory_)
            RemoveDirectoryW(Widen(link_).c_str());
        else
            DeleteFileW(Widen(link_).c_str());
    }
    TLink(const TLink &) = delete;
    TLink &operator=(const TLink &) = delete;

    bool Made() const { return made_; }
    static const char *WhyNot()
    {
        return "this user may not make symbolic links (developer mode or administrator rights "
               "are needed)";
    }

private:
    static std::string unixName(const std::string &path)
    {
        using TUnixName = char *(CDECL *)(const wchar_t *);
        const auto convert = reinterpret_cast<TUnixName>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        char *name = convert ? convert(Widen(path).c_str()) : nullptr;
        if (!name)
            throw std::runtime_error("TLink: no Unix name for " + path);
        std::string result = name;
        HeapFree(GetProcessHeap(), 0, name);
        return result;
    }

    // Wine gives no waitable process for a Unix program, so its effect is waited for.
    template<class Condition>
    static bool settles(Condition condition)
    {
        for (int i = 0; i < 500 && !condition(); ++i)
            Sleep(10);
        return condition();
    }

    static bool runUnix(std::initializer_list<std::string> arguments)
    {
        std::wstring line;
        for (const std::string &argument : arguments)
            line += (line.empty() ? L"\"" : L" \"") + Widen(argument) + L"\"";
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process {};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                &startup, &process))
            return false;
        // Closing the handles that Wine hands back for a Unix program broke this process's later
        // registry calls (seen when the whole program runs in one process), so they stay open.
        if (!RunningUnderWine()) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        return true;
    }

    std::string link_;
    bool directory_;
    bool made_ = false;
};
