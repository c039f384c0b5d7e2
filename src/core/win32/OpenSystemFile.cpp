#include "core/Error.h"
#include "core/SystemFile.h"

#include <fcntl.h>
#include <io.h>
#include <iterator>
#include <string>
#include <windows.h>

namespace {

// The C runtime's fopen knows no exclusive creation, so the file is made with CREATE_NEW, which
// fails on any existing entry and never writes through a link, and handed to the runtime.
std::FILE *createExclusively(const std::filesystem::path &path, const char *mode)
{
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        SetLastSystemError(GetLastError());
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::string plainMode(mode);
    std::erase(plainMode, 'x');
    std::FILE *file = _fdopen(descriptor, plainMode.c_str());
    if (!file)
        _close(descriptor);
    return file;
}

} // namespace

std::FILE *OpenSystemFile(const std::filesystem::path &path, const char *mode)
{
    if (std::string(mode).find('x') != std::string::npos)
        return createExclusively(path, mode);
    const std::string narrowMode(mode);
    return _wfopen(path.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
}

void ReplaceSystemFile(
    const std::filesystem::path &from, const std::filesystem::path &to, std::error_code &error)
{
    // The pauses of the platform layer's retries (RetryWhileHeld): about a second in all.
    constexpr DWORD pauses[] = {20, 50, 100, 200, 300, 330};
    error.clear();
    for (std::size_t attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
            return;
        const DWORD code = GetLastError();
        if ((code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED)
            || attempt == std::size(pauses)) {
            SetLastSystemError(code);
            error = std::error_code(static_cast<int>(code), std::system_category());
            return;
        }
        Sleep(pauses[attempt]);
    }
}
