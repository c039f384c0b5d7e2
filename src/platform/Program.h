#pragma once
// The running process as a whole: single instance, the program file's location and arguments,
// termination.

#include <cstdint>
#include <string>
#include <vector>

// Lives for the whole process: installs the terminate handler and core's program-path,
// system-error-text, file-sync and tick-count services.
class TProgram
{
public:
    TProgram();
    ~TProgram();
    TProgram(const TProgram &) = delete;
    TProgram &operator=(const TProgram &) = delete;
};

extern TProgram Program;

// The terminate handler: reports "Abort intercepted." and ends the process with exit code 1.
[[noreturn]] void TerminateProgramFun();
// Ends the process at once with exit code 1; no exit handlers or static destructors run.
[[noreturn]] void TerminateProgram();

// Takes the per-user lock "Mutex_ProgramInstance_" + name; true when another process holds it.
// The lock is released by CloseProgramInstance or when this process ends, however it ends.
//   posix/  an flock on a file of that name in the runtime folder;
//   win32/  a named mutex of the user's session, as the system's own single-instance idiom; a
//           mutex whose security shuts this process out (an elevated instance's) is held too.
bool IsProgramInstanceRunning(const std::string &name);
void CloseProgramInstance();
// Where the lock of IsProgramInstanceRunning(name) lives: the lock file's path, or on Windows
// the mutex's name.
std::string ProgramInstanceLockPath(const std::string &name);

// What a program file's name ends with: "" on posix/, ".exe" on win32/.
extern const char *const ProgramFileExtension;

// The running program file's full path, links resolved, as it was when the program started.
std::string GetProgramPath();
// Its directory, ending with the delimiter.
std::string GetProgramDir();
std::string GetProgramFileName();
// Command-line argument n; 0 is GetProgramPath; empty beyond the last.
std::string GetProgramParam(int32_t n);
// Every argument after the program, empty ones included.
std::vector<std::string> GetProgramParams();
// The file to open that the command line names: its first argument, unless that is an option
// (it begins with "-") or "/Uninstall". A full name, a relative one taken from the current
// folder; empty when there is none.
std::string GetCommandLineFile();

// Milliseconds since the system started, from the kernel's coarse clock: a few nanoseconds a read,
// so that the random source can take it on every draw.
uint32_t SystemTickCount();
