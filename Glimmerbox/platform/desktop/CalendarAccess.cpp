#include "platform/desktop/CalendarAccess.h"

namespace {

class DesktopCalendarAccess final : public CalendarAccess {
public:
    QCoro::Task<bool> requestFullAccessToEvents() override { co_return true; }
};

} // namespace

CalendarAccess& CalendarAccess::system() {
    static DesktopCalendarAccess access;
    return access;
}
