#include "platform/FileSync.h"

#include "core/Error.h"
#include "core/StoredTextList.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool SyncFileToDisk(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The failure of fsync is the one to report, not that of close.
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced)
        SetLastSystemError(static_cast<uint32_t>(syncError));
    return synced;
}

void InstallFileSyncHook()
{
    SetFileSyncHook(SyncFileToDisk);
}
