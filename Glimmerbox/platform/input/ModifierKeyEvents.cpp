#include "platform/input/ModifierKeyEvents.h"

#include "platform/input/XInputRoot.h"

#include <QCoreApplication>
#include <QPointer>

void ModifierKeyEvents::addListener() {
    if (m_listeners++ == 0)
        setListening(true);
}

void ModifierKeyEvents::removeListener() {
    if (m_listeners > 0 && --m_listeners == 0)
        setListening(false);
}

ModifierKeyEvents* ModifierKeyEvents::system() {
    static bool made = false;
    static QPointer<ModifierKeyEvents> events;
    if (!made) {
        made = true;
        events = xinput::createModifierKeyEvents();
        if (events)
            events->setParent(QCoreApplication::instance());
    }
    return events;
}
