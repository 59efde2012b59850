#pragma once

#include "SettingsTab.h"

#include <QToolBar>

class QActionGroup;

// The settings window's tab bar: one checkable button per tab, its symbol above its title, all in one row.
class SettingsTabBar : public QToolBar {
    Q_OBJECT
public:
    explicit SettingsTabBar(QWidget* parent = nullptr);

    SettingsTab selectedTab() const { return m_selected; }
    void selectTab(SettingsTab tab);

signals:
    void tabSelected(SettingsTab tab);

private:
    QActionGroup* m_group;
    SettingsTab m_selected = SettingsTab::leagues;
};
