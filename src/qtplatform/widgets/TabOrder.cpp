#include "TabOrder.h"

#include <algorithm>

namespace qtplatform {

std::vector<platform::Control*> inTabOrder(const std::vector<platform::Control*>& controls,
                                           const TabStopFilter& takesFocus)
{
    std::vector<platform::Control*> ordered;
    for (platform::Control* control : controls)
        if (takesFocus(*control))
            ordered.push_back(control);
    std::stable_sort(ordered.begin(), ordered.end(), [](platform::Control* a, platform::Control* b) {
        return a->style().tabIndex < b->style().tabIndex;
    });
    return ordered;
}

platform::Control* nextInTabOrder(const std::vector<platform::Control*>& controls, int after,
                                  const TabStopFilter& takesFocus)
{
    for (platform::Control* control : inTabOrder(controls, takesFocus))
        if (control->style().tabIndex > after)
            return control;
    return nullptr;
}

} // namespace qtplatform
