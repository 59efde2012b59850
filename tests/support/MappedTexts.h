#pragma once

#include "service/GameDetail.h"
#include "service/TopScorer.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <algorithm>

// Every text of mapped values, with the key of the field it was found under (the model's values through
// their JSON form), and the bounds the mappings keep them to.
namespace mappedtexts {

struct Text {
    QString key;
    QString text;
};
using Texts = QList<Text>;

inline void collect(const QJsonValue& value, const QString& key, Texts& texts) {
    if (value.isString()) {
        texts.append({key, value.toString()});
    } else if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            collect(element, key, texts);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            collect(it.value(), it.key(), texts);
    }
}

template <typename T>
void collect(const QList<T>& values, Texts& texts) {
    for (const T& value : values)
        collect(value.toJson(), QString(), texts);
}

inline void collect(const QList<LeaderCategory>& leaders, Texts& texts) {
    for (const LeaderCategory& leader : leaders)
        texts << Text{"category", leader.category} << Text{"playerName", leader.playerName}
              << Text{"displayValue", leader.displayValue};
}

inline void collect(const GameDetail& detail, Texts& texts) {
    collect(detail.game.toJson(), QString(), texts);
    collect(detail.playByPlay, texts);
    if (detail.leaders) {
        collect(detail.leaders->homeLeaders, texts);
        collect(detail.leaders->awayLeaders, texts);
    }
}

inline void collect(const QList<TopScorer>& scorers, Texts& texts) {
    for (const TopScorer& scorer : scorers) {
        texts << Text{"playerName", scorer.playerName} << Text{"statLine", scorer.statLine};
        if (scorer.headshotURL)
            texts << Text{"headshotURL", scorer.headshotURL->toString()};
    }
}

// What the views may be handed under `key`: a play's text a few thousand characters, an address two
// thousand, anything else a few hundred.
inline qsizetype capOf(const QString& key) {
    if (key == u"description" || key == u"lastPlayText")
        return 4096;
    if (key.endsWith(u"URL"))
        return 2048;
    return 256;
}

inline int longestMarkRun(const QString& text) {
    int longest = 0;
    int run = 0;
    for (const char32_t c : text.toUcs4()) {
        run = QChar::isMark(c) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// Every text within its cap, with no more than thirty combining marks in a row.
inline bool allBounded(const Texts& texts) {
    return std::all_of(texts.begin(), texts.end(), [](const Text& text) {
        return text.text.size() <= capOf(text.key) && longestMarkRun(text.text) <= 30;
    });
}

} // namespace mappedtexts
