#pragma once

#include <QWidget>

class QMessageBox;
class SettingsController;

// Cache expiration and clearing, the debug switch, and resetting every setting after a confirmation.
class AdvancedSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit AdvancedSettingsView(SettingsController& controller, QWidget* parent = nullptr);

    // The confirmation the reset button opens (window-modal over the settings); the reset runs only when the
    // user confirms.
    QMessageBox* confirmReset();

private:
    SettingsController& m_controller;
};
