#include "platform/input/XInputPointerEvents.h"

#include "platform/input/ScrollValuators.h"
#include "platform/input/XInputRoot.h"

#ifdef GLIMMERBOX_HAVE_XCB_XINPUT

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QVarLengthArray>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

double toDouble(const xcb_input_fp3232_t& value) {
    return static_cast<double>(value.integral) + static_cast<double>(value.frac) / 4294967296.0;
}

class XcbPointerEvents final : public XInputPointerEvents, public QAbstractNativeEventFilter {
public:
    explicit XcbPointerEvents(const xinput::Display& display)
        : m_display(display), m_connection(display.connection) {}

    ~XcbPointerEvents() override {
        setMotionTracking(false);
        setScrollTracking(false);
    }

    void setMotionTracking(bool on) override { setListening(on, m_scrollTracking); }

    void setScrollTracking(bool on) override {
        // Devices come and go; reading them at each switch-on is cheap and keeps the table current.
        if (on && !m_scrollTracking)
            loadDevices();
        setListening(m_motionTracking, on);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        auto* generic = xinput::xinputEvent(m_display, eventType, message);
        if (generic && generic->event_type == XCB_INPUT_RAW_MOTION)
            handleRawMotion(reinterpret_cast<xcb_input_raw_motion_event_t*>(generic));
        return false;
    }

private:
    void setListening(bool motion, bool scroll) {
        const bool wasListening = m_motionTracking || m_scrollTracking;
        m_motionTracking = motion;
        m_scrollTracking = scroll;
        const bool listening = motion || scroll;
        if (listening == wasListening)
            return;
        if (listening)
            QCoreApplication::instance()->installNativeEventFilter(this);
        else
            QCoreApplication::instance()->removeNativeEventFilter(this);
        xinput::selectRootRawEvents(m_display, XCB_INPUT_XI_EVENT_MASK_RAW_MOTION, listening);
    }

    xcb_atom_t atom(const char* name) {
        auto cookie = xcb_intern_atom(m_connection, 1, static_cast<uint16_t>(strlen(name)), name);
        xinput::ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // Touchpads scroll smoothly; a mouse wheel moves in notches and never swipes.
    bool isTouchpad(xcb_input_device_id_t id, const QString& name) {
        if (ScrollValuators::nameLooksLikeTouchpad(name))
            return true;
        const xcb_atom_t tapping = atom("libinput Tapping Enabled");
        const xcb_atom_t synaptics = atom("Synaptics Finger");
        auto cookie = xcb_input_xi_list_properties(m_connection, id);
        xinput::ReplyPtr<xcb_input_xi_list_properties_reply_t> reply(
            xcb_input_xi_list_properties_reply(m_connection, cookie, nullptr));
        if (!reply)
            return false;
        const xcb_atom_t* properties = xcb_input_xi_list_properties_properties(reply.get());
        const int count = xcb_input_xi_list_properties_properties_length(reply.get());
        for (int i = 0; i < count; ++i) {
            if (properties[i] != XCB_ATOM_NONE && (properties[i] == tapping || properties[i] == synaptics))
                return true;
        }
        return false;
    }

    void loadDevices() {
        m_devices.clear();
        auto cookie = xcb_input_xi_query_device(m_connection, XCB_INPUT_DEVICE_ALL);
        xinput::ReplyPtr<xcb_input_xi_query_device_reply_t> reply(
            xcb_input_xi_query_device_reply(m_connection, cookie, nullptr));
        if (!reply)
            return;
        for (auto info = xcb_input_xi_query_device_infos_iterator(reply.get()); info.rem;
             xcb_input_xi_device_info_next(&info)) {
            if (info.data->type != XCB_INPUT_DEVICE_TYPE_SLAVE_POINTER)
                continue;
            ScrollValuators device;
            QHash<int, bool> absoluteValuators;
            for (auto cls = xcb_input_xi_device_info_classes_iterator(info.data); cls.rem;
                 xcb_input_device_class_next(&cls)) {
                if (cls.data->type == XCB_INPUT_DEVICE_CLASS_TYPE_VALUATOR) {
                    auto* valuator = reinterpret_cast<xcb_input_valuator_class_t*>(cls.data);
                    absoluteValuators.insert(valuator->number,
                                             valuator->mode == XCB_INPUT_VALUATOR_MODE_ABSOLUTE);
                } else if (cls.data->type == XCB_INPUT_DEVICE_CLASS_TYPE_SCROLL) {
                    auto* scroll = reinterpret_cast<xcb_input_scroll_class_t*>(cls.data);
                    const double increment = std::abs(toDouble(scroll->increment));
                    device.axes.append({scroll->number,
                                        scroll->scroll_type == XCB_INPUT_SCROLL_TYPE_HORIZONTAL,
                                        increment > 0 ? increment : 1.0, false, std::nullopt});
                }
            }
            if (device.axes.isEmpty())
                continue;
            for (ScrollAxis& axis : device.axes)
                axis.absolute = absoluteValuators.value(axis.number, false);
            const QString name = QString::fromUtf8(xcb_input_xi_device_info_name(info.data),
                                                   xcb_input_xi_device_info_name_length(info.data));
            device.precise = isTouchpad(info.data->deviceid, name);
            m_devices.insert(info.data->deviceid, device);
        }
    }

    void handleRawMotion(const xcb_input_raw_motion_event_t* event) {
        if (m_motionTracking)
            emit moved();
        if (!m_scrollTracking)
            return;
        auto found = m_devices.find(event->sourceid);
        if (found == m_devices.end())
            return;
        const xcb_input_fp3232_t* raw = xcb_input_raw_button_press_axisvalues(event);
        const int count = xcb_input_raw_button_press_axisvalues_length(event);
        QVarLengthArray<double, 8> values;
        for (int i = 0; i < count; ++i)
            values.append(toDouble(raw[i]));
        const std::span<const uint32_t> mask(xcb_input_raw_button_press_valuator_mask(event),
                                             event->valuators_len);
        if (const auto delta = found->decode(mask, std::span<const double>(values.data(), values.size())))
            emit scrolled(*delta);
    }

    xinput::Display m_display;
    xcb_connection_t* m_connection;
    bool m_motionTracking = false;
    bool m_scrollTracking = false;
    QHash<int, ScrollValuators> m_devices;
};

} // namespace

std::unique_ptr<XInputPointerEvents> XInputPointerEvents::create() {
    const std::optional<xinput::Display> display = xinput::display();
    if (!display)
        return nullptr;
    return std::make_unique<XcbPointerEvents>(*display);
}

#else

std::unique_ptr<XInputPointerEvents> XInputPointerEvents::create() {
    return nullptr;
}

#endif
