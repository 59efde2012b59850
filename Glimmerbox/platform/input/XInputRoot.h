#pragma once

// What the X11 listeners of this folder share. Included by this folder's sources only.

class ModifierKeyEvents;

namespace xinput {

// Modifier key presses from XInput 2 raw key events; none when not on X11 or without XInput 2.
ModifierKeyEvents* createModifierKeyEvents();

} // namespace xinput

#ifdef GLIMMERBOX_HAVE_XCB_XINPUT

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

class QByteArray;

namespace xinput {

struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    uint8_t opcode = 0; // XInput's major opcode, which its events carry
};

// A reply of the X server, which the caller frees.
template <typename Reply>
struct FreeReply {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply<Reply>>;

// The application's X connection, when it runs on X11 and the server has XInput 2.
std::optional<Display> display();

// Adds (`on`) or removes raw events of the root window for every master device. The server keeps one mask
// per window, device and client, so a second selection would replace the first: every listener of the
// process selects through here, and each adds and removes only its own events.
void selectRootRawEvents(const Display& display, uint32_t events, bool on);

// The XInput event of `display` among what a native event filter is handed; null for anything else.
xcb_ge_generic_event_t* xinputEvent(const Display& display, const QByteArray& eventType, void* message);

} // namespace xinput

#endif
