#include "platform/Logging.h"

#include "BuildInfo.h"

// Q_LOGGING_CATEGORY needs a literal; keep it in step with GLIMMERBOX_APP_ID in CMakeLists.txt.
#define GLIMMERBOX_LOG_PREFIX "app.glimmerbox.Glimmerbox."
Q_LOGGING_CATEGORY(apiLogger, GLIMMERBOX_LOG_PREFIX "API")
Q_LOGGING_CATEGORY(notificationsLogger, GLIMMERBOX_LOG_PREFIX "Notifications")
Q_LOGGING_CATEGORY(generalLogger, GLIMMERBOX_LOG_PREFIX "General")

namespace {
bool g_debugLoggingEnabled = false;
}

std::mutex& debugLoggingLock() {
    static std::mutex lock;
    return lock;
}

bool debugLoggingEnabled() {
    std::lock_guard guard(debugLoggingLock());
    return g_debugLoggingEnabled;
}

void setDebugLoggingEnabled(bool enabled) {
    std::lock_guard guard(debugLoggingLock());
    g_debugLoggingEnabled = enabled;
}
