#pragma once

#include "model/PlayByPlayEvent.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>

// The plays of every drive of a summary, newest first; an empty list when the summary has no drives.
QList<PlayByPlayEvent> parsePlays(const QJsonObject& summary, const QString& gameId, const QDateTime& now);

// A play's kind from its type text, by the first keyword it contains.
PlayEventType classifyPlay(QStringView text);
