#pragma once

#include <string>

namespace platform {
class Browser;
}

namespace sound {

// Requests a media page by name: the application path followed directly by the
// name, which begins with a backslash. Returns at once; the page replaces whatever
// the control was playing.
void playCue(platform::Browser& browser, const std::string& page);

} // namespace sound
