// Path texts and masks: no crash, no runaway matching, and the parts of a path add up to it.

#include "core/File.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool hasMaskSyntax(const std::string &text)
{
    return text.find_first_of("*?;") != std::string::npos || text.empty() || text.front() == ' '
        || text.back() == ' ';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::size_t split = input.find('\n');
    const std::string name = input.substr(0, split);
    const std::string mask = split == std::string::npos ? std::string() : input.substr(split + 1);

    MatchesFileMask(name, mask);
    check(MatchesFileMask(name, "*"));
    check(MatchesFileMask(name, mask + ";*"));
    if (!hasMaskSyntax(name))
        check(MatchesFileMask(name, name));

    check(GetFileDir(name) + GetFileNamePart(name) == name);
    check(AddTrailingBackslash(AddTrailingBackslash(name)) == AddTrailingBackslash(name));
    check(GetFileExtension(ChangeFileExtension(name, ".desktop")) == ".desktop"
        || GetFileNamePart(name).empty());
    return 0;
}
