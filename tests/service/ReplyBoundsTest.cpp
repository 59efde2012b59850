// Every text a mapping gives is bounded where it is read: recorded replies map as they are, hostile ones to
// texts no longer than their kind's cap and with no more than thirty combining marks in a row.
#include "CombiningMarks.h"
#include "MappedTexts.h"
#include "MappingTestSupport.h"
#include "service/ReplyFields.h"
#include "service/SharedParsers.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>

#include <functional>

namespace {

using namespace mappedtexts;

// A recorded reply under tests/data and the mappings it goes through.
struct Recorded {
    QString file;
    QString folder;
    QString leagueId;
};

QList<Recorded> recordedReplies() {
    QList<Recorded> replies;
    const QDir root(testdata::path(QString()));
    for (const char* folder : {"scoreboard", "summary", "teams"}) {
        QDirIterator files(root.filePath(folder), {"*.json"}, QDir::Files);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            replies.append(
                {root.relativeFilePath(file.filePath()), folder, file.baseName().section(u'-', 0, 0)});
        }
    }
    EXPECT_GE(replies.size(), 12) << "recorded replies found";
    return replies;
}

// A summary is asked for by the id it names, which the application knows from a scoreboard read as every
// label is: hostile texts change that id too.
QString ownId(const QByteArray& summary) {
    const QJsonObject header = QJsonDocument::fromJson(summary).object().value("header").toObject();
    return boundedText(header.value("id").toString(), field::label).value_or(QString());
}

// Every text the reply's mappings give, and how many values they gave.
struct Mapped {
    Texts texts;
    qsizetype values = 0;
};

Mapped mapReply(const Recorded& reply, const QByteArray& body) {
    const League league = leagueWithId(reply.leagueId);
    Mapped result;
    if (reply.folder == u"scoreboard") {
        const QList<Game> games = mapped(parseScoreboard(body, league, mappingNow()));
        collect(games, result.texts);
        result.values = games.size();
    } else if (reply.folder == u"summary") {
        const GameDetail detail = mapped(parseSummary(body, league, ownId(body), mappingNow()));
        collect(detail, result.texts);
        const QList<TopScorer> scorers = mapped(parseTopScorers(body));
        collect(scorers, result.texts);
        result.values = detail.playByPlay.size() + scorers.size();
    } else {
        const QList<Team> teams = mapped(parseTeams(body, league));
        collect(teams, result.texts);
        result.values = teams.size();
    }
    return result;
}

// `value` with every text changed by `change`, but for those the mappings parse or compare whole (dates,
// states, sides, record kinds, the race's session, empty and placeholder names): a reply hostile everywhere
// else.
QJsonValue changedTexts(const QJsonValue& value, const std::function<QString(const QString&)>& change) {
    static const QStringList compared{"pre",   "in",      "post", "home", "away",
                                      "total", "overall", "Race", "TBD",  "Unknown"};
    if (value.isString()) {
        const QString text = value.toString();
        return text.isEmpty() || compared.contains(text.trimmed()) || parseDate(text) ? text : change(text);
    }
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(changedTexts(element, change));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            it.value() = changedTexts(it.value(), change);
        return object;
    }
    return value;
}

} // namespace

TEST(ReplyBoundsTest, EveryTextOfEveryRecordedReplyAndOfWhatItMapsToIsAlreadyWithinItsBounds) {
    // Every text a mapping gives is read through one of the field bounds: where each leaves every text of
    // the recorded replies as it is, they map exactly as they did before there were bounds.
    QDirIterator files(testdata::path(QString()), {"*.json"}, QDir::Files, QDirIterator::Subdirectories);
    int texts = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        Texts found;
        collect(QJsonDocument::fromJson(file.readAll()).object(), QString(), found);
        for (const Text& text : found) {
            for (const TextBound bound : {field::label, field::paragraph, field::address})
                EXPECT_EQ(boundedText(text.text, bound), text.text) << qPrintable(file.fileName());
        }
        texts += found.size();
    }
    EXPECT_GT(texts, 2900);

    // And what they map to, the texts made of several (a tennis match's set scores) included.
    for (const Recorded& reply : recordedReplies()) {
        const Mapped result = mapReply(reply, testdata::read(reply.file));
        EXPECT_GT(result.values, 0) << qPrintable(reply.file);
        for (const Text& text : result.texts) {
            const TextBound bound = capOf(text.key) == 4096 ? field::paragraph : field::label;
            EXPECT_EQ(boundedText(text.text, bound), text.text) << qPrintable(reply.file + u' ' + text.key);
        }
    }
}

TEST(ReplyBoundsTest, HostileTextsInEveryRecordedReplyMapToTextsWithinTheirKindsBounds) {
    const QString accented("e\u0301");
    const std::pair<const char*, std::function<QString(const QString&)>> hostile[] = {
        {"twenty thousand marks",
         [](const QString& text) { return text.left(1) + combiningMarks(20000) + text.mid(1); }},
        {"ten thousand letters", [](const QString& text) { return text + QString(10000, u'x'); }},
        {"a long word of accented letters",
         [&](const QString& text) { return text + accented.repeated(3000); }},
    };
    for (const Recorded& reply : recordedReplies()) {
        const QByteArray body = testdata::read(reply.file);
        const Mapped healthy = mapReply(reply, body);
        const QJsonObject object = QJsonDocument::fromJson(body).object();
        for (const auto& [name, change] : hostile) {
            const QByteArray changed = QJsonDocument(changedTexts(object, change).toObject()).toJson();
            const Mapped result = mapReply(reply, changed);
            const QString where = reply.file + ", " + QString::fromLatin1(name);
            EXPECT_EQ(result.values, healthy.values) << qPrintable(where);
            for (const Text& text : result.texts) {
                EXPECT_LE(text.text.size(), capOf(text.key)) << qPrintable(where + u' ' + text.key);
                EXPECT_LE(longestMarkRun(text.text), 30) << qPrintable(where + u' ' + text.key);
                // Never cut between a letter and its accent.
                if (text.text.contains(accented)) {
                    EXPECT_FALSE(text.text.endsWith(u'e')) << qPrintable(where + u' ' + text.key);
                }
            }
        }
    }
}

TEST(ReplyBoundsTest, ANameOfOneLetterAndTwentyThousandMarksKeepsItsLetterAndThirtyMarks) {
    const QByteArray name = ("B" + combiningMarks(20000)).toUtf8();
    const Game game = onlyGame(oneEvent(R"("competitions": [{"competitors": [
        {"homeAway": "home", "team": {"id": "1", "displayName": ")" +
                                        name + R"(", "abbreviation": ")" + name + R"("}},
        {"homeAway": "away", "team": {"id": "2", "displayName": "Away"}}]}])"),
                               "nba");
    EXPECT_EQ(game.homeTeam.name, "B" + combiningMarks(30));
    EXPECT_EQ(game.homeTeam.abbreviation, "B" + combiningMarks(30));
    EXPECT_EQ(game.homeTeam.shortName, "B" + combiningMarks(30));
}

TEST(ReplyBoundsTest, APlaysTextKeepsAFewThousandCharactersWhereANameKeepsAFewHundred) {
    const QByteArray words = QByteArray("Pass complete to the left. ").repeated(100); // 2,700 characters
    const Game game = onlyGame(oneEvent(R"("competitions": [{"competitors": [
        {"homeAway": "home", "team": {"id": "1", "displayName": ")" +
                                        words + R"("}},
        {"homeAway": "away", "team": {"id": "2", "displayName": "Away"}}],
        "situation": {"lastPlay": {"text": ")" +
                                        words + R"("}}}])"),
                               "nfl");
    ASSERT_TRUE(game.situations && game.situations->lastPlayText);
    EXPECT_EQ(*game.situations->lastPlayText, QString::fromUtf8(words));
    EXPECT_EQ(game.homeTeam.name, QString::fromUtf8(words).left(256));
}

TEST(ReplyBoundsTest, APlaysTextCutAtItsBoundEndsWithAnEllipsisSoTheReaderSeesThatItGoesOn) {
    const QByteArray words = QByteArray("Pass complete to the left. ").repeated(200); // 5,400 characters
    const QString cut = QString::fromUtf8(words).left(4095) + QChar(0x2026);
    const Game game = onlyGame(oneEvent(R"("competitions": [{"competitors": [
        {"homeAway": "home", "team": {"id": "1", "displayName": "Home"}},
        {"homeAway": "away", "team": {"id": "2", "displayName": "Away"}}],
        "situation": {"lastPlay": {"text": ")" +
                                        words + R"("}}}])"),
                               "nfl");
    ASSERT_TRUE(game.situations && game.situations->lastPlayText);
    EXPECT_EQ(*game.situations->lastPlayText, cut);

    const GameDetail detail = mapped(parseSummary(R"({"header": {"competitions": [{}]},
        "drives": {"previous": [{"plays": [{"id": "1", "text": ")" +
                                                      words + R"("}]}]}})",
                                                  leagueWithId("nfl"), "1", mappingNow()));
    ASSERT_EQ(detail.playByPlay.size(), 1);
    EXPECT_EQ(detail.playByPlay.first().description, cut);
}
