#include "platform/PoolEnd.h"

#include "platform/Logging.h"

#include <QThreadPool>

void endPool(QThreadPool& pool, std::chrono::milliseconds bound) {
    if (!pool.waitForDone(static_cast<int>(bound.count())))
        qCWarning(generalLogger) << "Background work still running" << bound.count()
                                 << "ms after the application ended";
}
