#include "ToolbarPeer.h"

#include "PeerSupport.h"
#include "platform/Control.h"
#include "platform/Toolbar.h"
#include "qtplatform/Conversions.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolButton>

namespace qtplatform {

using platform::Property;

ToolbarPeer::ToolbarPeer(platform::Toolbar& control, QWidget* parent) : QToolBar(parent), control_(control)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    applyAll(this, control_);
    rebuild();
    control_.attach(this);
}

void ToolbarPeer::rebuild()
{
    clear();
    // The whole image list is loaded, whether or not a button shows the image.
    imageList_.clear();
    static const std::vector<platform::Picture> none;
    const platform::ImageList* list = control_.imageList();
    for (const platform::Picture& picture : list ? list->images() : none) {
        QIcon icon;
        for (const qreal ratio : {1.0, 2.0}) {
            QPixmap pixmap = renderPicture(picture, ratio);
            // Right to left, the buttons' order is mirrored and so are their arrows:
            // Back points the way the page came from.
            if (isRightToLeft()) {
                QImage mirrored = pixmap.toImage().mirrored(true, false);
                mirrored.setDevicePixelRatio(pixmap.devicePixelRatio());
                pixmap = QPixmap::fromImage(mirrored);
            }
            icon.addPixmap(pixmap);
        }
        imageList_.push_back(icon);
    }
    const auto& buttons = control_.buttons();
    for (int position = 0; position < static_cast<int>(buttons.size()); ++position) {
        const platform::ToolbarButton& button = buttons[static_cast<std::size_t>(position)];
        const bool hasImage = button.image >= 1 && button.image <= static_cast<int>(imageList_.size());
        QAction* action = addAction(hasImage ? imageList_[button.image - 1] : QIcon(), QString());
        action->setToolTip(toQString(button.toolTip));
        action->setObjectName(toQString(button.key));
        connect(action, &QAction::triggered, this, [this, position] { control_.raiseButtonClick(position); });
        if (auto* toolButton = qobject_cast<QToolButton*>(widgetForAction(action))) {
            toolButton->setFixedSize(31, 30);
            toolButton->setAccessibleName(toQString(button.toolTip));
        }
    }
}

void ToolbarPeer::propertyChanged(Property property)
{
    if (applyCommon(this, control_, property))
        return;
    if (property == Property::Picture)
        update();
}

} // namespace qtplatform
