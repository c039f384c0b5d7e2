#include "core/SystemFile.h"

std::FILE *OpenSystemFile(const std::filesystem::path &path, const char *mode)
{
    return std::fopen(path.c_str(), mode);
}
