#include "ControlWidget.h"
#include "qtplatform/Conversions.h"

#include <QLineEdit>

namespace qtplatform {

using platform::Alignment;
using platform::Property;

namespace {

// A one-line text box; what the user types goes back into the control's Text.
class TextBoxPeer : public ControlWidget<QLineEdit> {
    Q_OBJECT
public:
    TextBoxPeer(platform::Control& control, QWidget* parent) : ControlWidget(control, parent)
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
        applyColors();
        setText(toQString(control.text()));
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            updating_ = true;
            this->control().setText(toStdString(text));
            updating_ = false;
        });
        attach();
    }

protected:
    void changed(Property property) override
    {
        switch (property) {
        case Property::Text:
            if (!updating_)
                setText(toQString(control().text()));
            break;
        case Property::BackColor:
        case Property::ForeColor: applyColors(); break;
        default: break;
        }
    }

private:
    void applyColors()
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Base, toQColor(control().backColor(), QPalette()));
        pal.setColor(QPalette::Text, toQColor(control().foreColor(), QPalette()));
        setPalette(pal);
    }
    bool updating_ = false;
};

} // namespace

QWidget* newTextBoxPeer(platform::Control& control, QWidget* parent) { return new TextBoxPeer(control, parent); }

} // namespace qtplatform

#include "TextBoxPeer.moc"
