#include "ManyGames.h"

#include <QDateTime>

namespace {

// A side without an id or a home-or-away mark: the first competitor is the home team.
QByteArray side(char mark, const QByteArray& number, const char* score) {
    const QByteArray name = mark + number;
    return R"({"score":")" + QByteArray(score) + R"(","team":{"displayName":")" + name +
           R"(","abbreviation":")" + mark + number.right(3) + R"("}})";
}

} // namespace

QByteArray manyGamesScoreboard(int count) {
    const QByteArray started = QDateTime::currentDateTimeUtc()
                                   .addSecs(-3600)
                                   .toString(QStringLiteral("yyyy-MM-ddTHH:mmZ"))
                                   .toLatin1();
    QByteArray body = R"({"events":[)";
    body.reserve(qsizetype(count) * 300 + 32);
    for (int index = 0; index < count; ++index) {
        const QByteArray number = QByteArray::number(index);
        if (index > 0)
            body += ',';
        body += R"({"id":"mg)" + number + R"(","date":")" + started +
                R"(","competitions":[{"competitors":[)" + side('h', number, "51") + ',' +
                side('a', number, "49") +
                R"(],"status":{"displayClock":"4:12","type":{"state":"in","shortDetail":"3rd"}}}]})";
    }
    body += "]}";
    return body;
}
