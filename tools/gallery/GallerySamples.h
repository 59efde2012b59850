#pragma once

#include "model/Team.h"

#include <QColor>
#include <QString>
#include <QUrl>

// Made-up teams for gallery states. With `withLogo`, a logo is drawn at run time and put into the shared
// image loader under the team's logo address, so views show it without any network.
Team galleryTeam(const QString& abbreviation, const QString& name, const QString& primaryColor,
                 const QString& leagueId = QStringLiteral("nba"), bool withLogo = true);

// An address no download is ever made for: the refused scheme makes the logo fail at once.
QUrl galleryFailingLogoURL();
// A local address whose download stays pending while the state renders.
QUrl galleryPendingLogoURL(const QString& name);

// A text as a broken or hostile service could send it: `start`, a line break, then `length` more characters,
// for the states that show long and multi-line names kept to their room.
QString galleryUnrulyText(const QString& start, int length);
