#include "Toolbar.h"

#include "Form.h"
#include "Runtime.h"

namespace platform {

Toolbar::Toolbar(Form& form, std::string name) : Control(form, ControlKind::Toolbar, std::move(name)) {}

void Toolbar::setImageList(const ImageList* list)
{
    imageList_ = list;
    notify(Property::Picture);
}

void Toolbar::refresh()
{
    ++refreshCount_;
    notify(Property::Picture);
}

void Toolbar::raiseButtonClick(int position)
{
    if (!acceptsInput() || position < 0 || position >= static_cast<int>(buttons_.size()))
        return;
    form().runtime().dispatchInput([this, position] {
        if (onButtonClick)
            onButtonClick(buttons_[static_cast<std::size_t>(position)]);
    });
}

} // namespace platform
