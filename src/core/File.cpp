#include "core/File.h"

#include "core/Basic.h"

#include <cstddef>
#include <string_view>

namespace {

// The index just past the last delimiter, 0 when there is none.
std::size_t nameStart(const std::string &path)
{
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathDelimiter(path[i - 1]))
            return i;
    return 0;
}

// Bytes of the UTF-8 sequence that starts at `at`, so that '?' stands for one character.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t n = 1;
    while (n < length && at + n < text.size()
        && (static_cast<unsigned char>(text[at + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// Wildcard match with one backtracking point per '*': linear memory, at worst name x pattern
// steps, whatever the input.
bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*")
        return true;
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            n += characterLength(name, n);
            ++p;
        } else if (p < pattern.size() && LowerAscii(pattern[p]) == LowerAscii(name[n])) {
            ++n;
            ++p;
        } else if (starPattern != std::string_view::npos) {
            starName += characterLength(name, starName);
            n = starName;
            p = starPattern;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string_view trimmedBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

bool IsPathDelimiter(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

std::string AddTrailingBackslash(const std::string &path)
{
    // Windows takes '/' as a delimiter too: "C:/x/" gets no second one.
    if (path.empty() || path.back() == PathDelimiter || path.back() == '/')
        return path;
    return path + PathDelimiter;
}

bool IsDriveOnly([[maybe_unused]] const std::string &path)
{
#ifdef _WIN32
    return path.size() >= 2 && path.back() == ':';
#else
    return false;
#endif
}

std::string GetFileDir(const std::string &path)
{
    if (IsDriveOnly(path))
        return {};
    return path.substr(0, nameStart(path));
}

std::string GetFileNamePart(const std::string &path)
{
    if (IsDriveOnly(path))
        return path;
    return path.substr(nameStart(path));
}

std::string GetFileExtension(const std::string &path)
{
    const std::string name = GetFileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExtension(const std::string &path, const std::string &extension)
{
    const std::string oldExtension = GetFileExtension(path);
    return path.substr(0, path.size() - oldExtension.size()) + extension;
}

bool MatchesFileMask(const std::string &fileName, const std::string &mask)
{
    if (mask.empty())
        return true;
    std::string_view rest = mask;
    while (true) {
        const std::size_t separator = rest.find(';');
        if (matchesPattern(fileName, trimmedBlanks(rest.substr(0, separator))))
            return true;
        if (separator == std::string_view::npos)
            return false;
        rest.remove_prefix(separator + 1);
    }
}

bool IsLinkFile(const std::string &path)
{
    const std::string extension = GetFileExtension(path);
    return SameTextIgnoringCase(extension, ".desktop") || SameTextIgnoringCase(extension, ".lnk")
        || SameTextIgnoringCase(extension, ".pif");
}

std::string GetLinkExtension(const std::string &)
{
#ifdef _WIN32
    return ".lnk";
#else
    return ".desktop";
#endif
}
