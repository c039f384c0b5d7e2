#pragma once
// The elevated start's mechanics on Windows, apart from the decision whether to make it.

#include "platform/Install.h"

#include <string>

// Starts `program` with `parameters` through the shell's `verb` ("runas" asks for elevation) and
// waits until it ends, keeping this thread's messages flowing meanwhile, so that a broadcast to
// the windows of this thread never waits on it. Finished with the exit code, Refused when the
// user said no (ERROR_CANCELLED), else Failed with the system's error.
TElevatedRun ShellExecuteAndWait(
    const std::wstring &verb, const std::wstring &program, const std::wstring &parameters);
