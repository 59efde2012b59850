#pragma once

#include "StubAppState.h"
#include "TaskRunner.h"

#include "platform/desktop/Autostart.h"
#include "platform/desktop/CalendarAccess.h"
#include "platform/desktop/Updater.h"
#include "settings/CalendarService.h"
#include "settings/SettingsServices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Counts the access requests and refuses them.
class FakeCalendarAccess final : public CalendarAccess {
public:
    QCoro::Task<bool> requestFullAccessToEvents() override {
        ++requests;
        co_return false;
    }
    int requests = 0;
};

// The settings window's services on fakes: the stub application state, a login item in a temporary
// folder, an updater without a feed and a calendar that counts requests. The settings document starts
// unsaved.
class SettingsFixture : public ::testing::Test, protected StubAppState {
protected:
    void SetUp() override { processPendingEvents(); }

    bool hasSavedDocument() const { return settings.contains(QString(UserPreferences::storageKey)); }
    QString autostartFolder() const { return autostartDir.path() + "/autostart"; }

    QTemporaryDir autostartDir;
    Autostart autostart{autostartFolder(), "test.Glimmerbox", "/usr/bin/glimmerbox"};
    MemorySettingsStore updaterStore;
    Updater updater{std::nullopt, "1.0.0", &updaterStore, clock};
    FakeCalendarAccess calendarAccess;
    CalendarService calendar{calendarAccess};
    SettingsServices services{state, preferences, autostart, updater, cache, calendar};
};
