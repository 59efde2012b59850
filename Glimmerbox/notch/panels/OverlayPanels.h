#pragma once

#include "notch/window/NotchOverlayView.h"

class UserPreferences;

// The panels the overlay hosts from this folder: the idle panel, the racing panels, the leaders, the jumbo
// game picker and the SELECT pill, each following the view model.
class OverlayPanels : public OverlayPanelFactory {
public:
    OverlayPanels(UserPreferences& preferences, Clock& clock) : m_preferences(preferences), m_clock(clock) {}

    QWidget* createPanel(OverlaySlot slot, NotchViewModel& viewModel, AppState& appState,
                         QWidget* parent) override;

private:
    UserPreferences& m_preferences;
    Clock& m_clock;
};
