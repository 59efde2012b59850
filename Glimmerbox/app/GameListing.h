#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QList>
#include <QSet>
#include <QString>

// How the views list leagues and games: the followed leagues in catalogue order, and a league's games live
// first, then scheduled by start time, then finished (other statuses are not listed).
namespace gamelisting {

QList<League> enabledLeaguesInCatalogueOrder(const QSet<QString>& enabledIds);

// Live and finished games keep their input order; scheduled games are sorted stably by start time.
QList<Game> liveThenScheduledThenFinal(const QList<Game>& games);

} // namespace gamelisting
