#pragma once

#include "Control.h"

#include <string>
#include <vector>

namespace platform {

// An editable text with a drop-down list.
class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name);
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item);
    void removeItem(int index);
    void insertItem(std::string item, int index);
    void clear();
    int listIndex() const { return listIndex_; }
    // Chooses an entry: the text becomes the entry and the Click event runs.
    void raiseChoose(int index);
    void setListIndex(int index);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

} // namespace platform
