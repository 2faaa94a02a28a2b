#pragma once

#include "Control.h"
#include "Picture.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

// Pictures kept for other controls to show; never seen itself.
class ImageList : public Control {
public:
    ImageList(Form& form, std::string name) : Control(form, ControlKind::ImageList, std::move(name)) {}
    std::vector<Picture>& images() { return images_; }
    const std::vector<Picture>& images() const { return images_; }

private:
    std::vector<Picture> images_;
};

} // namespace platform
