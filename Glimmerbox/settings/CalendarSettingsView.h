#pragma once

#include <QWidget>

class SettingsController;

// Calendar sync and game reminders: stored choices and the access request, nothing written to a calendar.
class CalendarSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit CalendarSettingsView(SettingsController& controller, QWidget* parent = nullptr);
};
