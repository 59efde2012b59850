#include "LeagueSelection.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"

namespace {

// The application state's follow-ups run on a later turn of the event loop, in the order they are started.
template <typename Work>
void later(AppState& appState, Work work) {
    QMetaObject::invokeMethod(
        &appState, [&appState, work] { work(appState); }, Qt::QueuedConnection);
}

} // namespace

LeagueSelection::LeagueSelection(UserPreferences& prefs, AppState& appState, int maxLeagues)
    : m_prefs(prefs), m_appState(appState), m_maxLeagues(maxLeagues) {}

bool LeagueSelection::isEnabled(const League& league) const {
    return m_prefs.enabledLeagues().contains(league.id);
}

qsizetype LeagueSelection::enabledCount() const {
    return m_prefs.enabledLeagues().size();
}

QString LeagueSelection::counterText() const {
    return QStringLiteral("%1/%2").arg(enabledCount()).arg(m_maxLeagues);
}

bool LeagueSelection::isAtLimit() const {
    return enabledCount() >= m_maxLeagues;
}

bool LeagueSelection::isDimmed(const League& league) const {
    return !isEnabled(league) && isAtLimit();
}

void LeagueSelection::setEnabled(const League& league, bool enabled) {
    if (enabled)
        enable(league);
    else
        disable(league);
}

void LeagueSelection::disable(const League& league) {
    QSet<QString> ids = m_prefs.enabledLeagues();
    ids.remove(league.id);
    m_prefs.setEnabledLeagues(ids);
    m_prefs.save();
    later(m_appState, [id = league.id](AppState& state) { state.removeLeagueGames(id); });
}

void LeagueSelection::enable(const League& league) {
    QSet<QString> ids = m_prefs.enabledLeagues();
    if (ids.size() >= m_maxLeagues) {
        // The highest catalogue league that is followed goes; with only unknown ids followed, none does.
        const QList<League>& catalogue = League::allLeagues();
        const auto evicted = std::ranges::find_if(catalogue, [&](const League& candidate) {
            return candidate.id != league.id && ids.contains(candidate.id);
        });
        if (evicted != catalogue.end()) {
            ids.remove(evicted->id);
            m_prefs.setEnabledLeagues(ids);
            later(m_appState, [id = evicted->id](AppState& state) { state.removeLeagueGames(id); });
        }
    }
    ids.insert(league.id);
    m_prefs.setEnabledLeagues(ids);
    m_prefs.save();
    later(m_appState, [league](AppState& state) { state.refreshLeague(league); });
}

void LeagueSelection::enableFirstLeagues() {
    const QList<League>& catalogue = League::allLeagues();
    QSet<QString> ids;
    for (const League& league : catalogue.first(std::min<qsizetype>(m_maxLeagues, catalogue.size())))
        ids.insert(league.id);
    m_prefs.setEnabledLeagues(ids);
    m_prefs.save();
    later(m_appState, [](AppState& state) { state.refreshLeagues(); });
}

void LeagueSelection::disableAll() {
    m_prefs.setEnabledLeagues({});
    m_prefs.save();
    later(m_appState, [](AppState& state) { state.setGames({}); });
}
