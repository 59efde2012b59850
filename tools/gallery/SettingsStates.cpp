// The settings window on each tab, a few telling states of them, the reset confirmation and the onboarding
// pages.
#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"

#include "platform/desktop/Autostart.h"
#include "platform/desktop/CalendarAccess.h"
#include "platform/desktop/Updater.h"
#include "service/CacheService.h"
#include "settings/AdvancedSettingsView.h"
#include "settings/CalendarService.h"
#include "settings/FavoriteTeamsView.h"
#include "settings/OnboardingView.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowController.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// The settings window's services around a gallery application state; nothing here touches the disk or the
// network.
struct GallerySettings {
    GalleryAppState app;
    QTemporaryDir scratch;
    Autostart autostart{scratch.path() + "/autostart", "gallery.Glimmerbox", "/usr/bin/glimmerbox"};
    Updater updater{std::nullopt, "1.0.0"};
    CacheService cache;
    CalendarService calendar{CalendarAccess::system()};
    SettingsServices services{app.state(), app.preferences(), autostart, updater, cache, calendar};
};

QImage renderSettings(SettingsTab tab,
                      const std::function<void(GallerySettings&, SettingsView&)>& adjust = {}) {
    GallerySettings settings;
    SettingsView view(settings.services);
    view.selectTab(tab);
    if (adjust)
        adjust(settings, view);
    return renderWidget(view, galleryLight,
                        QSize(SettingsWindowController::windowWidth, SettingsWindowController::windowHeight));
}

// Lays the window out and scrolls the tab to its end, where the later sections are.
void scrollToEnd(SettingsView& view, SettingsTab tab) {
    view.resize(SettingsWindowController::windowWidth, SettingsWindowController::windowHeight);
    view.show();
    QCoreApplication::processEvents();
    QScrollBar* bar = view.tabView(tab)->findChild<QScrollArea*>()->verticalScrollBar();
    bar->setValue(bar->maximum());
}

Game upcoming(const QString& id, const Team& away, const Team& home, const QDateTime& now, int minutesAhead) {
    Game game;
    game.id = id;
    game.league = home.league;
    game.awayTeam = away;
    game.homeTeam = home;
    game.startTime = now.toUTC().addSecs(minutesAhead * 60);
    game.lastUpdate = now.toUTC();
    return game;
}

void showMadeUpTeams(GallerySettings& settings) {
    const QDateTime now = settings.app.now();
    settings.app.show({"nba", "nhl"},
                      {upcoming("g1", galleryTeam("BOS", "Boston Harbors", "007A33"),
                                galleryTeam("LAK", "Lakeview Comets", "552583"), now, 30),
                       upcoming("g2", galleryTeam("RIV", "River City Otters", "1D428A"),
                                galleryTeam("GLD", "Golden Bay Gulls", "FFC72C"), now, 90),
                       upcoming("g3", galleryTeam("NTH", "North Shore Pines", "006847", "nhl"),
                                galleryTeam("IRN", "Iron Valley Forge", "C8102E", "nhl"), now, 120)});
    settings.app.preferences().setFavoriteTeamIds({"riv"});
}

const GalleryStateRegistration general{"settings-general",
                                       [] { return renderSettings(SettingsTab::general); }};

const GalleryStateRegistration generalBusy{
    "settings-general-busy-mode", [] {
        return renderSettings(SettingsTab::general, [](GallerySettings& settings, SettingsView& view) {
            settings.app.preferences().setBusyMode(true);
            scrollToEnd(view, SettingsTab::general);
        });
    }};

const GalleryStateRegistration generalLiveIntervalOff{
    "settings-general-faster-refresh-off", [] {
        return renderSettings(SettingsTab::general, [](GallerySettings& settings, SettingsView& view) {
            settings.app.preferences().setFasterRefreshWhenLive(false);
            scrollToEnd(view, SettingsTab::general);
        });
    }};

const GalleryStateRegistration leagues{
    "settings-leagues", [] {
        return renderSettings(SettingsTab::leagues, [](GallerySettings& settings, SettingsView&) {
            settings.app.preferences().setEnabledLeagues({"nfl", "nba", "mlb", "nhl", "mls", "epl"});
        });
    }};

// Below the limit, scrolled down to the two buttons.
const GalleryStateRegistration leaguesBelowLimit{
    "settings-leagues-below-limit", [] {
        return renderSettings(SettingsTab::leagues, [](GallerySettings& settings, SettingsView& view) {
            settings.app.preferences().setEnabledLeagues({"nba", "nhl", "epl", "wta"});
            scrollToEnd(view, SettingsTab::leagues);
        });
    }};

const GalleryStateRegistration teams{
    "settings-teams", [] {
        return renderSettings(SettingsTab::teams,
                              [](GallerySettings& settings, SettingsView&) { showMadeUpTeams(settings); });
    }};

// A 4,000-character name and a name with a line break among the teams: the list keeps to the window and
// every star stays in view.
const GalleryStateRegistration teamsLongNames{
    "settings-teams-long-names", [] {
        return renderSettings(SettingsTab::teams, [](GallerySettings& settings, SettingsView&) {
            const QDateTime now = settings.app.now();
            settings.app.show({"nba", "nhl"},
                              {upcoming("g1", galleryTeam("LNG", galleryUnrulyText("Boston", 4000), "007A33"),
                                        galleryTeam("BRK", "Lakeview\r\nComets", "552583"), now, 30),
                               upcoming("g3", galleryTeam("NTH", "North Shore Pines", "006847", "nhl"),
                                        galleryTeam("IRN", "Iron Valley Forge", "C8102E", "nhl"), now, 120)});
            settings.app.preferences().setFavoriteTeamIds({"lng", "brk", "irn"});
        });
    }};

const GalleryStateRegistration teamsSearch{
    "settings-teams-search", [] {
        return renderSettings(SettingsTab::teams, [](GallerySettings& settings, SettingsView& view) {
            showMadeUpTeams(settings);
            static_cast<FavoriteTeamsView*>(view.tabView(SettingsTab::teams))->setSearchText("ri");
        });
    }};

const GalleryStateRegistration teamsEmpty{"settings-teams-no-data",
                                          [] { return renderSettings(SettingsTab::teams); }};

const GalleryStateRegistration notifications{
    "settings-notifications", [] {
        return renderSettings(SettingsTab::notifications, [](GallerySettings& settings, SettingsView& view) {
            settings.app.preferences().setNotificationsEnabled(true);
            settings.app.preferences().setQuietHoursEnabled(true);
            scrollToEnd(view, SettingsTab::notifications);
        });
    }};

const GalleryStateRegistration notificationsOff{
    "settings-notifications-off", [] {
        return renderSettings(SettingsTab::notifications, [](GallerySettings& settings, SettingsView&) {
            settings.app.preferences().setNotificationsEnabled(false);
            settings.app.preferences().setQuietHoursEnabled(true);
        });
    }};

const GalleryStateRegistration notificationsCloseGamesOff{
    "settings-notifications-close-games-off", [] {
        return renderSettings(SettingsTab::notifications, [](GallerySettings& settings, SettingsView&) {
            settings.app.preferences().setNotificationsEnabled(true);
            settings.app.preferences().setNotifyCloseGame(false);
        });
    }};

const GalleryStateRegistration appearance{"settings-appearance",
                                          [] { return renderSettings(SettingsTab::appearance); }};

const GalleryStateRegistration appearanceOverlayOff{
    "settings-appearance-overlay-off", [] {
        return renderSettings(SettingsTab::appearance, [](GallerySettings& settings, SettingsView&) {
            settings.app.preferences().setUseNotch(false);
        });
    }};

const GalleryStateRegistration calendar{"settings-calendar",
                                        [] { return renderSettings(SettingsTab::calendar); }};

const GalleryStateRegistration calendarSyncOn{
    "settings-calendar-sync-on", [] {
        return renderSettings(SettingsTab::calendar, [](GallerySettings& settings, SettingsView&) {
            settings.app.preferences().setCalendarSyncEnabled(true);
        });
    }};

const GalleryStateRegistration advanced{"settings-advanced",
                                        [] { return renderSettings(SettingsTab::advanced); }};

const GalleryStateRegistration resetConfirmation{"settings-reset-confirmation", [] {
                                                     GallerySettings settings;
                                                     SettingsView view(settings.services);
                                                     auto* tab = static_cast<AdvancedSettingsView*>(
                                                         view.tabView(SettingsTab::advanced));
                                                     QMessageBox* box = tab->confirmReset();
                                                     const QImage image = renderWidget(*box, galleryLight);
                                                     delete box;
                                                     return image;
                                                 }};

QImage renderOnboarding(int page) {
    struct NoStore : SettingsStore {
        QVariant value(const QString&) const override { return {}; }
        bool contains(const QString&) const override { return false; }
        void setValue(const QString&, const QVariant&) override {}
        void remove(const QString&) override {}
    } store;
    OnboardingView view(page, nullptr, OnboardingPage::pages(), store);
    return renderWidget(view, galleryLight, QSize(500, 600));
}

const GalleryStateRegistration onboarding1{"onboarding-page-1", [] { return renderOnboarding(0); }};
const GalleryStateRegistration onboarding2{"onboarding-page-2", [] { return renderOnboarding(1); }};
const GalleryStateRegistration onboarding3{"onboarding-page-3", [] { return renderOnboarding(2); }};
const GalleryStateRegistration onboarding4{"onboarding-page-4", [] { return renderOnboarding(3); }};

} // namespace
