#include "QtToolbar.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "platform/Control.h"

#include <QAction>
#include <QIcon>
#include <QToolButton>

namespace qtplatform {

using platform::Property;

QtToolbar::QtToolbar(platform::Toolbar& control, QWidget* parent) : QToolBar(parent), control_(control)
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

void QtToolbar::rebuild()
{
    clear();
    const auto& images = control_.images();
    const auto& buttons = control_.buttons();
    for (int position = 0; position < static_cast<int>(buttons.size()); ++position) {
        const platform::ToolbarButton& button = buttons[static_cast<std::size_t>(position)];
        QIcon icon;
        if (button.image >= 1 && button.image <= static_cast<int>(images.size())) {
            const platform::Picture& picture = images[static_cast<std::size_t>(button.image - 1)];
            icon.addPixmap(renderPicture(picture, 1.0));
            icon.addPixmap(renderPicture(picture, 2.0));
        }
        QAction* action = addAction(icon, QString());
        action->setToolTip(toQString(button.toolTip));
        action->setObjectName(toQString(button.key));
        connect(action, &QAction::triggered, this, [this, position] { control_.raiseButtonClick(position); });
        if (auto* toolButton = qobject_cast<QToolButton*>(widgetForAction(action)))
            toolButton->setFixedSize(31, 30);
    }
}

void QtToolbar::propertyChanged(Property property)
{
    if (property == Property::Geometry) {
        // Aligned to the top: always the full width of the window.
        applyCommon(this, control_, property);
        return;
    }
    if (applyCommon(this, control_, property))
        return;
    if (property == Property::Picture)
        update();
}

} // namespace qtplatform
