#pragma once

#include <QObject>

// Presses and releases of the modifier keys as the display server sees them, whichever window holds the
// keyboard focus, so that a tap shorter than any polling interval still counts. Listening wakes the process
// on every key press anywhere, so it runs only while someone listens.
class ModifierKeyEvents : public QObject {
    Q_OBJECT
public:
    // The display's own: XInput 2 raw key events on X11. None elsewhere (offscreen, or a display without
    // XInput 2), where callers poll the keyboard state instead. Made on first use; it goes with the
    // application object.
    static ModifierKeyEvents* system();

    // Counted: listening runs from the first listener until the last one has gone.
    void addListener();
    void removeListener();
    bool isListening() const { return m_listeners > 0; }

signals:
    // Shift, Control, Alt or Meta went down, or came up with no other key of it still down.
    void modifierKeyChanged(Qt::KeyboardModifier modifier, bool down);

protected:
    using QObject::QObject;
    virtual void setListening(bool on) = 0;

private:
    int m_listeners = 0;
};
