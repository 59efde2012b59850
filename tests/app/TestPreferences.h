#pragma once

#include "model/UserPreferences.h"

#include <QString>

#include <ostream>

// Notifications on for every game and every kind, no quiet hours, no league followed yet.
inline void useTestNotificationSettings(UserPreferences& preferences) {
    preferences.setEnabledLeagues({});
    preferences.setNotifyFavoritesOnly(false);
    preferences.setNotificationsEnabled(true);
    preferences.setQuietHoursEnabled(false);
    for (auto setter : {&UserPreferences::setNotifyGameStart, &UserPreferences::setNotifyGameEnd,
                        &UserPreferences::setNotifyScoreChange, &UserPreferences::setNotifyCloseGame,
                        &UserPreferences::setNotifyOvertime})
        (preferences.*setter)(true);
}

// Readable QStrings (and QStringLists) in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
