#pragma once

#include <optional>
#include <string>
#include <string_view>

// Addresses of pages and sounds on this computer, as the help browser and the media
// pages take them: a backslash counts as a separator, and a file: URL names a path.
namespace platform {

// The scheme of a URL such as "http:", lower-cased; empty for a plain path or a
// drive letter ("C:/...").
std::string schemeOf(std::string_view url);

// %XX escapes decoded; a '%' not followed by two hex digits stays as it is.
std::string percentDecoded(std::string_view text);

// The path of a file: URL, its escapes decoded and its query and fragment dropped:
// "file:///a/b" and "file://localhost/a/b" give "/a/b". Nothing for a file on
// another computer. `url` must begin with "file:", in any case.
std::optional<std::string> fileUrlPath(std::string_view url);

// A navigation target as a path: backslashes become slashes, and a file: URL gives
// its path ("" for another computer). Anything else stays as it is.
std::string pathFromAddress(std::string_view address);

} // namespace platform
