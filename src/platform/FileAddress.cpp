#include "FileAddress.h"

#include "Ascii.h"

namespace platform {

std::string schemeOf(std::string_view url)
{
    const auto colon = url.find(':');
    if (colon == std::string_view::npos || colon < 2 || !ascii::isAlpha(url[0]))
        return {};
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = url[i];
        if (!ascii::isAlpha(c) && !ascii::isDigit(c) && c != '+' && c != '-' && c != '.')
            return {};
    }
    return ascii::lowered(url.substr(0, colon));
}

std::string percentDecoded(std::string_view text)
{
    auto hex = [](char c) {
        if (ascii::isDigit(c))
            return c - '0';
        c = ascii::toLower(c);
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
        const std::string host = ascii::lowered(rest.substr(0, slash));
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
