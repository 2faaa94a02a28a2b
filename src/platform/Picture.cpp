#include "Picture.h"

#include <atomic>

namespace platform {

struct Picture::Object {
    std::uint64_t handle;
    std::string resource;
    int widthPx;
    int heightPx;
    std::uint32_t maskColor;
    std::string description;
};

Picture Picture::create(std::string resource, int widthPx, int heightPx, std::uint32_t maskColor,
                        std::string description)
{
    static std::atomic<std::uint64_t> nextHandle{1};
    Picture p;
    p.object_ = std::make_shared<const Object>(
        Object{nextHandle++, std::move(resource), widthPx, heightPx, maskColor, std::move(description)});
    return p;
}

std::uint64_t Picture::handle() const { return object_ ? object_->handle : 0; }

const std::string& Picture::resource() const
{
    static const std::string none;
    return object_ ? object_->resource : none;
}

const std::string& Picture::description() const
{
    static const std::string none;
    return object_ ? object_->description : none;
}

int Picture::widthPx() const { return object_ ? object_->widthPx : 0; }
int Picture::heightPx() const { return object_ ? object_->heightPx : 0; }
std::uint32_t Picture::maskColor() const { return object_ ? object_->maskColor : noMask; }

} // namespace platform
