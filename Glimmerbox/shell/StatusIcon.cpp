#include "StatusIcon.h"

#include "platform/text/IconFont.h"

namespace StatusIcon {

QIcon icon() {
    // Built once: the tray compares icons by cache key, and the symbol never changes.
    static const QIcon cached = [] {
        QIcon result;
        for (int size : {16, 22, 24, 32, 48, 64}) {
            result.addPixmap(iconfont::outlinedPixmap(QString(symbol), QColor(0xf5, 0xf6, 0xfa),
                                                      QColor(0x1b, 0x1e, 0x2b), size));
        }
        return result;
    }();
    return cached;
}

} // namespace StatusIcon
