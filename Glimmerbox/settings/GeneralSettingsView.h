#pragma once

#include <QWidget>

class SettingsController;

// Start-up, updates, the menu-bar display, auto-follow, busy mode and the refresh choices.
class GeneralSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit GeneralSettingsView(SettingsController& controller, QWidget* parent = nullptr);
};
