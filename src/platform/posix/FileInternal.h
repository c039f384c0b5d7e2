#pragma once
// Helpers shared by the POSIX parts of the File and Program units.

#include <string>
#include <vector>

// Splits a command-line text at blanks; double quotes group blanks into one argument.
std::vector<std::string> SplitCommandLine(const std::string &text);
// The whole content of a small file, such as a settings file or one under /proc; empty when it
// cannot be read. Plain reads: the program's start reads such files, and a file stream would first
// set up the C++ library's locales.
std::string ReadSmallFile(const std::string &path);
// A regular file that this user may execute.
bool IsExecutableFile(const std::string &path);
// A mkstemp pattern for a hidden temporary beside path, short enough for any name.
std::string TemporaryPatternBeside(const std::string &path);
// An XDG base directory: the variable when it holds an absolute path (a relative value counts as
// unset), else the home folder + homeRelative; empty when there is no home folder.
std::string XdgBaseDirectory(const char *variable, const std::string &homeRelative);
