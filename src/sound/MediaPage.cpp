#include "MediaPage.h"

#include "platform/Ascii.h"
#include "platform/FileAddress.h"
#include "platform/HtmlTags.h"
#include "platform/RegularFile.h"

#include <filesystem>
#include <utility>

namespace sound {

namespace ascii = platform::ascii;
using platform::fileUrlPath;
using platform::percentDecoded;
using platform::schemeOf;
using platform::html::isSpace;

namespace {

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
                if (ascii::startsWithNoCase(text, i, entity)) {
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
    platform::html::TagReader reader(html);
    platform::html::Tag tag;
    while (reader.next(tag)) {
        if (tag.name == "audio") {
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
    const auto html = platform::readRegularFile(pagePath, maxPageBytes);
    if (!html || html->empty())
        return std::nullopt;
    return parse(*html, std::filesystem::path(pagePath).parent_path().string());
}

} // namespace sound
