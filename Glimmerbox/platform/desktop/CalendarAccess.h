#pragma once

#include <QCoroTask>

// The user's calendar, as far as this application asks for it: permission to read and write events. Nothing
// here ever writes an event.
class CalendarAccess {
public:
    virtual ~CalendarAccess() = default;

    // Asks for full access to the user's events; true when granted. Never throws.
    virtual QCoro::Task<bool> requestFullAccessToEvents() = 0;

    // The desktop's answer: Linux desktops keep no calendar permission, so the request is granted at once.
    static CalendarAccess& system();
};
