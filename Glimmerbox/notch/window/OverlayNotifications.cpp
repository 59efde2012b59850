#include "notch/window/OverlayNotifications.h"

OverlayNotificationCenter& OverlayNotificationCenter::shared() {
    static OverlayNotificationCenter* center = new OverlayNotificationCenter;
    return *center;
}

bool OverlayNotificationCenter::post(const QString& name, const QVariantMap& userInfo) {
    namespace N = OverlayNotificationName;
    if (name == N::mouseEntered)
        emit mouseEntered();
    else if (name == N::mouseExited)
        emit mouseExited();
    else if (name == N::swipeLeft)
        emit swipeLeft();
    else if (name == N::swipeRight)
        emit swipeRight();
    else if (name == N::setInteractive)
        emit setInteractive(userInfo);
    else
        return false;
    return true;
}

void OverlayNotificationCenter::postSetInteractive(bool interactive) {
    emit setInteractive(QVariantMap{{OverlayNotificationName::interactiveKey, interactive}});
}
