#pragma once

#include "platform/input/PointerSource.h"

#include <QObject>

#include <memory>

// The pointer's motion and scroll steps from the X server's raw events on the root window, seen even while
// our windows let the pointer fall through. Smooth-scrolling touchpads give precise steps; wheels give
// imprecise ones. Raw events carry no position: a listener reads it when told that the pointer moved.
class XInputPointerEvents : public QObject {
    Q_OBJECT
public:
    // None when not running on X11 or when the server lacks XInput 2.
    static std::unique_ptr<XInputPointerEvents> create();

    // Each costs a wake-up on every pointer motion (and nothing while the pointer is still), so each is on
    // only while wanted.
    virtual void setMotionTracking(bool on) = 0;
    virtual void setScrollTracking(bool on) = 0;

signals:
    void moved();
    void scrolled(const ScrollDelta& delta);

protected:
    using QObject::QObject;
};
