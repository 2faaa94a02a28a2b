#include "ComboBox.h"

#include "Form.h"
#include "Runtime.h"
#include "RuntimeError.h"

namespace platform {

ComboBox::ComboBox(Form& form, std::string name) : Control(form, ControlKind::ComboBox, std::move(name)) {}

void ComboBox::addItem(std::string item)
{
    items_.push_back(std::move(item));
    notify(Property::ListItems);
}

void ComboBox::removeItem(int index)
{
    if (index < 0 || index >= static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidCall, TR_TEXT("RuntimeError", "Invalid procedure call or argument"));
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    notify(Property::ListItems);
}

void ComboBox::insertItem(std::string item, int index)
{
    if (index < 0 || index > static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidCall, TR_TEXT("RuntimeError", "Invalid procedure call or argument"));
    items_.insert(items_.begin() + index, std::move(item));
    notify(Property::ListItems);
}

void ComboBox::clear()
{
    items_.clear();
    listIndex_ = -1;
    notify(Property::ListItems);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidPropertyValue, TR_TEXT("RuntimeError", "Invalid property value"));
    listIndex_ = index;
    if (index >= 0) {
        setText(items_[static_cast<std::size_t>(index)]);
        if (onClick)
            onClick();
    }
}

void ComboBox::raiseChoose(int index)
{
    if (!acceptsInput() || index < 0 || index >= static_cast<int>(items_.size()))
        return;
    form().runtime().dispatchInput([this, index] { setListIndex(index); });
}

} // namespace platform
