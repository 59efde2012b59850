#pragma once

#include "SettingsServices.h"
#include "SettingsTab.h"

#include <QWidget>

class QStackedWidget;
class SettingsController;
class SettingsTabBar;

// The settings window's content: the tab bar over the selected tab, and the version line beneath. Opens on
// Leagues. Hiding it (the window closing) writes the settings to storage.
class SettingsView : public QWidget {
    Q_OBJECT
public:
    explicit SettingsView(SettingsServices services, QWidget* parent = nullptr);

    SettingsController& controller() const { return *m_controller; }
    SettingsTab selectedTab() const;
    void selectTab(SettingsTab tab);
    QWidget* tabView(SettingsTab tab) const;

    // "Glimmerbox v1.0.0 (1)".
    static QString versionText(const QString& appVersion, const QString& buildNumber);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    SettingsController* m_controller;
    SettingsTabBar* m_tabBar;
    QStackedWidget* m_tabs;
};
