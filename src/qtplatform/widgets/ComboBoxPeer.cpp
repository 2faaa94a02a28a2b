#include "ComboBoxPeer.h"

#include "PeerSupport.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Keyboard.h"
#include "qtplatform/Conversions.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace qtplatform {

using platform::Property;

ComboBoxPeer::ComboBoxPeer(platform::ComboBox& control, QWidget* parent) : QComboBox(parent), control_(control)
{
    setEditable(true);
    // No completion: Enter opens exactly what was typed.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    applyAll(this, control_);
    reloadItems();
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { syncText(); });
    // QComboBox chooses the entry that matches the text when the text loses the
    // focus; only a choice from the list or with the arrow keys may open an address.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!updating_)
            control_.raiseChoose(index);
    });
    control_.attach(this);
}

void ComboBoxPeer::syncText()
{
    const std::string text = toStdString(lineEdit()->text());
    if (text == control_.text())
        return;
    updating_ = true;
    control_.setText(text);
    updating_ = false;
}

void ComboBoxPeer::wheelEvent(QWheelEvent* event)
{
    // The wheel over the closed box does not choose an entry (and so open it).
    if (view()->isVisible())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

void ComboBoxPeer::reloadItems()
{
    updating_ = true;
    clear();
    for (const std::string& item : control_.items())
        addItem(toQString(item));
    setCurrentIndex(-1);
    setEditText(toQString(control_.text()));
    updating_ = false;
}

void ComboBoxPeer::propertyChanged(Property property)
{
    if (applyCommon(this, control_, property))
        return;
    switch (property) {
    case Property::ListItems: reloadItems(); break;
    case Property::Text:
        if (!updating_) {
            updating_ = true;
            setEditText(toQString(control_.text()));
            updating_ = false;
        }
        break;
    case Property::Font: setFont(toQFont(control_.font())); break;
    default: break;
    }
}

bool ComboBoxPeer::enterPressed(const QKeyEvent* key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // Enter opens the text; the list is not changed by it.
    syncText();
    control_.raiseKeyPress(platform::keys::Return);
    return true;
}

void ComboBoxPeer::typed(const QKeyEvent* key)
{
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).unicode() > 0 && text.at(0).unicode() < 128)
        control_.raiseKeyPress(static_cast<std::int16_t>(text.at(0).unicode()));
}

// The box has the focus and hands keys to its text itself, past any event filter of
// the text; the filter sees keys only when the text has the focus of its own.
void ComboBoxPeer::keyPressEvent(QKeyEvent* event)
{
    if (enterPressed(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
    typed(event);
}

bool ComboBoxPeer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (enterPressed(key))
            return true;
        // The key goes into the text first; the handler leaves it unchanged.
        static_cast<QObject*>(lineEdit())->event(event);
        typed(key);
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace qtplatform
