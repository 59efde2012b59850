#include "SettingsObserver.h"

#include <QMetaMethod>
#include <QMetaProperty>

SettingsObserver::SettingsObserver(QObject& settings, QObject* parent) : QObject(parent) {
    const QMetaMethod relaySlot = metaObject()->method(metaObject()->indexOfSlot("relay()"));
    const QMetaObject* watched = settings.metaObject();
    for (int i = watched->propertyOffset(); i < watched->propertyCount(); ++i) {
        const QMetaProperty property = watched->property(i);
        if (property.hasNotifySignal())
            connect(&settings, property.notifySignal(), this, relaySlot);
    }
}

void SettingsObserver::relay() {
    emit changed();
}
