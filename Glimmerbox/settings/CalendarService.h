#pragma once

#include <QCoroTask>

class CalendarAccess;

// Holds the application's one access to the user's calendar. Its only user is the Calendar tab, which asks
// for access when sync is switched on; no event is ever written.
class CalendarService {
public:
    explicit CalendarService(CalendarAccess& store);

    // On the system's calendar access; created on first use.
    static CalendarService& shared();

    // True when access was granted.
    QCoro::Task<bool> requestFullAccess();

private:
    CalendarAccess& m_store;
};
