#include "core/SystemFile.h"

std::FILE *OpenSystemFile(const std::filesystem::path &path, const char *mode)
{
    return std::fopen(path.c_str(), mode);
}

void ReplaceSystemFile(
    const std::filesystem::path &from, const std::filesystem::path &to, std::error_code &error)
{
    std::filesystem::rename(from, to, error);
}
