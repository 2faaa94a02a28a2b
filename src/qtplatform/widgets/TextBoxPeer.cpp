#include "TextBoxPeer.h"

#include "PeerSupport.h"
#include "platform/Control.h"
#include "qtplatform/Conversions.h"

namespace qtplatform {

using platform::Alignment;
using platform::Property;

TextBoxPeer::TextBoxPeer(platform::Control& control, QWidget* parent) : QLineEdit(parent), control_(control)
{
    setFrame(control.style().border);
    setFocusPolicy(control.style().tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setCursor(Qt::IBeamCursor);
    switch (control.style().alignment) {
    // A classic text box writes its line at the top of its box.
    case Alignment::Left: setAlignment(Qt::AlignLeft | Qt::AlignTop); break;
    case Alignment::Right: setAlignment(Qt::AlignRight | Qt::AlignTop); break;
    case Alignment::Center: setAlignment(Qt::AlignHCenter | Qt::AlignTop); break;
    }
    if (!control.style().border)
        setTextMargins(0, 0, 0, 0);
    applyAll(this, control_);
    applyColors();
    setText(toQString(control_.text()));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        updating_ = true;
        control_.setText(toStdString(text));
        updating_ = false;
    });
    control_.attach(this);
}

void TextBoxPeer::applyColors()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(control_.backColor(), QPalette()));
    pal.setColor(QPalette::Text, toQColor(control_.foreColor(), QPalette()));
    setPalette(pal);
}

void TextBoxPeer::propertyChanged(Property property)
{
    if (applyCommon(this, control_, property))
        return;
    switch (property) {
    case Property::Text:
        if (!updating_)
            setText(toQString(control_.text()));
        break;
    case Property::BackColor:
    case Property::ForeColor: applyColors(); break;
    case Property::Font: setFont(toQFont(control_.font())); break;
    default: break;
    }
}

} // namespace qtplatform
