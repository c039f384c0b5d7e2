// Parses arbitrary bytes as an ini file; the written text must parse back to the same text.
#include "core/StoredTextList.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TMemIniFile first;
    first.SetText(std::string_view(reinterpret_cast<const char *>(data), size));
    const std::string written = first.GetText();

    TMemIniFile second;
    second.SetText(written);
    if (second.GetText() != written) {
        std::fprintf(stderr, "ini text changed on the second round\n");
        std::abort();
    }
    // Lookups agree between the two rounds, and ReadInteger follows the number rule.
    for (const TIniSection &section : first.Sections())
        for (const std::string &line : section.Lines) {
            const size_t equals = line.find('=');
            if (equals == std::string::npos)
                continue;
            const std::string key = line.substr(0, equals);
            const std::string value = first.ReadString(section.Name, key, {});
            int32_t number = 0;
            const int32_t expected = TryTextToInteger(value, number) ? number : 7;
            if (second.ReadString(section.Name, key, {}) != value
                || second.ReadInteger(section.Name, key, 7) != expected) {
                std::fprintf(stderr, "lookups differ for key \"%s\"\n", key.c_str());
                std::abort();
            }
        }
    return 0;
}
