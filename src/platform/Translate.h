#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A text of the game as its source gives it, with the context translators find it
// under (the window or part it belongs to). The English source is the text shown
// when no translation is loaded.
struct SourceText {
    const char* context;
    const char* text;
};

// The text with %1, %2, ... replaced by the given pieces, in one pass, so a piece that
// itself holds "%2" stays as it is. A translation may put the pieces in any order.
std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args);
std::string withArgs(std::string_view text, const std::vector<std::string>& args);

} // namespace platform

// Marks a text for translation. lupdate reads it as QCoreApplication::translate
// (scripts/update-translations passes -tr-function-alias translate+=TR_TEXT), and the
// runtime looks it up through the platform: runtime.text(TR_TEXT("frmLand", "Tag")).
#define TR_TEXT(context, text) (::platform::SourceText{context, text})
