#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <array>

// The overlay window and the overlay view never call each other: they talk through these five process-wide
// notifications, each a signal of one shared object. Signals are delivered synchronously on the poster's
// thread (the GUI thread).
namespace OverlayNotificationName {
inline const QString mouseEntered = QStringLiteral("ClickThroughWindowMouseEntered");
inline const QString mouseExited = QStringLiteral("ClickThroughWindowMouseExited");
inline const QString swipeLeft = QStringLiteral("ClickThroughWindowSwipeLeft");
inline const QString swipeRight = QStringLiteral("ClickThroughWindowSwipeRight");
inline const QString setInteractive = QStringLiteral("ClickThroughWindowSetInteractive");
// User-info key of the set-interactive notification; its value must be a bool.
inline const QString interactiveKey = QStringLiteral("interactive");

inline const std::array<QString, 5> all = {mouseEntered, mouseExited, swipeLeft, swipeRight, setInteractive};
} // namespace OverlayNotificationName

class OverlayNotificationCenter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The one centre of the running application.
    static OverlayNotificationCenter& shared();

    // Posts a notification by name; unknown names are ignored. Returns whether the name was known.
    bool post(const QString& name, const QVariantMap& userInfo = {});
    // Convenience for the view: posts set-interactive with {"interactive": interactive}.
    void postSetInteractive(bool interactive);

signals:
    void mouseEntered();
    void mouseExited();
    void swipeLeft();
    void swipeRight();
    void setInteractive(const QVariantMap& userInfo);
};
