#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// A reference to one picture object. Copies share the object, so two controls
// given the same picture report the same handle; no picture reports handle 0.
class Picture {
public:
    // The mask colour of a picture drawn as it is, with nothing transparent.
    static constexpr std::uint32_t noMask = 0xFFFFFFFFu;

    Picture() = default;

    // resource names a vector picture compiled into the program; the size is in pixels at 96 dpi.
    // description is what assistive tools say of a control that shows the picture.
    static Picture create(std::string resource, int widthPx, int heightPx, std::uint32_t maskColor = noMask,
                          std::string description = {});

    std::uint64_t handle() const;
    bool isNull() const { return !object_; }
    const std::string& resource() const;
    int widthPx() const;
    int heightPx() const;
    // 0xBBGGRR colour drawn transparent, or noMask.
    std::uint32_t maskColor() const;
    const std::string& description() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.handle() == b.handle(); }

private:
    struct Object;
    std::shared_ptr<const Object> object_;
};

} // namespace platform
