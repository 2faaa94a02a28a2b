#include "FormWindowPeer.h"

#include "ControlWidget.h"
#include "KeyCodes.h"
#include "X11Window.h"
#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Toolbar.h"
#include "qtplatform/Conversions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace qtplatform {

using platform::Control;
using platform::ControlKind;
using platform::Form;

namespace {

Qt::WindowFlags flagsFor(const platform::FormStyle& style)
{
    Qt::WindowFlags flags = (style.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (style.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (style.border != platform::BorderStyle::Sizable)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

} // namespace

FormWidget::FormWidget(Form& form) : QWidget(nullptr, flagsFor(form.style())), form_(&form)
{
    setAttribute(Qt::WA_QuitOnClose, false);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The form decides: it unloads (destroying this window later) or cancels.
    event->ignore();
    if (form_)
        form_->requestClose(platform::CloseReason::CloseBox);
}

void FormWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!form_)
        return;
    form_->raiseResize();
    // Mirrored places are measured from the right edge, which has moved. Containers
    // already have their new widths: the resize handler set them.
    if (isRightToLeft())
        for (Control* control : form_->controls())
            if (auto* widget = dynamic_cast<QWidget*>(control->peer()))
                applyCommon(widget, *control, platform::Property::Geometry);
}

void FormWidget::paintEvent(QPaintEvent*)
{
    if (!form_)
        return;
    QPainter p(this);
    p.fillRect(rect(), toQColor(form_->style().backColor, palette()));
}

void FormWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The native window exists from the first show on, and receives every key before
    // the widget with the focus.
    if (windowHandle() && keyWindow_ != windowHandle()) {
        keyWindow_ = windowHandle();
        keyWindow_->installEventFilter(this);
    }
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != keyWindow_.data() || !form_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto key = toKeyEvent(*static_cast<QKeyEvent*>(event));
        if (!key)
            return false;
        const Control* focus = nullptr;
        for (QWidget* w = focusWidget(); w && w != this && !focus; w = w->parentWidget())
            focus = controlOf(w);
        return event->type() == QEvent::KeyPress ? form_->raiseKeyDown(*key, focus) : form_->raiseKeyUp(*key, focus);
    }
    case QEvent::FocusOut: form_->raiseKeyboardLost(); return false;
    default: return false;
    }
}

FormWindowPeer::FormWindowPeer(Form& form) : form_(form), widget_(new FormWidget(form))
{
    const auto& style = form.style();
    const QSize client(toPixels(style.clientWidth), toPixels(style.clientHeight));
    if (style.border == platform::BorderStyle::Sizable)
        widget_->resize(client);
    else
        widget_->setFixedSize(client);
    QIcon icon; // none for no picture: an icon leaves out a null pixmap
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(renderPicture(style.icon, QSize(size, size), 1.0));
    widget_->setWindowIcon(icon);
    if (style.crossCursor)
        widget_->setCursor(Qt::CrossCursor);
    widget_->setWindowTitle(toQString(form.caption()));
    widget_->setObjectName(toQString(form.className()));
    // Only a window laid out for it runs right to left; the others keep their places
    // (their texts still read the way their language runs).
    if (!style.mirroredRightToLeft)
        widget_->setLayoutDirection(Qt::LeftToRight);
    // A widget for each control: containers first, so that contained controls find
    // their parent widget.
    const auto widgetOf = [](const Control* control) { return dynamic_cast<QWidget*>(control->peer()); };
    std::vector<Control*> ordered(form_.controls().begin(), form_.controls().end());
    std::stable_partition(ordered.begin(), ordered.end(), [](Control* c) { return c->container() == nullptr; });
    for (Control* control : ordered) {
        QWidget* parent = control->container() ? widgetOf(control->container()) : widget_.data();
        if (!parent)
            continue;
        switch (control->kind()) {
        case ControlKind::CommandButton: newCommandButtonPeer(*control, parent); break;
        case ControlKind::Label: newLabelPeer(*control, parent); break;
        case ControlKind::TextBox: newTextBoxPeer(*control, parent); break;
        case ControlKind::PictureBox: newPictureBoxPeer(*control, parent); break;
        case ControlKind::Shape: newShapePeer(*control, parent); break;
        case ControlKind::ComboBox: newComboBoxPeer(static_cast<platform::ComboBox&>(*control), parent); break;
        case ControlKind::Toolbar: newToolbarPeer(static_cast<platform::Toolbar&>(*control), parent); break;
        case ControlKind::Browser:
        case ControlKind::Timer:
        case ControlKind::ImageList: break; // no widget of their own here; see help/DocumentBrowserView.h
        }
    }
    // Stacking: within each parent, windowed controls above windowless ones (captions
    // and shapes, drawn on their container's surface), and the lowest z-order on top.
    const auto windowless = [](const Control* c) {
        return c->kind() == ControlKind::Label || c->kind() == ControlKind::Shape;
    };
    std::vector<Control*> byZ(form_.controls().begin(), form_.controls().end());
    std::stable_sort(byZ.begin(), byZ.end(), [&](Control* a, Control* b) {
        return windowless(a) != windowless(b) ? windowless(a) : a->style().zOrder > b->style().zOrder;
    });
    for (Control* control : byZ)
        if (QWidget* w = widgetOf(control))
            w->raise();
    // Tab order follows the tab indexes.
    const std::vector<Control*> byTab = inTabOrder(
        form_.controls(), [&](const Control& control) { return widgetOf(&control) && control.style().tabStop; });
    for (std::size_t i = 1; i < byTab.size(); ++i)
        QWidget::setTabOrder(widgetOf(byTab[i - 1]), widgetOf(byTab[i]));
}

FormWindowPeer::~FormWindowPeer()
{
    if (!widget_)
        return;
    widget_->detachForm();
    for (Control* control : form_.controls())
        control->detach();
    widget_->hide();
    widget_->deleteLater();
    releasePictures();
}

void FormWindowPeer::show()
{
    if (!widget_)
        return;
    if (!shownOnce_) {
        shownOnce_ = true;
        if (!form_.style().showInTaskbar)
            skipTaskbar(widget_);
        if (QScreen* screen = QGuiApplication::primaryScreen(); screen && form_.style().centered) {
            QRect frame = widget_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            widget_->move(frame.topLeft());
        }
    }
    widget_->show();
    if (form_.caption().empty())
        clearNativeTitle(widget_);
    widget_->raise();
    widget_->activateWindow();
}

void FormWindowPeer::captionChanged()
{
    if (!widget_)
        return;
    widget_->setWindowTitle(toQString(form_.caption()));
    if (form_.caption().empty() && widget_->isVisible())
        clearNativeTitle(widget_);
}

float FormWindowPeer::clientWidth() const { return widget_ ? toTwips(widget_->width()) : form_.style().clientWidth; }

float FormWindowPeer::clientHeight() const { return widget_ ? toTwips(widget_->height()) : form_.style().clientHeight; }

} // namespace qtplatform
