#pragma once

#include <string>
#include <string_view>

// Character tests and case folding of ASCII alone, as addresses and page markup use
// them: unlike <cctype>, independent of the locale and defined for every char.
namespace platform::ascii {

constexpr bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr char toLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toLower(c);
    return out;
}

// Whether text[at...] begins with `prefix`, which is in lower case, in any case.
inline bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    if (at > text.size() || text.size() - at < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (toLower(text[at + i]) != prefix[i])
            return false;
    return true;
}

} // namespace platform::ascii
