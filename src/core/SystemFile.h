#pragma once
// The bridge between the program's path texts (UTF-8) and the names the file system takes (bytes
// here, UTF-16 on Windows), for the standard library's file functions.

#include <cstdio>
#include <filesystem>
#include <string>

std::filesystem::path SystemPath(const std::string &utf8Path);
std::string Utf8Path(const std::filesystem::path &path);

// std::fopen for a path in the file system's own characters; a mode with 'x' ("wbx") creates the
// file exclusively, failing on any existing entry, links included. Failure: nullptr with the last
// system error set.
std::FILE *OpenSystemFile(const std::filesystem::path &path, const char *mode);
