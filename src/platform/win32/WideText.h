#pragma once
// Text at the Windows boundary: the program keeps UTF-8 in std::string, and every Windows call
// takes and gives UTF-16 through its W function.

#include <string>

// Invalid UTF-8 sequences become U+FFFD rather than losing the rest of the name.
std::wstring Widen(const std::string &utf8);
std::string Narrow(const std::wstring &utf16);
std::string Narrow(const wchar_t *utf16);
