#pragma once

#include "platform/Control.h"

#include <functional>
#include <vector>

namespace qtplatform {

using TabStopFilter = std::function<bool(const platform::Control&)>;

// The controls that `takesFocus` accepts, in tab order: by tab index, and controls of
// the same index in their order on the form.
std::vector<platform::Control*> inTabOrder(const std::vector<platform::Control*>& controls,
                                           const TabStopFilter& takesFocus);

// The first of them whose tab index is above `after`; null if there is none.
platform::Control* nextInTabOrder(const std::vector<platform::Control*>& controls, int after,
                                  const TabStopFilter& takesFocus);

} // namespace qtplatform
