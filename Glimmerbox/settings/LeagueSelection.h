#pragma once

#include "model/League.h"

#include <QString>

class AppState;
class UserPreferences;

// The Leagues tab's rules: at most `maxLeagues` followed at once, where switching one more on lets go of the
// followed league that stands highest in the catalogue. Every change is saved at once and carried into the
// application state on a later turn of the event loop (games of a dropped league go, a new league is
// fetched).
class LeagueSelection {
public:
    static constexpr int defaultMaxLeagues = 6;

    LeagueSelection(UserPreferences& prefs, AppState& appState, int maxLeagues = defaultMaxLeagues);

    bool isEnabled(const League& league) const;
    qsizetype enabledCount() const;
    // The counter, "4/6"; shown in the warning style at or past the limit.
    QString counterText() const;
    bool isAtLimit() const;
    // A row is dimmed when it is off and the limit is reached.
    bool isDimmed(const League& league) const;

    void setEnabled(const League& league, bool enabled);
    // "Enable First 6": the first `maxLeagues` catalogue leagues, then a refresh of every followed league.
    void enableFirstLeagues();
    // "Disable All": no league, and no games.
    void disableAll();

private:
    void enable(const League& league);
    void disable(const League& league);

    UserPreferences& m_prefs;
    AppState& m_appState;
    int m_maxLeagues;
};
