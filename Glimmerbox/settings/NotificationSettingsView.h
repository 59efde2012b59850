#pragma once

#include <QWidget>

class SettingsController;

// The master switch, which game events notify, the favourites filter and quiet hours.
class NotificationSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit NotificationSettingsView(SettingsController& controller, QWidget* parent = nullptr);
};
