#include "ControlWidget.h"
#include "platform/ComboBox.h"
#include "platform/Keyboard.h"
#include "qtplatform/Conversions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace qtplatform {

using platform::Property;

namespace {

// An editable text with a drop-down list. Choosing an entry raises Click; every key
// typed into the text raises KeyPress, Enter as keys::Return.
class ComboBoxPeer : public ControlWidget<QComboBox, platform::ComboBox> {
    Q_OBJECT
public:
    ComboBoxPeer(platform::ComboBox& control, QWidget* parent) : ControlWidget(control, parent)
    {
        setEditable(true);
        // No completion: Enter opens exactly what was typed.
        setCompleter(nullptr);
        setInsertPolicy(QComboBox::NoInsert);
        setFocusPolicy(Qt::StrongFocus);
        reloadItems();
        lineEdit()->installEventFilter(this);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] { syncText(); });
        // QComboBox chooses the entry that matches the text when the text loses the
        // focus; only a choice from the list or with the arrow keys may open an address.
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
        connect(this, &QComboBox::activated, this, [this](int index) { this->control().raiseChoose(index); });
        attach();
    }

protected:
    void changed(Property property) override
    {
        switch (property) {
        case Property::ListItems: reloadItems(); break;
        case Property::Text:
            // Not while the typed text is handed to the control: that would move the cursor.
            if (!updating_)
                setEditText(toQString(control().text()));
            break;
        default: break;
        }
    }

    // The box has the focus and hands keys to its text itself, past any event filter of
    // the text; the filter sees keys only when the text has the focus of its own.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (enterPressed(event))
            return; // a key event arrives accepted
        QComboBox::keyPressEvent(event);
        typed(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != lineEdit() || event->type() != QEvent::KeyPress)
            return QComboBox::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (enterPressed(key))
            return true;
        // The key goes into the text first; the handler leaves it unchanged.
        static_cast<QObject*>(lineEdit())->event(event);
        typed(key);
        return true;
    }

    void wheelEvent(QWheelEvent* event) override
    {
        // The wheel over the closed box does not choose an entry (and so open it).
        if (view()->isVisible())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }

private:
    // Neither this nor setEditText emits activated or textEdited: Qt emits those for the user alone.
    void reloadItems()
    {
        clear();
        for (const std::string& item : control().items())
            addItem(toQString(item));
        setCurrentIndex(-1);
        setEditText(toQString(control().text()));
    }
    // Hands the typed text to the control.
    void syncText()
    {
        const std::string text = toStdString(lineEdit()->text());
        if (text == control().text())
            return;
        updating_ = true;
        control().setText(text);
        updating_ = false;
    }
    // Raises KeyPress keys::Return for Enter and returns true; false for any other key.
    bool enterPressed(const QKeyEvent* key)
    {
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Enter opens the text; the list is not changed by it.
        syncText();
        control().raiseKeyPress(platform::keys::Return);
        return true;
    }
    // Raises KeyPress for a key with a 7-bit character.
    void typed(const QKeyEvent* key)
    {
        const QString text = key->text();
        if (text.size() == 1 && text.at(0).unicode() > 0 && text.at(0).unicode() < 128)
            control().raiseKeyPress(static_cast<std::int16_t>(text.at(0).unicode()));
    }

    bool updating_ = false;
};

} // namespace

QWidget* newComboBoxPeer(platform::ComboBox& control, QWidget* parent) { return new ComboBoxPeer(control, parent); }

} // namespace qtplatform

#include "ComboBoxPeer.moc"
