#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The tags of a page's markup, read as the media pages need them: names and
// attributes, no tree. Plain ASCII rules, independent of the locale.
namespace platform::html {

struct Tag {
    std::string name; // lower case; an end tag's starts with '/'
    std::vector<std::pair<std::string, std::optional<std::string>>> attributes;

    bool isEnd() const { return !name.empty() && name.front() == '/'; }
    // The attribute by its lower-case name; its value is empty for a bare attribute.
    const std::pair<std::string, std::optional<std::string>>* attribute(std::string_view wanted) const;
    // The attribute's value, or "" where it has none.
    std::string value(std::string_view wanted) const;
};

// Reads the tags of `html` in order. Comments, the content of script and style
// elements and a '<' that opens no tag are passed over; an unclosed comment or script
// ends the markup.
class TagReader {
public:
    explicit TagReader(std::string_view html) : html_(html) {}
    // The next tag into `tag`; false at the end.
    bool next(Tag& tag);

private:
    std::string_view html_;
    std::size_t at_ = 0;
};

bool isSpace(char c);

} // namespace platform::html
