#include "CuePlayer.h"

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

namespace sound {

void playCue(platform::Browser& browser, const std::string& page)
{
    browser.navigate2(browser.form().runtime().appPath() + page);
}

} // namespace sound
