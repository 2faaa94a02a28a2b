#include "MediaPage.h"

#include "RegularFile.h"
#include "Wave.h"
#include "platform/Ascii.h"
#include "platform/FileAddress.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace sound {

namespace ascii = platform::ascii;
using platform::fileUrlPath;
using platform::percentDecoded;
using platform::schemeOf;

namespace {

constexpr std::size_t soundHeadBytes = 64 * 1024;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    if (text.size() - at < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (ascii::toLower(text[at + i]) != prefix[i])
            return false;
    return true;
}

std::size_t findNoCase(std::string_view text, std::string_view needle, std::size_t from)
{
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at)
        if (startsWithNoCase(text, at, needle))
            return at;
    return std::string_view::npos;
}


std::string entitiesDecoded(std::string_view text)
{
    static const std::pair<std::string_view, char> named[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&#39;", '\''},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : named) {
                if (startsWithNoCase(text, i, entity)) {
                    out.push_back(c);
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out.push_back(text[i++]);
    }
    return out;
}

struct Tag {
    std::string name; // lower case; an end tag starts with '/'
    std::vector<std::pair<std::string, std::optional<std::string>>> attributes;

    const std::pair<std::string, std::optional<std::string>>* attribute(std::string_view wanted) const
    {
        for (const auto& entry : attributes)
            if (entry.first == wanted)
                return &entry;
        return nullptr;
    }
    std::string value(std::string_view wanted) const
    {
        const auto* entry = attribute(wanted);
        return entry && entry->second ? *entry->second : std::string{};
    }
};

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

std::optional<MediaPage> MediaPage::parse(std::string_view html, const std::string& directory)
{
    auto make = [&directory](const std::string& rawSource, bool loop) -> std::optional<MediaPage> {
        std::string source = entitiesDecoded(rawSource);
        while (!source.empty() && isSpace(source.front()))
            source.erase(source.begin());
        while (!source.empty() && isSpace(source.back()))
            source.pop_back();
        for (char& c : source)
            if (c == '\\')
                c = '/';
        std::string path;
        const std::string scheme = schemeOf(source);
        if (scheme == "file") {
            const auto filePath = fileUrlPath(source);
            if (!filePath)
                return std::nullopt;
            path = *filePath;
        } else if (!scheme.empty()) {
            return std::nullopt;
        } else {
            path = percentDecoded(std::string_view(source).substr(0, source.find_first_of("?#")));
        }
        if (path.empty() || path.back() == '/' || path.find('\0') != std::string::npos)
            return std::nullopt;
        std::filesystem::path resolved(path);
        if (resolved.is_relative() && !directory.empty())
            resolved = std::filesystem::path(directory) / resolved;
        return MediaPage(resolved.lexically_normal().string(), loop);
    };

    bool inAudio = false;
    bool audioLoops = false;
    std::size_t i = 0;
    while ((i = html.find('<', i)) != std::string_view::npos) {
        if (html.substr(i, 4) == "<!--") {
            const auto end = html.find("-->", i + 4);
            if (end == std::string_view::npos)
                break;
            i = end + 3;
            continue;
        }
        if (i + 1 >= html.size() || (!ascii::isAlpha(html[i + 1]) && html[i + 1] != '/')) {
            ++i;
            continue;
        }
        Tag tag;
        i = readTag(html, i, tag);
        if (tag.name == "script" || tag.name == "style") {
            const auto end = findNoCase(html, "</" + tag.name, i);
            if (end == std::string_view::npos)
                break;
            i = end;
        } else if (tag.name == "audio") {
            inAudio = true;
            audioLoops = tag.attribute("loop") != nullptr;
            if (const std::string src = tag.value("src"); !src.empty())
                return make(src, audioLoops);
        } else if (tag.name == "/audio") {
            inAudio = false;
        } else if (tag.name == "source" && inAudio) {
            if (const std::string src = tag.value("src"); !src.empty())
                return make(src, audioLoops);
        } else if (tag.name == "embed") {
            const auto* loop = tag.attribute("loop");
            const std::string loopValue = ascii::lowered(tag.value("loop"));
            if (const std::string src = tag.value("src"); !src.empty())
                return make(src, loop && loopValue != "false" && loopValue != "0");
        }
    }
    return std::nullopt;
}

std::optional<MediaPage> MediaPage::load(const std::string& pagePath)
{
    const auto html = readRegularFile(pagePath, maxPageBytes, false);
    if (!html || html->empty())
        return std::nullopt;
    auto page = parse(*html, std::filesystem::path(pagePath).parent_path().string());
    if (!page)
        return std::nullopt;
    const auto sound = readRegularFile(page->soundFile(), soundHeadBytes, true);
    if (!sound || !Wave::parse(*sound))
        return std::nullopt;
    return page;
}

} // namespace sound
