#include "core/Texts.h"

#include <utility>
#include <vector>

namespace {

TTextTranslator &textTranslator()
{
    static TTextTranslator translator;
    return translator;
}

} // namespace

void SetTextTranslator(TTextTranslator translator)
{
    textTranslator() = std::move(translator);
}

std::string TranslatedText(
    const char *context, const char *text, const char *disambiguation, int count)
{
    const TTextTranslator &translator = textTranslator();
    if (translator)
        return translator(context, text, disambiguation, count);
    std::string english(text);
    const std::size_t at = english.find("%n");
    if (count >= 0 && at != std::string::npos)
        english.replace(at, 2, std::to_string(count));
    return english;
}

std::string FormatText(const std::string &pattern, std::initializer_list<std::string> values)
{
    const std::vector<std::string> value(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const std::size_t index = next >= '1' && next <= '9' ? next - '1' : value.size();
        if (pattern[at] == '%' && index < value.size()) {
            text += value[index];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}
