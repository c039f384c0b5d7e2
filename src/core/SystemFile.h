#pragma once
// The bridge between the program's path texts (UTF-8) and the names the file system takes (bytes
// here, UTF-16 on Windows), for the standard library's file functions.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

std::filesystem::path SystemPath(const std::string &utf8Path);
std::string Utf8Path(const std::filesystem::path &path);

// std::fopen for a path in the file system's own characters; a mode with 'x' ("wbx") creates the
// file exclusively, failing on any existing entry, links included. Failure: nullptr with the last
// system error set.
std::FILE *OpenSystemFile(const std::filesystem::path &path, const char *mode);
// std::filesystem::rename of a file over another. On Windows a target that a virus scanner, the
// indexer or a backup tool holds open for a moment (a sharing violation, or access denied while
// it is pending deletion) is tried again for about a second before the failure is given.
void ReplaceSystemFile(
    const std::filesystem::path &from, const std::filesystem::path &to, std::error_code &error);
