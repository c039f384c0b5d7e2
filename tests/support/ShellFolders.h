#pragma once
// Windows tests only: the special folders that installing writes to and deletes from (Desktop, the
// start menu's Programs, My Pictures, Program Files, and every user's Desktop and Programs)
// redirected into a folder of the test's own for the scope of one object, so that no test touches
// the real ones. Under Wine the real Desktop and Pictures are the Unix home folder.
//
// SHGetFolderPathW reads the user folders from the "User Shell Folders" values of HKCU (and
// writes their resolved paths to the "Shell Folders" twins), and Program Files from HKLM's
// "ProgramFilesDir"; Windows and Wine alike. Every value touched comes back at scope end, and one
// that was missing is removed again.
//
// The folders are made here, as plain folders, and must not be deleted while the redirection
// stands: asked for a missing Desktop or My Pictures, Wine's SHGetFolderPathW makes it a Unix
// symbolic link into the home folder ($HOME or $HOME/Desktop, $HOME/Pictures). Programs and
// Program Files it makes as plain folders, so those may be removed to see them made again.
//
// The registry values are shared by every process of the machine (or Wine prefix), so
// redirections in test programs that run at the same time wait for each other.

#include "platform/win32/WideText.h"

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class TShellFolders
{
public:
    // base: a folder (made when missing) in an existing one; the four folders are made below it
    // as Desktop(), Programs(), Pictures() and ProgramFiles() say.
    explicit TShellFolders(const std::string &base)
        : turn_(CreateMutexW(nullptr, FALSE, L"Local\\MosavoTestShellFolders")),
          desktop_(base + "\\Desktop"),
          programs_(base + "\\Start Menu\\Programs"),
          pictures_(base + "\\My Pictures"),
          programFiles_(base + "\\Program Files"),
          commonDesktop_(base + "\\Public\\Desktop"),
          commonPrograms_(base + "\\All Users Start Menu\\Programs")
    {
        if (turn_)
            WaitForSingleObject(turn_, INFINITE);
        try {
            for (const std::string &folder : {base, base + "\\Start Menu", desktop_, programs_,
                     pictures_, programFiles_, base + "\\Public", commonDesktop_,
                     base + "\\All Users Start Menu", commonPrograms_})
                makePlainFolder(folder);
            redirectUserFolder(L"Desktop", desktop_);
            redirectUserFolder(L"Programs", programs_);
            redirectUserFolder(L"My Pictures", pictures_);
            redirect(
                HKEY_LOCAL_MACHINE, CurrentVersionKey, L"ProgramFilesDir", REG_SZ, programFiles_);
            redirectCommonFolder(L"Common Desktop", commonDesktop_);
            redirectCommonFolder(L"Common Programs", commonPrograms_);
        } catch (...) {
            restore();
            releaseTurn();
            throw;
        }
    }
    ~TShellFolders()
    {
        restore();
        releaseTurn();
    }
    TShellFolders(const TShellFolders &) = delete;
    TShellFolders &operator=(const TShellFolders &) = delete;

    // The redirected folders, without trailing delimiter.
    const std::string &Desktop() const { return desktop_; }
    const std::string &Programs() const { return programs_; }
    const std::string &Pictures() const { return pictures_; }
    const std::string &ProgramFiles() const { return programFiles_; }
    // Every user's desktop and Programs menu.
    const std::string &CommonDesktop() const { return commonDesktop_; }
    const std::string &CommonPrograms() const { return commonPrograms_; }

private:
    static constexpr const wchar_t *CurrentVersionKey
        = L"Software\\Microsoft\\Windows\\CurrentVersion";
    static constexpr const wchar_t *UserShellFoldersKey
        = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const wchar_t *ShellFoldersKey
        = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

    struct TSavedValue
    {
        HKEY Root;
        std::wstring Key;
        std::wstring Name;
        std::optional<DWORD> Type; // none: the value did not exist
        std::vector<BYTE> Data;
    };

    void releaseTurn()
    {
        if (!turn_)
            return;
        ReleaseMutex(turn_);
        CloseHandle(turn_);
        turn_ = nullptr;
    }

    static void makePlainFolder(const std::string &folder)
    {
        const std::wstring wide = Widen(folder);
        CreateDirectoryW(wide.c_str(), nullptr);
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)
            || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            throw std::runtime_error("TShellFolders: cannot make the plain folder " + folder);
    }

    void redirectUserFolder(const wchar_t *name, const std::string &folder)
    {
        redirect(HKEY_CURRENT_USER, UserShellFoldersKey, name, REG_EXPAND_SZ, folder);
        redirect(HKEY_CURRENT_USER, ShellFoldersKey, name, REG_SZ, folder);
    }

    // The folders of every user live in HKLM's twins of the same keys.
    void redirectCommonFolder(const wchar_t *name, const std::string &folder)
    {
        redirect(HKEY_LOCAL_MACHINE, UserShellFoldersKey, name, REG_EXPAND_SZ, folder);
        redirect(HKEY_LOCAL_MACHINE, ShellFoldersKey, name, REG_SZ, folder);
    }

    void redirect(
        HKEY root, const wchar_t *key, const wchar_t *name, DWORD type, const std::string &folder)
    {
        HKEY handle = nullptr;
        if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                &handle, nullptr)
            != ERROR_SUCCESS)
            throw std::runtime_error("TShellFolders: cannot open a shell folder key");
        TSavedValue saved {root, key, name, std::nullopt, {}};
        DWORD oldType = 0;
        DWORD size = 0;
        if (RegQueryValueExW(handle, name, nullptr, &oldType, nullptr, &size) == ERROR_SUCCESS) {
            saved.Data.resize(size);
            if (RegQueryValueExW(handle, name, nullptr, &oldType, saved.Data.data(), &size)
                == ERROR_SUCCESS) {
                saved.Type = oldType;
                saved.Data.resize(size);
            }
        }
        const std::wstring value = Widen(folder);
        const LSTATUS written
            = RegSetValueExW(handle, name, 0, type, reinterpret_cast<const BYTE *>(value.c_str()),
                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
        if (written != ERROR_SUCCESS)
            throw std::runtime_error("TShellFolders: cannot redirect a shell folder");
        saved_.push_back(std::move(saved));
    }

    void restore()
    {
        for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
            HKEY handle = nullptr;
            if (RegOpenKeyExW(saved->Root, saved->Key.c_str(), 0, KEY_SET_VALUE, &handle)
                != ERROR_SUCCESS)
                continue;
            if (saved->Type)
                RegSetValueExW(handle, saved->Name.c_str(), 0, *saved->Type, saved->Data.data(),
                    static_cast<DWORD>(saved->Data.size()));
            else
                RegDeleteValueW(handle, saved->Name.c_str());
            RegCloseKey(handle);
        }
        saved_.clear();
    }

    HANDLE turn_;
    std::string desktop_;
    std::string programs_;
    std::string pictures_;
    std::string programFiles_;
    std::string commonDesktop_;
    std::string commonPrograms_;
    std::vector<TSavedValue> saved_;
};
