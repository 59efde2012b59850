#pragma once

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "service/ScoresService.h"

#include <QDateTime>
#include <QSet>

#include <memory>

// An application state for gallery states: made-up games and pins, a clock that stands still, no network
// (every request fails at once), no notifications and no timer that ever fires.
class GalleryAppState {
public:
    // `now` is what the clock reads; no league is followed until the state sets some.
    explicit GalleryAppState(const QDateTime& now = QDateTime(QDate(2026, 3, 14), QTime(19, 30),
                                                              Qt::LocalTime));
    ~GalleryAppState();

    AppState& state() { return *m_state; }
    UserPreferences& preferences() { return *m_preferences; }
    ScoresService& scores();
    const QDateTime& now() const;

    // Follows these leagues and holds these games (grouped by their league).
    void show(const QSet<QString>& leagues, const QList<Game>& games);
    // Runs a league refresh (which fails quietly and keeps the games), so that the footer has a time,
    // then moves the clock on by `secondsLater`.
    void markRefreshed(qint64 secondsLater);
    void setOnline(bool online);
    // Starts a league refresh whose scoreboards have not arrived when the state is rendered: the state is
    // loading, with the games it holds.
    void startUnfinishedRefresh();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    std::unique_ptr<UserPreferences> m_preferences;
    std::unique_ptr<AppState> m_state;
};
