#include "platform/input/XInputRoot.h"

#ifdef GLIMMERBOX_HAVE_XCB_XINPUT

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xinput.h>

namespace xinput {

std::optional<Display> display() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != u"xcb")
        return std::nullopt;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present)
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    return Display{connection, screen->root, extension->major_opcode};
}

void selectRootRawEvents(const Display& display, uint32_t events, bool on) {
    static uint32_t selected = 0;
    selected = on ? selected | events : selected & ~events;
    struct {
        xcb_input_event_mask_t header;
        uint32_t mask;
    } mask = {{XCB_INPUT_DEVICE_ALL_MASTER, 1}, selected};
    xcb_input_xi_select_events(display.connection, display.root, 1, &mask.header);
    xcb_flush(display.connection);
}

xcb_ge_generic_event_t* xinputEvent(const Display& display, const QByteArray& eventType, void* message) {
    if (eventType != "xcb_generic_event_t")
        return nullptr;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_GE_GENERIC)
        return nullptr;
    auto* generic = reinterpret_cast<xcb_ge_generic_event_t*>(event);
    return generic->extension == display.opcode ? generic : nullptr;
}

} // namespace xinput

#endif
