#pragma once

#include "Control.h"
#include "ImageList.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct ToolbarButton {
    std::string key;
    std::string toolTip;
    int image = 0; // 1-based index in the image list
};

class Toolbar : public Control {
public:
    Toolbar(Form& form, std::string name);
    std::vector<ToolbarButton>& buttons() { return buttons_; }
    const std::vector<ToolbarButton>& buttons() const { return buttons_; }
    // The images its buttons show; the list is a control of the same window.
    const ImageList* imageList() const { return imageList_; }
    void setImageList(const ImageList* list);
    int refreshCount() const { return refreshCount_; }
    void refresh();

    std::function<void(const ToolbarButton&)> onButtonClick;
    void raiseButtonClick(int position);

private:
    std::vector<ToolbarButton> buttons_;
    const ImageList* imageList_ = nullptr;
    int refreshCount_ = 0;
};

} // namespace platform
