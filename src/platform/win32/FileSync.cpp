#include "platform/FileSync.h"

#include "core/Error.h"
#include "core/StoredTextList.h"
#include "platform/win32/FileInternal.h"
#include "platform/win32/WideText.h"

bool SyncFileToDisk(const std::string &path)
{
    const std::wstring wide = Widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        SetLastSystemError(GetLastError());
        return false;
    }
    // Windows cannot flush a folder on its own: FlushFileBuffers takes files and volumes only.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return true;
    // Flushing asks for write access; the data of every handle to the file goes to the disk.
    const TUniqueHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || !FlushFileBuffers(file.Get())) {
        SetLastSystemError(GetLastError());
        return false;
    }
    return true;
}

void InstallFileSyncHook()
{
    SetFileSyncHook(SyncFileToDisk);
}
