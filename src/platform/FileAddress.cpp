#include "FileAddress.h"

namespace platform {

namespace {

bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
char toLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toLower(c);
    return out;
}

} // namespace

std::string schemeOf(std::string_view url)
{
    const auto colon = url.find(':');
    if (colon == std::string_view::npos || colon < 2 || !isAsciiAlpha(url[0]))
        return {};
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = url[i];
        if (!isAsciiAlpha(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.')
            return {};
    }
    return lowered(url.substr(0, colon));
}

std::string percentDecoded(std::string_view text)
{
    auto hex = [](char c) {
        if (isAsciiDigit(c))
            return c - '0';
        c = toLower(c);
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2])));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<std::string> fileUrlPath(std::string_view url)
{
    std::string_view rest = url.substr(5); // after "file:"
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const auto slash = rest.find('/');
        const std::string host = lowered(rest.substr(0, slash));
        if (!host.empty() && host != "localhost")
            return std::nullopt;
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash);
    }
    return percentDecoded(rest.substr(0, rest.find_first_of("?#")));
}

std::string pathFromAddress(std::string_view address)
{
    std::string path(address);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (schemeOf(path) == "file")
        return fileUrlPath(path).value_or(std::string{});
    return path;
}

} // namespace platform
