#pragma once

#include "PageTarget.h"

#include <cstddef>
#include <vector>

namespace qtplatform {

// The help browser's history: the pages it has shown, oldest first, and the one on
// display. It keeps the newest maxEntries.
class PageHistory {
public:
    static constexpr std::size_t maxEntries = 100;

    // The entry on display, or -1 before the first page.
    int position() const { return position_; }
    bool has(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }
    const PageTarget& at(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    // A page opened anew. The same address as the entry on display takes its place;
    // anything else drops the entries after it and is added.
    void push(const PageTarget& target);
    void moveTo(int index) { position_ = index; }

private:
    std::vector<PageTarget> entries_;
    int position_ = -1;
};

} // namespace qtplatform
