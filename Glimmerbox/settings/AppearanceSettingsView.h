#pragma once

#include <QWidget>

class SettingsController;

// Display options for teams and for the overlay bar at the top of the screen.
class AppearanceSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit AppearanceSettingsView(SettingsController& controller, QWidget* parent = nullptr);
};
