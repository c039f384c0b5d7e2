// Shortcuts as shell links (.lnk), written through the shell's link object.

#include "platform/File.h"

#include "core/Error.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WideText.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "core/Texts.h"
#include <functional>
#include <utility>

namespace {

// Releases a COM interface at scope end.
template<class Interface>
class TComPointer
{
public:
    TComPointer() = default;
    ~TComPointer()
    {
        if (pointer_)
            pointer_->Release();
    }
    TComPointer(const TComPointer &) = delete;
    TComPointer &operator=(const TComPointer &) = delete;

    Interface *operator->() const { return pointer_; }
    Interface &operator*() const { return *pointer_; }
    void **Out() { return reinterpret_cast<void **>(&pointer_); }

private:
    Interface *pointer_ = nullptr;
};

// A working directory without its trailing delimiter, except a drive's root.
std::wstring workingDirectory(const std::string &path)
{
    std::wstring full = Widen(GetFullFileName(path));
    if (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/'))
        full.pop_back();
    return full;
}

// Saves the link whole: into a temporary beside linkPath that then replaces it, so that a
// failure leaves an old shortcut as it was and a link in its place is not written through.
HRESULT saveBeside(IPersistFile &file, const std::string &linkPath)
{
    const std::wstring folder = Widen(GetFileDir(GetFullFileName(linkPath)));
    wchar_t temporary[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), L"~lk", 0, temporary) == 0)
        return HRESULT_FROM_WIN32(GetLastError());
    HRESULT result = file.Save(temporary, FALSE);
    const std::wstring target = Widen(linkPath);
    if (SUCCEEDED(result) && !RetryWhileHeld([&] {
            return MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING);
        }))
        result = HRESULT_FROM_WIN32(GetLastError());
    if (FAILED(result))
        DeleteFileW(temporary);
    return result;
}

void writeShortcut(TFunStatContext &local, const TLinkFile &link, const std::string &linkPath)
{
    FUNCTION_NAME("TLinkFile::Save");
    const TComScope com;
    TComPointer<IShellLinkW> shellLink;
    TComPointer<IPersistFile> persistFile;
    const std::wstring reference = Widen(link.ReferencePath);
    const std::wstring working = workingDirectory(link.WorkingPath);
    const std::wstring arguments = Widen(link.Arguments);
    const std::wstring description = Widen(link.Description);
    const std::wstring iconPath = Widen(GetFullFileName(link.IconPath));
    // The shell starts a link whose show command is 0 in a normal window; say so explicitly.
    const int showCommand = link.ShowCommand == 0 ? SW_SHOWNORMAL : link.ShowCommand;
    const std::pair<std::string, std::function<HRESULT()>> steps[] = {
        {TR("Error", "Failed to initialize instance."),
            [&] {
                return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                    IID_IShellLinkW, shellLink.Out());
            }},
        {TR("Error", "Failed to set reference path."),
            [&] { return shellLink->SetPath(reference.c_str()); }},
        {TR("Error", "Failed to set working path."),
            [&] { return shellLink->SetWorkingDirectory(working.c_str()); }},
        {TR("Error", "Failed to set arguments."),
            [&] { return shellLink->SetArguments(arguments.c_str()); }},
        {TR("Error", "Failed to set description."),
            [&] { return shellLink->SetDescription(description.c_str()); }},
        {TR("Error", "Failed to set icon path."),
            [&] { return shellLink->SetIconLocation(iconPath.c_str(), link.IconIndex); }},
        {TR("Error", "Failed to set hot key."), [&] { return shellLink->SetHotkey(link.HotKey); }},
        {TR("Error", "Failed to set show command."),
            [&] { return shellLink->SetShowCmd(showCommand); }},
        {TR("Error", "Failed to query interface."),
            [&] { return shellLink->QueryInterface(IID_IPersistFile, persistFile.Out()); }},
        {TR("Error", "Failed to save link file."),
            [&] { return saveBeside(*persistFile, linkPath); }},
    };
    for (const auto &[failure, step] : steps) {
        const HRESULT result = step();
        if (ComCallFailed(result)) {
            local.SetRaise(HERE, fsError, failure, linkPath, {}, static_cast<uint32_t>(result));
            return;
        }
    }
}

} // namespace

void TLinkFile::Clear()
{
    *this = TLinkFile();
}

void TLinkFile::Save(const std::string &linkPath, bool overwrite)
{
    FUNCTION_NAME("TLinkFile::Save");
    ReferencePath = GetFullFileName(ReferencePath);
    if (!IsLinkFile(ReferencePath) && !overwrite
        && GetFileAttributesW(Widen(linkPath).c_str()) != INVALID_FILE_ATTRIBUTES) {
        FunStatContext.BeginFunction(HERE);
        return;
    }
    StatusGuard(HERE, [&](TFunStatContext &local) {
        if (IsLinkFile(ReferencePath))
            local.SetRaise(HERE, fsError,
                TR("Error", "This operating system does not support chained links."), linkPath);
        else
            writeShortcut(local, *this, linkPath);
        if (local.Status == fsError)
            Clear();
    });
}
