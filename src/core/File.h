#pragma once
// Path texts: directory and name parts, trailing delimiters, wildcard masks and shortcut names.
// Pure string work; everything that asks the file system is in platform/File.h.

#include <cstddef>
#include <string>

// MaxPathLength: the longest path the platform opens, in bytes, its terminating NUL not counted.
#ifdef _WIN32
constexpr char PathDelimiter = '\\';
constexpr std::size_t MaxPathLength = 259;
#else
constexpr char PathDelimiter = '/';
constexpr std::size_t MaxPathLength = 4095;
#endif

// Whether the character ends a directory component: the delimiter (and, where drives exist,
// the drive colon and the forward slash).
bool IsPathDelimiter(char c);

// Empty stays empty; otherwise the delimiter is appended unless the path already ends with one.
std::string AddTrailingBackslash(const std::string &path);
// A bare drive such as "C:"; POSIX paths have no drives, so never there.
bool IsDriveOnly(const std::string &path);
// Everything up to and including the last delimiter; empty when there is none.
std::string GetFileDir(const std::string &path);
// Everything after the last delimiter.
std::string GetFileNamePart(const std::string &path);
// The extension of the name part with its dot (".txt"); empty when the name has none.
std::string GetFileExtension(const std::string &path);
// The path with the extension of its name part replaced by `extension` (dot included).
std::string ChangeFileExtension(const std::string &path, const std::string &extension);

// ";"-separated wildcard patterns ("*.jpg;*.png"), case of ASCII letters ignored. '*' matches
// any run of characters, '?' exactly one; "*.*" matches every name. An empty mask matches
// everything.
bool MatchesFileMask(const std::string &fileName, const std::string &mask);

// Shortcut files: desktop entries, shell links (".lnk") and the old ".pif" kind.
bool IsLinkFile(const std::string &path);
// The extension a shortcut to `path` gets: ".lnk" on Windows, ".desktop" elsewhere.
std::string GetLinkExtension(const std::string &path);
