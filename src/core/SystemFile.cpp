#include "core/SystemFile.h"

#include <string_view>

std::filesystem::path SystemPath(const std::string &utf8Path)
{
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t *>(utf8Path.data()), utf8Path.size()));
}

std::string Utf8Path(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
