#pragma once

#include "model/RawValue.h"

#include <QList>
#include <QString>

#include <optional>

// The four tabs of the game detail panel, in the order the tab bar shows them.
enum class DetailTab { summary, boxScore, playByPlay, stats };

QString rawValue(DetailTab tab);
template <>
std::optional<DetailTab> fromRawValue<DetailTab>(QStringView raw);
const QList<DetailTab>& allDetailTabs();
// "Summary", "Box Score", "Plays", "Stats".
QString title(DetailTab tab);
