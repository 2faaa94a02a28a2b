#include "HtmlTags.h"

#include "Ascii.h"

#include <algorithm>

namespace platform::html {

namespace {

std::size_t findNoCase(std::string_view text, std::string_view needle, std::size_t from)
{
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at)
        if (ascii::startsWithNoCase(text, at, needle))
            return at;
    return std::string_view::npos;
}

// Reads the tag that opens at html[at] == '<'; returns the index after it.
std::size_t readTag(std::string_view html, std::size_t at, Tag& tag)
{
    const std::size_t n = html.size();
    std::size_t i = at + 1;
    if (i < n && html[i] == '/') {
        tag.name.push_back('/');
        ++i;
    }
    const std::size_t nameStart = i;
    while (i < n && (ascii::isAlpha(html[i]) || ascii::isDigit(html[i]) || html[i] == '-'))
        ++i;
    tag.name += ascii::lowered(html.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < n && (isSpace(html[i]) || html[i] == '/'))
            ++i;
        if (i >= n)
            return n;
        if (html[i] == '>')
            return i + 1;
        const std::size_t keyStart = i;
        while (i < n && !isSpace(html[i]) && html[i] != '>' && html[i] != '=' && html[i] != '/')
            ++i;
        std::string key = ascii::lowered(html.substr(keyStart, i - keyStart));
        while (i < n && isSpace(html[i]))
            ++i;
        std::optional<std::string> value;
        if (i < n && html[i] == '=') {
            ++i;
            while (i < n && isSpace(html[i]))
                ++i;
            if (i < n && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const std::size_t end = std::min(html.find(quote, i), n);
                value = std::string(html.substr(i, end - i));
                i = end < n ? end + 1 : n;
            } else {
                const std::size_t valueStart = i;
                while (i < n && !isSpace(html[i]) && html[i] != '>')
                    ++i;
                value = std::string(html.substr(valueStart, i - valueStart));
            }
        }
        if (!key.empty())
            tag.attributes.emplace_back(std::move(key), std::move(value));
    }
}

} // namespace

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

const std::pair<std::string, std::optional<std::string>>* Tag::attribute(std::string_view wanted) const
{
    for (const auto& entry : attributes)
        if (entry.first == wanted)
            return &entry;
    return nullptr;
}

std::string Tag::value(std::string_view wanted) const
{
    const auto* entry = attribute(wanted);
    return entry && entry->second ? *entry->second : std::string{};
}

bool TagReader::next(Tag& tag)
{
    while (at_ < html_.size() && (at_ = html_.find('<', at_)) != std::string_view::npos) {
        if (html_.substr(at_, 4) == "<!--") {
            const auto end = html_.find("-->", at_ + 4);
            at_ = end == std::string_view::npos ? html_.size() : end + 3;
            continue;
        }
        if (at_ + 1 >= html_.size() || (!ascii::isAlpha(html_[at_ + 1]) && html_[at_ + 1] != '/')) {
            ++at_;
            continue;
        }
        tag = Tag{};
        at_ = readTag(html_, at_, tag);
        if (tag.name == "script" || tag.name == "style") {
            const auto end = findNoCase(html_, "</" + tag.name, at_);
            at_ = end == std::string_view::npos ? html_.size() : end;
        }
        return true;
    }
    at_ = html_.size();
    return false;
}

} // namespace platform::html
