#include "ControlWidget.h"
#include "platform/Toolbar.h"
#include "qtplatform/Conversions.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

namespace qtplatform {

namespace {

// A toolbar of picture buttons, each with its key as tooltip.
class ToolbarPeer : public ControlWidget<QToolBar, platform::Toolbar> {
    Q_OBJECT
    // The toolbar's image list, in the order of the control's images.
    Q_PROPERTY(QList<QIcon> imageList MEMBER imageList_ CONSTANT)
public:
    ToolbarPeer(platform::Toolbar& control, QWidget* parent) : ControlWidget(control, parent)
    {
        setIconSize(QSize(24, 24));
        // The whole image list is loaded, whether or not a button shows the image.
        static const std::vector<platform::Picture> none;
        const platform::ImageList* list = control.imageList();
        for (const platform::Picture& picture : list ? list->images() : none) {
            QIcon icon;
            for (const qreal ratio : {1.0, 2.0}) {
                QPixmap pixmap = renderPicture(picture, ratio);
                // Right to left, the buttons' order is mirrored and so are their arrows:
                // Back points the way the page came from.
                if (isRightToLeft())
                    pixmap = QPixmap::fromImage(pixmap.toImage().mirrored(true, false)); // keeps the pixel ratio
                icon.addPixmap(pixmap);
            }
            imageList_.push_back(icon);
        }
        const auto& buttons = control.buttons();
        for (int position = 0; position < static_cast<int>(buttons.size()); ++position) {
            const platform::ToolbarButton& button = buttons[static_cast<std::size_t>(position)];
            const bool hasImage = button.image >= 1 && button.image <= static_cast<int>(imageList_.size());
            QAction* action = addAction(hasImage ? imageList_[button.image - 1] : QIcon(), QString());
            action->setToolTip(toQString(button.toolTip));
            action->setObjectName(toQString(button.key));
            connect(action, &QAction::triggered, this,
                    [this, position] { this->control().raiseButtonClick(position); });
            if (auto* toolButton = qobject_cast<QToolButton*>(widgetForAction(action))) {
                toolButton->setFixedSize(31, 30);
                toolButton->setAccessibleName(toQString(button.toolTip));
            }
        }
        attach();
    }

protected:
    void changed(platform::Property property) override
    {
        if (property == platform::Property::Picture)
            update();
    }

private:
    QList<QIcon> imageList_;
};

} // namespace

QWidget* newToolbarPeer(platform::Toolbar& control, QWidget* parent) { return new ToolbarPeer(control, parent); }

} // namespace qtplatform

#include "ToolbarPeer.moc"
