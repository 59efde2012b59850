#pragma once

#include "LeagueSelection.h"

#include <QWidget>

class SettingsController;
class SettingsForm;

// The followed leagues: a counter against the limit, one switch per catalogue league, and the two buttons.
class LeagueSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit LeagueSettingsView(SettingsController& controller, QWidget* parent = nullptr);

private:
    QWidget* makeRow(const League& league, QWidget* parent);

    LeagueSelection m_selection;
    SettingsForm* m_form;
};
