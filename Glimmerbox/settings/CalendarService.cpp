#include "CalendarService.h"

#include "platform/desktop/CalendarAccess.h"

CalendarService::CalendarService(CalendarAccess& store) : m_store(store) {}

CalendarService& CalendarService::shared() {
    static CalendarService service(CalendarAccess::system());
    return service;
}

QCoro::Task<bool> CalendarService::requestFullAccess() {
    return m_store.requestFullAccessToEvents();
}
