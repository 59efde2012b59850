#pragma once

#include "platform/PointerSource.h"

#include <QObject>

#include <memory>

// Scroll steps from the X server's raw events on the root window, seen even while our windows let the pointer
// fall through. Smooth-scrolling touchpads give precise steps; wheels give imprecise ones.
class XInputScrollSource : public QObject {
    Q_OBJECT
public:
    // None when not running on X11 or when the server lacks XInput 2.
    static std::unique_ptr<XInputScrollSource> create();

    // Listening costs a wake-up on every pointer motion, so it is on only while wanted.
    virtual void setEnabled(bool enabled) = 0;

signals:
    void scrolled(const ScrollDelta& delta);

protected:
    using QObject::QObject;
};
