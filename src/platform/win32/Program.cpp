#include "platform/Program.h"

#include "core/Error.h"
#include "core/MyRandom.h"
#include "platform/File.h"
#include "platform/FileSync.h"
#include "platform/win32/WideText.h"

#include <atomic>
#include <exception>
#include <vector>

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

TProgram Program;

namespace {

constexpr const char *MutexPrefix = "Mutex_ProgramInstance_";

HANDLE instanceMutex = nullptr;
bool comInitialized = false;

// The system's message text in the user's language, or empty for a code it has none for.
std::string systemErrorText(uint32_t code)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer)
        text = Narrow(std::wstring(buffer, length));
    if (buffer)
        LocalFree(buffer);
    return text;
}

std::wstring moduleFileName()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    while (true) {
        const DWORD length
            = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        // A full buffer means the name was cut.
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// Short (8.3) components spelled out, as the user sees the path.
std::wstring longPathName(const std::wstring &path)
{
    const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0)
        return path;
    std::wstring result(needed, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), result.data(), needed);
    if (length == 0 || length >= needed)
        return path;
    result.resize(length);
    return result;
}

std::string executablePath()
{
    const std::wstring path = moduleFileName();
    return path.empty() ? std::string() : Narrow(longPathName(path));
}

// The arguments split by the system's own rules for quotes and backslashes.
std::vector<std::string> commandLineArguments()
{
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    if (!arguments)
        return result;
    for (int i = 0; i < count; ++i)
        result.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return result;
}

// Taken once, so that renaming or deleting the program file later changes nothing.
const std::string &startPath()
{
    static const std::string path = executablePath();
    return path;
}

const std::vector<std::string> &startArguments()
{
    static const std::vector<std::string> arguments = commandLineArguments();
    return arguments;
}

} // namespace

TProgram::TProgram()
{
    std::set_terminate(TerminateProgramFun);
    SetLastSystemError(0);
    // Shortcuts are written through COM, on this (the GUI) thread.
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comInitialized = SUCCEEDED(result);
    SetProgramPathProvider(GetProgramPath);
    SetSystemErrorTextProvider(systemErrorText);
    InstallFileSyncHook();
    SetSystemTickCount(SystemTickCount);
    startPath();
    startArguments();
}

TProgram::~TProgram()
{
    SetLastSystemError(0);
    if (comInitialized)
        CoUninitialize();
    comInitialized = false;
}

void TerminateProgram()
{
    // Unlike ExitProcess, this runs no DLL detach code and no static destructors of the runtime.
    TerminateProcess(GetCurrentProcess(), 1);
    ExitProcess(1); // not reached; TerminateProcess on this process does not return
}

const char *const ProgramFileExtension = ".exe";

// A kernel object, not a file: named in this session's namespace, as another start of the
// program by the same user in the same session sees it.
std::string ProgramInstanceLockPath(const std::string &name)
{
    return MutexPrefix + name;
}

bool IsProgramInstanceRunning(const std::string &name)
{
    SetLastSystemError(0);
    // Not inheritable (no security attributes), so a started program does not keep the lock.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, Widen(ProgramInstanceLockPath(name)).c_str());
    const DWORD error = GetLastError();
    if (mutex && error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    // The mutex exists, but its security shuts this token out: a process of another token (an
    // elevated one, or another account's) holds it.
    if (!mutex)
        return error == ERROR_ACCESS_DENIED; // else as if this were the only instance
    CloseProgramInstance();
    instanceMutex = mutex;
    return false;
}

void CloseProgramInstance()
{
    if (instanceMutex)
        CloseHandle(instanceMutex);
    instanceMutex = nullptr;
}

std::string GetProgramPath()
{
    return startPath();
}

std::string GetProgramParam(int32_t n)
{
    if (n == 0)
        return GetProgramPath();
    const std::vector<std::string> &arguments = startArguments();
    if (n < 0 || static_cast<std::size_t>(n) >= arguments.size())
        return {};
    return arguments[static_cast<std::size_t>(n)];
}

std::vector<std::string> GetProgramParams()
{
    const std::vector<std::string> &arguments = startArguments();
    if (arguments.empty())
        return {};
    return {arguments.begin() + 1, arguments.end()};
}

uint32_t SystemTickCount()
{
    return GetTickCount();
}
