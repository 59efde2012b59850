#include "SettingsTab.h"

const QList<SettingsTabInfo>& allSettingsTabs() {
    static const QList<SettingsTabInfo> tabs{
        {SettingsTab::general, QStringLiteral("General"), QStringLiteral("gearshape")},
        {SettingsTab::leagues, QStringLiteral("Leagues"), QStringLiteral("sportscourt")},
        {SettingsTab::teams, QStringLiteral("Teams"), QStringLiteral("star")},
        {SettingsTab::notifications, QStringLiteral("Notifications"), QStringLiteral("bell")},
        {SettingsTab::appearance, QStringLiteral("Appearance"), QStringLiteral("paintbrush")},
        {SettingsTab::calendar, QStringLiteral("Calendar"), QStringLiteral("calendar")},
        {SettingsTab::advanced, QStringLiteral("Advanced"), QStringLiteral("wrench.and.screwdriver")},
    };
    return tabs;
}
