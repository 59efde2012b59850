#pragma once

#include <QLoggingCategory>

#include <mutex>

// The three diagnostic categories, named "<app id>.API" and so on.
Q_DECLARE_LOGGING_CATEGORY(apiLogger)
Q_DECLARE_LOGGING_CATEGORY(notificationsLogger)
Q_DECLARE_LOGGING_CATEGORY(generalLogger)

// Process-wide debug flag, copied from the debugMode setting. Both functions take debugLoggingLock()
// themselves: calling them while holding it would deadlock.
std::mutex& debugLoggingLock();
bool debugLoggingEnabled();
void setDebugLoggingEnabled(bool enabled);
