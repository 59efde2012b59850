#pragma once

#include <QList>
#include <QString>

// The settings window's tabs, in window order.
enum class SettingsTab { general, leagues, teams, notifications, appearance, calendar, advanced };

struct SettingsTabInfo {
    SettingsTab tab;
    QString title;
    QString symbol;
};

// Every tab with its title and symbol, in window order.
const QList<SettingsTabInfo>& allSettingsTabs();
