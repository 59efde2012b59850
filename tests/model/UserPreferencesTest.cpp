#include "support/LogCapture.h"
#include "support/ManualClock.h"
#include "support/MemorySettingsStore.h"

#include "model/UserPreferences.h"
#include "platform/desktop/QSettingsStore.h"

#include <QJsonDocument>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString key = UserPreferences::storageKey;

QSet<QString> ids(std::initializer_list<const char*> list) {
    QSet<QString> set;
    for (const char* id : list)
        set.insert(QString::fromUtf8(id));
    return set;
}

class UserPreferencesTest : public ::testing::Test {
protected:
    // The store as a document written elsewhere left it.
    void storeDocument(const char* json) { store.setValue(key, QString::fromUtf8(json)); }
    QJsonObject storedDocument() const {
        return QJsonDocument::fromJson(store.value(key).toString().toUtf8()).object();
    }

    MemorySettingsStore store;
};

// Every published setting, compared through the property system so that none can be forgotten.
QList<QMetaProperty> settingProperties() {
    const QMetaObject& meta = UserPreferences::staticMetaObject;
    QList<QMetaProperty> properties;
    for (int index = meta.propertyOffset(); index < meta.propertyCount(); ++index)
        properties.append(meta.property(index));
    return properties;
}

// A value of the property's type that differs from `current`.
QVariant changedValue(const QMetaProperty& property, const QVariant& current) {
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<bool>())
        return !current.toBool();
    if (type == QMetaType::fromType<qint64>())
        return QVariant::fromValue(current.toLongLong() - 1); // inside every number's range
    if (type == QMetaType::fromType<double>())
        return current.toDouble() + 2.25;
    // Sets and texts carry the characters that the settings file has to escape.
    if (type == QMetaType::fromType<QSet<QString>>())
        return QVariant::fromValue(ids({"12", "34", "a,b \"quoted\""}));
    if (type == QMetaType::fromType<MenuBarDisplayMode>())
        return QVariant::fromValue(MenuBarDisplayMode::teamAbbreviation);
    if (type == QMetaType::fromType<QDateTime>())
        return QDateTime(QDate(2026, 3, 14), QTime(23, 30), Qt::LocalTime);
    if (type == QMetaType::fromType<std::optional<QString>>())
        return QVariant::fromValue(std::optional<QString>(u"Work; home = \\ calendar"_s));
    ADD_FAILURE() << "no changed value for " << property.name();
    return current;
}

} // namespace

TEST(UserPreferencesFileTest, SaveAndReloadThroughTheSettingsFileReproducesEverySetting) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString fileName = directory.filePath(u"Glimmerbox.conf"_s);
    QSettingsStore store(fileName);
    UserPreferences original(store);
    const UserPreferences defaults(store);
    const QList<QMetaProperty> properties = settingProperties();
    ASSERT_EQ(properties.size(), 38);
    for (const QMetaProperty& property : properties) {
        ASSERT_TRUE(property.write(&original, changedValue(property, property.read(&original))))
            << property.name();
        ASSERT_NE(property.read(&original), property.read(&defaults)) << property.name();
    }
    EXPECT_FALSE(store.contains(key)) << "assignments are not saved by themselves";

    original.save();
    QSettingsStore reopened(fileName);
    const UserPreferences reloaded(reopened);
    for (const QMetaProperty& property : properties)
        EXPECT_EQ(property.read(&reloaded), property.read(&original)) << property.name();
    EXPECT_EQ(reloaded.quietHoursStart().toLocalTime().time(), QTime(23, 30));
}

TEST_F(UserPreferencesTest, SaveWritesOneJsonTextWithInstantsCountedFrom2001) {
    // A document stored as bytes is read as well as one stored as text.
    store.setValue(key, QByteArray(R"({"quietHoursStart": 0, "quietHoursEnd": 86400.5})"));
    UserPreferences preferences(store);
    EXPECT_EQ(preferences.quietHoursStart(), QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(preferences.quietHoursEnd(), QDateTime(QDate(2001, 1, 2), QTime(0, 0, 0, 500), Qt::UTC));

    preferences.setQuietHoursStart(QDateTime(QDate(2001, 1, 1), QTime(0, 1, 30, 250), Qt::UTC));
    preferences.save();
    EXPECT_EQ(store.value(key).typeId(), QMetaType::QString);
    EXPECT_GE(store.syncCount, 1);
    QJsonObject document = storedDocument();
    EXPECT_EQ(document.value("quietHoursStart"_L1).toDouble(), 90.25);
    EXPECT_EQ(document.value("quietHoursEnd"_L1).toDouble(), 86400.5);
    EXPECT_EQ(document.size(), 37);
    EXPECT_FALSE(document.contains("calendarIdentifier"_L1));
    EXPECT_EQ(document.value("menuBarDisplayMode"_L1).toString(), "score_only"_L1);
    EXPECT_TRUE(document.value("enabledLeagues"_L1).isArray());

    preferences.setCalendarIdentifier(u"work"_s);
    preferences.save();
    document = storedDocument();
    EXPECT_EQ(document.size(), 38);
    EXPECT_EQ(document.value("calendarIdentifier"_L1).toString(), "work"_L1);
}

TEST_F(UserPreferencesTest, NullMissingAndUnknownKeysLeaveDefaults) {
    const UserPreferences defaults(store);
    storeDocument(R"({"useNotch": false, "busyMode": true, "maxPinnedGames": null, "calendarIdentifier": null,
                      "quietHoursStart": null, "notchStyle": "round", "version": 4})");
    LogCapture log;
    const UserPreferences preferences(store);
    EXPECT_FALSE(preferences.useNotch());
    EXPECT_TRUE(preferences.busyMode());
    for (const QMetaProperty& property : settingProperties()) {
        const QByteArrayView name(property.name());
        if (name != "useNotch" && name != "busyMode") {
            EXPECT_EQ(property.read(&preferences), property.read(&defaults)) << property.name();
        }
    }
    EXPECT_TRUE(log.warnings().isEmpty()) << log.warnings().join(u'\n').toStdString();
}

TEST_F(UserPreferencesTest, OneBadValueDefaultsOnlyItsOwnSetting) {
    storeDocument(R"({"maxPinnedGames": "5", "busyMode": true, "closeGameThreshold": 10,
                      "menuBarDisplayMode": "icon_only", "favoriteTeamIds": ["12", "34"]})");
    LogCapture log;
    UserPreferences preferences(store);
    EXPECT_EQ(preferences.maxPinnedGames(), 3);
    EXPECT_TRUE(preferences.busyMode());
    EXPECT_EQ(preferences.closeGameThreshold(), 10);
    EXPECT_EQ(preferences.menuBarDisplayMode(), MenuBarDisplayMode::iconOnly);
    EXPECT_EQ(preferences.favoriteTeamIds(), ids({"12", "34"}));
    ASSERT_EQ(log.warnings().size(), 1);
    EXPECT_TRUE(log.warnings().first().contains("maxPinnedGames"_L1)) << log.warnings().first().toStdString();
    EXPECT_TRUE(log.warnings().first().startsWith("warning General: "_L1))
        << log.warnings().first().toStdString();

    // The next save keeps what the user had rather than overwriting it with defaults.
    preferences.save();
    EXPECT_TRUE(storedDocument().value("busyMode"_L1).toBool());
    EXPECT_EQ(storedDocument().value("maxPinnedGames"_L1).toInteger(), 3);
}

TEST_F(UserPreferencesTest, BadValuesOfEveryKindAreNamedInOneWarning) {
    storeDocument(R"({"enabledLeagues": ["nba", 7], "quietHoursEnd": "08:00", "maxPinnedGames": 2.5,
                      "useNotch": 0, "calendarIdentifier": 12, "showInDock": true,
                      "menuBarDisplayMode": "Score_Only", "notifyScoreChange": true, "refreshInterval": 45.5})");
    LogCapture log;
    const UserPreferences preferences(store);
    EXPECT_EQ(preferences.enabledLeagues(), ids({"nfl", "nba", "mlb", "nhl", "mls", "epl"}));
    EXPECT_EQ(preferences.quietHoursEnd().toLocalTime().time(), QTime(8, 0));
    EXPECT_EQ(preferences.maxPinnedGames(), 3);
    EXPECT_TRUE(preferences.useNotch());
    EXPECT_FALSE(preferences.calendarIdentifier().has_value());
    EXPECT_TRUE(preferences.showInDock());
    EXPECT_EQ(preferences.menuBarDisplayMode(), MenuBarDisplayMode::scoreOnly);
    EXPECT_TRUE(preferences.notifyScoreChange());
    EXPECT_EQ(preferences.refreshInterval(), 45.5);
    ASSERT_EQ(log.warnings().size(), 1);
    for (const char* name : {"enabledLeagues", "quietHoursEnd", "maxPinnedGames", "useNotch",
                             "calendarIdentifier", "menuBarDisplayMode"})
        EXPECT_TRUE(log.warnings().first().contains(QLatin1StringView(name))) << name;
    EXPECT_FALSE(log.warnings().first().contains("showInDock"_L1));
}

TEST_F(UserPreferencesTest, StoredNumbersOutsideTheirControlsRangeAreBroughtInsideAndSaidSo) {
    const struct {
        const char* key;
        qint64 (UserPreferences::*get)() const;
        qint64 minimum, maximum;
    } settings[] = {
        {"maxPinnedGames", &UserPreferences::maxPinnedGames, 1, 5},
        {"closeGameThreshold", &UserPreferences::closeGameThreshold, 1, 21},
        {"reminderMinutesBefore", &UserPreferences::reminderMinutesBefore, 0, 60},
        {"cacheExpirationHours", &UserPreferences::cacheExpirationHours, 1, 168},
    };
    const struct {
        const char* stored;
        bool wantsMaximum;
    } values[] = {
        {"-5", false}, {"100000", true}, {"9223372036854775807", true}, {"-9223372036854775808", false}};
    for (const auto& setting : settings) {
        for (const auto& value : values) {
            SCOPED_TRACE(std::string(setting.key) + " " + value.stored);
            storeDocument(
                QStringLiteral(R"({"%1": %2})").arg(setting.key, value.stored).toUtf8().constData());
            LogCapture log;
            const UserPreferences preferences(store);
            const qint64 expected = value.wantsMaximum ? setting.maximum : setting.minimum;
            EXPECT_EQ((preferences.*setting.get)(), expected);
            const QString said = QStringLiteral("warning General: Stored %1 %2 is outside %3 to %4; using %5")
                                     .arg(setting.key, value.stored)
                                     .arg(setting.minimum)
                                     .arg(setting.maximum)
                                     .arg(expected);
            EXPECT_EQ(log.warnings().join(u'\n').toStdString(), said.toStdString());
        }
        SCOPED_TRACE(setting.key);
        storeDocument(
            QStringLiteral(R"({"%1": %2})").arg(setting.key).arg(setting.maximum).toUtf8().constData());
        LogCapture log;
        EXPECT_EQ((UserPreferences(store).*setting.get)(), setting.maximum) << "the bounds are inside";
        EXPECT_TRUE(log.warnings().isEmpty()) << log.warnings().join(u'\n').toStdString();
    }
}

TEST_F(UserPreferencesTest, DocumentThatIsNotAnObjectLeavesDefaultsAndStays) {
    for (const char* text : {"not json at all", "[1, 2, 3]", "42", ""}) {
        storeDocument(text);
        LogCapture log;
        const UserPreferences preferences(store);
        EXPECT_EQ(preferences.maxPinnedGames(), 3) << text;
        EXPECT_TRUE(preferences.useNotch()) << text;
        EXPECT_EQ(log.warnings().size(), 1) << text;
        EXPECT_EQ(store.value(key).toString(), QString::fromUtf8(text))
            << "the document stays until the next save";
    }
}

TEST_F(UserPreferencesTest, EnabledLeaguesBeyondSixAreTrimmedInCatalogueOrder) {
    const struct {
        const char* document;
        QSet<QString> expected;
    } cases[] = {
        // Up to six ids are taken as stored: unknown ones stay, an empty list stays empty.
        {R"({"enabledLeagues": ["xfl"]})", ids({"xfl"})},
        {R"({"enabledLeagues": []})", {}},
        // Seven entries, but only six distinct ids: still taken as they are, unknown ones included.
        {R"({"enabledLeagues": ["wta", "atp", "xfl", "usfl", "ipl", "ufc", "wta"]})",
         ids({"wta", "atp", "xfl", "usfl", "ipl", "ufc"})},
        // More than six: catalogue order decides, the first six catalogue leagues stay.
        {R"({"enabledLeagues": ["wta", "nfl", "ipl", "ucl", "ufc", "pga", "f1", "xfl"]})",
         ids({"nfl", "f1", "pga", "ufc", "ucl", "ipl"})},
        // Fewer than six catalogue leagues among many unknown ids.
        {R"({"enabledLeagues": ["a", "b", "c", "d", "e", "nba", "wta"]})", ids({"nba", "wta"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        storeDocument(c.document);
        EXPECT_EQ(UserPreferences(store).enabledLeagues(), c.expected);
    }
}

TEST_F(UserPreferencesTest, AssignmentAnnouncesItselfBeforeStoringAndAlwaysReports) {
    UserPreferences preferences(store);
    QSignalSpy changed(&preferences, &UserPreferences::maxPinnedGamesChanged);
    QList<qint64> seenBeforeStore;
    QObject::connect(&preferences, &UserPreferences::objectWillChange, &preferences,
                     [&] { seenBeforeStore.append(preferences.maxPinnedGames()); });

    preferences.setMaxPinnedGames(3); // equal to the current value
    preferences.setMaxPinnedGames(5);

    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(0).at(0).toLongLong(), 3);
    EXPECT_EQ(changed.at(1).at(0).toLongLong(), 5);
    EXPECT_EQ(seenBeforeStore, (QList<qint64>{3, 3})) << "one announcement per assignment, before it";
}

TEST_F(UserPreferencesTest, FirstSaveOverATornDocumentKeepsItWithTheTimeAndSaysSoOnce) {
    const QString torn = QStringLiteral(R"({"maxPinnedGames": 5, "useNotch": false, "enabledLea)");
    const QString oneBadValue = QStringLiteral(R"({"maxPinnedGames": "five", "useNotch": false})");
    for (const QString& document : {torn, oneBadValue}) {
        store.remove(UserPreferences::unreadableKey);
        store.setValue(key, document);
        ManualClock clock;
        UserPreferences preferences(store, clock);
        EXPECT_FALSE(store.contains(UserPreferences::unreadableKey)) << "loading alone writes nothing";

        LogCapture log;
        preferences.save();
        EXPECT_EQ(store.value(UserPreferences::unreadableKey).toString(), document);
        EXPECT_EQ(store.value(UserPreferences::unreadableTimeKey).toString(), "2026-03-14T18:00:00Z");
        EXPECT_EQ(log.warnings().size(), 1);

        // Later saves write over the user's new settings alone.
        clock.advanceSeconds(60);
        store.setValue(UserPreferences::unreadableKey, u"untouched"_s);
        preferences.save();
        EXPECT_EQ(store.value(UserPreferences::unreadableKey).toString(), u"untouched");
        EXPECT_EQ(log.warnings().size(), 1);
    }

    // A document that reads whole leaves no copy behind.
    store.remove(UserPreferences::unreadableKey);
    UserPreferences(store).save();
    EXPECT_FALSE(store.contains(UserPreferences::unreadableKey));
}
