#include "PageHistory.h"

namespace qtplatform {

void PageHistory::push(const PageTarget& target)
{
    if (has(position_) && target.kind != PageTarget::Kind::Problem && at(position_).url == target.url) {
        entries_[static_cast<std::size_t>(position_)] = target;
        return;
    }
    entries_.resize(static_cast<std::size_t>(position_ + 1));
    entries_.push_back(target);
    if (entries_.size() > maxEntries)
        entries_.erase(entries_.begin());
    position_ = static_cast<int>(entries_.size()) - 1;
}

} // namespace qtplatform
