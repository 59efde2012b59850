#include "platform/input/ModifierKeyEvents.h"
#include "platform/input/XInputRoot.h"

#ifdef GLIMMERBOX_HAVE_XCB_XINPUT

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <xcb/xinput.h>

namespace {

// The key codes of each modifier, from the server's modifier map; reread whenever listening starts, so a
// changed keyboard map is picked up on the next hover.
QHash<xcb_keycode_t, Qt::KeyboardModifier> readModifierKeys(xcb_connection_t* connection) {
    QHash<xcb_keycode_t, Qt::KeyboardModifier> keys;
    const auto cookie = xcb_get_modifier_mapping(connection);
    const xinput::ReplyPtr<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(connection, cookie, nullptr));
    if (!reply)
        return keys;
    // Rows in the server's order: Shift, Lock, Control, Mod1 to Mod5. Mod1 is Alt and Mod4 the Super key
    // (Qt's Meta) on every usual map; Lock and the remaining rows are not modifiers to Qt.
    const Qt::KeyboardModifier rows[] = {Qt::ShiftModifier, Qt::NoModifier, Qt::ControlModifier,
                                         Qt::AltModifier,   Qt::NoModifier, Qt::NoModifier,
                                         Qt::MetaModifier,  Qt::NoModifier};
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perRow = reply->keycodes_per_modifier;
    for (int row = 0; row < 8; ++row) {
        for (int i = 0; i < perRow; ++i) {
            const xcb_keycode_t code = codes[row * perRow + i];
            if (code != 0 && rows[row] != Qt::NoModifier)
                keys.insert(code, rows[row]);
        }
    }
    return keys;
}

class XcbModifierKeyEvents final : public ModifierKeyEvents, public QAbstractNativeEventFilter {
public:
    explicit XcbModifierKeyEvents(const xinput::Display& display) : m_display(display) {}

    ~XcbModifierKeyEvents() override {
        if (isListening())
            setListening(false);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        auto* generic = xinput::xinputEvent(m_display, eventType, message);
        if (generic && (generic->event_type == XCB_INPUT_RAW_KEY_PRESS ||
                        generic->event_type == XCB_INPUT_RAW_KEY_RELEASE))
            keyEvent(reinterpret_cast<xcb_input_raw_key_press_event_t*>(generic)->detail,
                     generic->event_type == XCB_INPUT_RAW_KEY_PRESS);
        return false;
    }

protected:
    void setListening(bool on) override {
        if (on) {
            m_modifierKeys = readModifierKeys(m_display.connection);
            QCoreApplication::instance()->installNativeEventFilter(this);
        } else {
            QCoreApplication::instance()->removeNativeEventFilter(this);
            m_down.clear();
        }
        xinput::selectRootRawEvents(
            m_display, XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE, on);
    }

private:
    void keyEvent(xcb_keycode_t code, bool press) {
        const auto found = m_modifierKeys.constFind(code);
        if (found == m_modifierKeys.cend())
            return;
        const Qt::KeyboardModifier modifier = *found;
        if (press) {
            // A held key repeats its press: only the first one is news.
            if (!m_down.contains(code)) {
                m_down.insert(code);
                emit modifierKeyChanged(modifier, true);
            }
            return;
        }
        m_down.remove(code);
        // Both Ctrl keys down and one let go: Ctrl is still held.
        for (xcb_keycode_t other : std::as_const(m_down)) {
            if (m_modifierKeys.value(other) == modifier)
                return;
        }
        emit modifierKeyChanged(modifier, false);
    }

    xinput::Display m_display;
    QHash<xcb_keycode_t, Qt::KeyboardModifier> m_modifierKeys;
    QSet<xcb_keycode_t> m_down;
};

} // namespace

ModifierKeyEvents* xinput::createModifierKeyEvents() {
    const std::optional<Display> display = xinput::display();
    return display ? new XcbModifierKeyEvents(*display) : nullptr;
}

#else

ModifierKeyEvents* xinput::createModifierKeyEvents() {
    return nullptr;
}

#endif
