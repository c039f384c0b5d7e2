#pragma once
// Texts the player reads. Every layer writes them in English where they arise and marks them
// with TR, which lupdate reads as a translatable text of the given context; at run time TR gives
// the text in the player's language through the translator that the window layer installs, and
// without one the English text itself. Sentences with values in them are written whole, with
// %1, %2 ... where the values go (FormatText), so that each language may order them its own way.

#include <functional>
#include <initializer_list>
#include <string>

// `count` is the number that picks the plural form, or -1 for a text without one.
using TTextTranslator = std::function<std::string(
    const char *context, const char *text, const char *disambiguation, int count)>;

// An empty translator gives the English texts again.
void SetTextTranslator(TTextTranslator translator);

std::string TranslatedText(
    const char *context, const char *text, const char *disambiguation = nullptr, int count = -1);

// Puts the values in place of %1 ... %9, in one pass: a value that holds "%2" stays as it is.
std::string FormatText(const std::string &pattern, std::initializer_list<std::string> values);

#define TR(context, text) ::TranslatedText(context, text)
// Marks a text that is kept in English where it is written (a log line) and translated where it
// is shown, by TranslatedText(context, text).
#define TR_MARK(context, text) text
// A text with %n, in the plural form that `count` asks for; `disambiguation` tells the translators
// where the text stands (or nullptr).
#define TR_N(context, text, disambiguation, count)                                                 \
    ::TranslatedText(context, text, disambiguation, count)
