#include "QtLabel.h"

#include "QtConvert.h"
#include "QtPeerSupport.h"
#include "platform/Control.h"
#include "platform/Form.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <climits>

namespace qtplatform {

using platform::Alignment;
using platform::Property;

QtLabel::QtLabel(platform::Control& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setCursor(Qt::ArrowCursor);
    applyAll(this, control_);
    updateAccessKey();
    control_.attach(this);
}

void QtLabel::propertyChanged(Property property)
{
    if (applyCommon(this, control_, property))
        return;
    if (property == Property::Caption)
        updateAccessKey();
    if (property == Property::Font)
        setFont(toQFont(control_.font()));
    update();
}

void QtLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    if (!control_.style().transparent)
        p.fillRect(rect(), toQColor(control_.backColor(), pal));

    int flags = Qt::TextWordWrap | Qt::AlignTop | Qt::TextShowMnemonic;
    switch (control_.style().alignment) {
    case Alignment::Left: flags |= Qt::AlignLeft; break;
    case Alignment::Right: flags |= Qt::AlignRight; break;
    case Alignment::Center: flags |= Qt::AlignHCenter; break;
    }
    const QString caption = toQString(control_.caption());
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(toQColor(control_.foreColor(), pal));
        p.drawText(rect(), flags, caption);
    } else {
        // Disabled captions are drawn engraved, the classic greyed look.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(rect().translated(1, 1), flags, caption);
        p.setPen(pal.color(QPalette::Disabled, QPalette::WindowText).isValid() ? pal.color(QPalette::Dark)
                                                                                : QColor(Qt::gray));
        p.drawText(rect(), flags, caption);
    }
}

void QtLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void QtLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    if (click)
        control_.raiseClick();
}

void QtLabel::updateAccessKey()
{
    delete shortcut_;
    shortcut_ = nullptr;
    const QKeySequence key = QKeySequence::mnemonic(toQString(control_.caption()));
    if (key.isEmpty())
        return;
    auto* shortcut = new QShortcut(key, window());
    QObject::connect(shortcut, &QShortcut::activated, this, [this] { focusNextInTabOrder(); });
    shortcut_ = shortcut;
}

// A caption cannot take the focus: its access key moves the focus to the next
// control in tab order.
void QtLabel::focusNextInTabOrder()
{
    const int mine = control_.style().tabIndex;
    platform::Control* next = nullptr;
    int best = INT_MAX;
    for (platform::Control* other : control_.form().controls()) {
        const int index = other->style().tabIndex;
        if (other == &control_ || index <= mine || index >= best || !other->style().tabStop)
            continue;
        if (other->kind() == platform::ControlKind::Label || other->kind() == platform::ControlKind::Shape)
            continue;
        if (!dynamic_cast<QWidget*>(other->peer()))
            continue;
        next = other;
        best = index;
    }
    if (next)
        dynamic_cast<QWidget*>(next->peer())->setFocus(Qt::ShortcutFocusReason);
}

} // namespace qtplatform
