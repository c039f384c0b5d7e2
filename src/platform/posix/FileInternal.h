#pragma once
// Helpers shared by the POSIX parts of the File unit.

#include <string>
#include <vector>

// Splits a command-line text at blanks; double quotes group blanks into one argument.
std::vector<std::string> SplitCommandLine(const std::string &text);
// A regular file that this user may execute.
bool IsExecutableFile(const std::string &path);
// A mkstemp pattern for a hidden temporary beside path, short enough for any name.
std::string TemporaryPatternBeside(const std::string &path);
