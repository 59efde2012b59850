#include "StandinServer.h"

#include "GzipStream.h"
#include "HostilePictures.h"
#include "HostileScoreboards.h"
#include "MadeOnce.h"
#include "ManyGames.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <QtEndian>

#include <memory>

namespace {
const QString servicePrefix = QStringLiteral("/apis/site/v2/sports/");

// A server error page as a proxy or load balancer in front of the service would send it.
const QByteArray htmlErrorPage = "<!DOCTYPE html>\n<html><head><title>Service Unavailable</title></head>\n"
                                 "<body><h1>Service Unavailable</h1><p>The server is temporarily unable to "
                                 "service your request.</p></body>"
                                 "</html>\n";

// `value` with every name under `keys` turned into its first letter followed by `marks` combining marks, the
// diacritics U+0300 to U+036F in turn.
QJsonValue withMarkedNames(const QJsonValue& value, int marks) {
    static const QStringList keys{QStringLiteral("displayName"), QStringLiteral("shortDisplayName")};
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(withMarkedNames(element, marks));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue field = it.value();
        if (field.isString() && keys.contains(it.key())) {
            QString name = field.toString().left(1);
            for (int i = 0; i < marks; ++i)
                name.append(QChar(0x300 + i % 0x70));
            it.value() = name;
        } else if (field.isObject() || field.isArray()) {
            it.value() = withMarkedNames(field, marks);
        }
    }
    return object;
}

// A plain disc of `color` on a transparent square of `side`.
QImage disc(int side, QColor color) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const double margin = side / 16.0;
        painter.drawEllipse(QRectF(margin, margin, side - 2 * margin, side - 2 * margin));
    }
    return image;
}

// The status line and headers of a reply written to the socket by hand, `framing` saying how its body ends.
QByteArray rawHead(int status, const char* reason, const QByteArray& mimeType, const QByteArray& framing) {
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + mimeType +
           "\r\n" + framing + "\r\n\r\n";
}
} // namespace

StandinServer::StandinServer(Scenario scenario, double speed, int latencyMs, bool verbose)
    : m_scenario(std::move(scenario)), m_clock(speed), m_latencyMs(latencyMs), m_verbose(verbose) {
    m_started.start();
}

RenderContext StandinServer::renderContext() const {
    return RenderContext{m_clock.elapsedSeconds(), m_clock.anchor(), m_baseURL};
}

bool StandinServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const QUrl url = request.url();
    const QString path = url.path();
    const QString rawQuery = url.query(QUrl::FullyEncoded);
    const QUrlQuery query(url);
    const QString target = rawQuery.isEmpty() ? path : path + u'?' + rawQuery;

    if (path.startsWith(QLatin1String("/__"))) {
        QHttpServerResponder responder = makeResponder(request, socket);
        send(responder, control(path, query));
        return true;
    }

    ++m_totalRequests;
    ++m_requestCounts[target];
    m_lastUserAgent = QString::fromUtf8(request.value("User-Agent"));
    if (!request.value("Cookie").isEmpty())
        ++m_cookieRequests;
    m_requestTimes[target].append(realSeconds());
    const std::optional<Fault> fault =
        takeFault(m_scenario.faults(), path, rawQuery, m_clock.elapsedSeconds(), realSeconds());
    if (m_verbose)
        QTextStream(stderr) << "GET " << target << (fault ? " (fault)" : "") << Qt::endl;

    if (fault && fault->drop) {
        // Closed after this call returns, so the server is done with the socket by then.
        QTimer::singleShot(0, socket, [socket] { socket->abort(); });
        return true;
    }
    Reply reply = route(path, query, fault ? fault->manyTeams : 0);
    if (fault)
        reply = withScoreboardFault(*fault, target, withFault(*fault, std::move(reply)));

    if (fault && fault->trickleSeconds > 0) {
        trickle(socket, reply, fault->trickleSeconds);
        return true;
    }
    if (fault && fault->streamSeconds > 0) {
        stream(socket, reply, fault->streamSeconds);
        return true;
    }
    if (fault && fault->endlessHeader) {
        endlessHeader(socket, *fault->endlessHeader);
        return true;
    }
    const double delaySeconds = m_latencyMs / 1000.0 + (fault ? fault->stallSeconds : 0);
    if (const QByteArray headers = fault ? faultHeaders(*fault) : QByteArray(); !headers.isEmpty()) {
        QTimer::singleShot(static_cast<int>(delaySeconds * 1000), socket,
                           [socket, reply, headers] { sendRaw(socket, reply, headers); });
        return true;
    }
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    if (delaySeconds > 0) {
        // The socket is the timer's context: a client that gave up meanwhile gets nothing.
        QTimer::singleShot(static_cast<int>(delaySeconds * 1000), socket,
                           [responder, reply] { send(*responder, reply); });
    } else {
        send(*responder, reply);
    }
    return true;
}

void StandinServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    send(responder, error(404, QStringLiteral("Not Found")));
}

StandinServer::Reply StandinServer::route(const QString& path, const QUrlQuery& query,
                                          int teamsAtLeast) const {
    if (path.startsWith(QLatin1String("/i/")) && path.endsWith(QLatin1String(".png")))
        return logo(path);
    if (!path.startsWith(servicePrefix))
        return error(404, QStringLiteral("Not Found"));
    const QStringList parts = path.mid(servicePrefix.size()).split(u'/');
    if (parts.size() != 3 || !m_scenario.hasLeague(parts[0] + u'/' + parts[1]))
        return error(404, QStringLiteral("Failed to get league"));
    return serviceReply(parts, query, teamsAtLeast);
}

StandinServer::Reply StandinServer::serviceReply(const QStringList& parts, const QUrlQuery& query,
                                                 int teamsAtLeast) const {
    const QString leaguePath = parts[0] + u'/' + parts[1];
    const QString endpoint = parts[2];
    const RenderContext context = renderContext();

    if (endpoint == QLatin1String("scoreboard")) {
        std::optional<QDate> day;
        if (query.hasQueryItem(QStringLiteral("dates"))) {
            static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
            const QString dates = query.queryItemValue(QStringLiteral("dates"), QUrl::FullyDecoded);
            day = QDate::fromString(dates, QStringLiteral("yyyyMMdd"));
            if (!eightDigits.match(dates).hasMatch() || !day->isValid())
                return error(400, QStringLiteral("Invalid dates parameter: ") + dates);
        }
        return json(m_scenario.scoreboard(leaguePath, day, context));
    }
    if (endpoint == QLatin1String("summary")) {
        const QString eventId = query.queryItemValue(QStringLiteral("event"), QUrl::FullyDecoded);
        const std::optional<QJsonObject> summary = m_scenario.summary(leaguePath, eventId, context);
        return summary ? json(*summary) : error(404, QStringLiteral("Event not found: ") + eventId);
    }
    if (endpoint == QLatin1String("teams")) {
        bool ok = false;
        int limit = query.queryItemValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit < 0)
            limit = 50;
        if (teamsAtLeast > 0)
            return json(m_scenario.teams(leaguePath, teamsAtLeast, context, teamsAtLeast));
        return json(m_scenario.teams(leaguePath, limit, context));
    }
    return error(404, QStringLiteral("Not Found"));
}

StandinServer::Reply StandinServer::control(const QString& path, const QUrlQuery& query) {
    if (path == QLatin1String("/__stats")) {
        QJsonObject requests;
        for (auto it = m_requestCounts.cbegin(); it != m_requestCounts.cend(); ++it)
            requests.insert(it.key(), it.value());
        return json(QJsonObject{{QStringLiteral("total"), m_totalRequests},
                                {QStringLiteral("requests"), requests},
                                {QStringLiteral("elapsed"), m_clock.elapsedSeconds()},
                                {QStringLiteral("streamedBytes"), static_cast<double>(m_streamedBytes)},
                                {QStringLiteral("userAgent"), m_lastUserAgent},
                                {QStringLiteral("cookieRequests"), m_cookieRequests}});
    }
    if (path == QLatin1String("/__times")) {
        QJsonArray times;
        for (double seconds :
             m_requestTimes.value(query.queryItemValue(QStringLiteral("target"), QUrl::FullyDecoded)))
            times.append(seconds);
        return json(QJsonObject{{QStringLiteral("times"), times}, {QStringLiteral("now"), realSeconds()}});
    }
    if (path == QLatin1String("/__advance")) {
        m_clock.advance(query.queryItemValue(QStringLiteral("seconds")).toDouble());
        return json(QJsonObject{{QStringLiteral("elapsed"), m_clock.elapsedSeconds()}});
    }
    return error(404, QStringLiteral("Not Found"));
}

StandinServer::Reply StandinServer::withFault(const Fault& fault, Reply reply) {
    if (fault.html) {
        reply.body = htmlErrorPage;
        reply.mimeType = "text/html";
    }
    if (fault.malformed)
        reply.body.truncate(reply.body.size() / 2);
    if (fault.hugePicture) {
        reply.body = hugePicture();
        reply.mimeType = "image/png";
    }
    if (fault.gifScreen) {
        reply.body = gifOnScreen(*fault.gifScreen);
        reply.mimeType = "image/gif";
    }
    if (fault.markedNames > 0) {
        const QJsonDocument document = QJsonDocument::fromJson(reply.body);
        if (document.isObject())
            reply.body = QJsonDocument(withMarkedNames(document.object(), fault.markedNames).toObject())
                             .toJson(QJsonDocument::Compact);
    }
    if (fault.textChunks > 0) {
        const TextChunksAt where = fault.textAfter ? TextChunksAt::AfterPicture : TextChunksAt::BeforePicture;
        reply.body = madeOnce(QStringLiteral("%1 %2").arg(fault.textChunks).arg(int(where)),
                              [&] { return pngWithTextChunks(fault.textChunks, where); });
        reply.mimeType = "image/png";
    }
    if (fault.jpegScans > 0) {
        reply.body = madeOnce(QStringLiteral("%1 %2").arg(fault.jpegSide).arg(fault.jpegScans), [&] {
            QImage flat(fault.jpegSide, fault.jpegSide, QImage::Format_RGB32);
            flat.fill(QColor(40, 90, 200));
            return jpegWithScans(flat, fault.jpegScans);
        });
        reply.mimeType = "image/jpeg";
    }
    if (!fault.pngPixels.isEmpty()) {
        reply.body = flatPngOf(fault);
        reply.mimeType = "image/png";
    }
    if (fault.gzipBomb > 0)
        reply.body = gzipOfZeros(fault.gzipBomb);
    if (fault.manyGames > 0) {
        reply.body =
            madeOnce(QString::number(fault.manyGames), [&] { return manyGamesScoreboard(fault.manyGames); });
        reply.mimeType = "application/json";
    }
    if (fault.body)
        reply.body = *fault.body;
    if (fault.status != 0) {
        const bool keepsBody = fault.html || fault.malformed || fault.body;
        reply = keepsBody ? Reply{fault.status, reply.body, reply.mimeType}
                          : error(fault.status, QStringLiteral("Injected failure"));
    }
    return reply;
}

StandinServer::Reply StandinServer::withScoreboardFault(const Fault& fault, const QString& target,
                                                        Reply reply) {
    if (fault.closeGames <= 0 && fault.repeatedId <= 0 && fault.sharedIdFrom.isEmpty() &&
        fault.startingGames <= 0 && !fault.renumberIds && fault.flapTo.isEmpty())
        return reply;
    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject())
        return reply;
    QJsonObject scoreboard = document.object();
    if (!fault.flapTo.isEmpty() && m_flapReplies[target]++ % 2 == 1)
        scoreboard = withFirstLiveEventAs(std::move(scoreboard), fault.flapTo);
    if (fault.closeGames > 0)
        scoreboard = withCloseGames(std::move(scoreboard), fault.closeGames, fault.ownTeams);
    if (fault.startingGames > 0)
        scoreboard = withStartingGames(std::move(scoreboard), fault.startingGames,
                                       m_clock.elapsedSeconds() >= fault.startsAt);
    if (fault.repeatedId > 0)
        scoreboard = withRepeatedId(std::move(scoreboard), fault.repeatedId);
    if (!fault.sharedIdFrom.isEmpty() && m_scenario.hasLeague(fault.sharedIdFrom)) {
        const QJsonObject other = m_scenario.scoreboard(fault.sharedIdFrom, std::nullopt, renderContext());
        if (const std::optional<QString> id = firstLiveEventId(other))
            scoreboard = withSharedId(std::move(scoreboard), *id);
    }
    if (fault.renumberIds)
        scoreboard = withRenumberedIds(std::move(scoreboard), ++m_renumberedReplies);
    reply.body = QJsonDocument(scoreboard).toJson(QJsonDocument::Compact);
    return reply;
}

StandinServer::Reply StandinServer::json(const QJsonObject& object, int status) {
    return Reply{status, QJsonDocument(object).toJson(QJsonDocument::Compact), "application/json"};
}

StandinServer::Reply StandinServer::error(int status, const QString& message) {
    return json(QJsonObject{{QStringLiteral("code"), status}, {QStringLiteral("message"), message}}, status);
}

// A logo of the stand-in's: the colour follows the path, so each team keeps its own.
StandinServer::Reply StandinServer::logo(const QString& path) const {
    return Reply{200,
                 encodedPicture(
                     disc(m_logoSide, QColor::fromHsv(static_cast<int>(qHash(path) % 360), 170, 210)), "png"),
                 "image/png"};
}

QByteArray StandinServer::hugePicture() {
    static const QByteArray png = [] {
        QImage image(4096, 4096, QImage::Format_RGBA64);
        image.fill(QColor(200, 40, 40));
        return encodedPicture(image, "png");
    }();
    return png;
}

QByteArray StandinServer::flatPngOf(const Fault& fault) {
    static const QHash<QString, PngPixels> kinds{{QStringLiteral("rgba8"), PngPixels::Rgba8},
                                                 {QStringLiteral("grey16"), PngPixels::Grey16},
                                                 {QStringLiteral("rgba16"), PngPixels::Rgba16}};
    // A 2048 px picture of 16 bits a channel is 32 MiB to compress: once, not for every request.
    return madeOnce(
        QStringLiteral("%1 %2 %3").arg(fault.pngPixels).arg(fault.pngSide).arg(fault.interlaced), [&] {
            return flatPng(fault.pngSide, kinds.value(fault.pngPixels, PngPixels::Rgba8), fault.interlaced);
        });
}

QByteArray StandinServer::gifOnScreen(QSize screen) {
    // The header and the screen (no colour table), then one image of 1 x 1 at the origin with a colour table
    // of two entries, its pixel's code and the trailer.
    QByteArray gif =
        QByteArray::fromHex("474946383961000000000000002c000000000100010080000000ffffff02024401003b");
    qToLittleEndian(static_cast<quint16>(screen.width()), gif.data() + 6);
    qToLittleEndian(static_cast<quint16>(screen.height()), gif.data() + 8);
    return gif;
}

void StandinServer::trickle(QTcpSocket* socket, const Reply& reply, double intervalSeconds) {
    socket->write(rawHead(reply.status, "Trickle", reply.mimeType,
                          "Content-Length: " + QByteArray::number(reply.body.size())));
    // The timer belongs to the socket: a client that gave up ends the trickle.
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body = reply.body] {
        if (*sent >= body.size()) {
            timer->stop();
            return;
        }
        socket->write(body.mid((*sent)++, 1));
    });
    timer->start(static_cast<int>(intervalSeconds * 1000));
}

void StandinServer::stream(QTcpSocket* socket, const Reply& reply, double seconds) {
    socket->write(rawHead(reply.status, "Stream", reply.mimeType, "Transfer-Encoding: chunked"));
    static const QByteArray filler = "10000\r\n" + QByteArray(0x10000, ' ') + "\r\n";
    const QByteArray last = QByteArray::number(reply.body.size(), 16) + "\r\n" + reply.body + "\r\n0\r\n\r\n";
    auto done = std::make_shared<bool>(false);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    const qint64 durationMs = static_cast<qint64>(seconds * 1000);
    // Only a few chunks wait in the socket at a time: a client that stops reading stops the stream.
    const auto fill = [socket, done, started, durationMs, last] {
        if (*done)
            return;
        if (started->hasExpired(durationMs)) {
            *done = true;
            socket->write(last);
            return;
        }
        while (socket->bytesToWrite() < 4 * filler.size())
            socket->write(filler);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, fill](qint64 bytes) {
        m_streamedBytes += bytes;
        fill();
    });
    // Ends on time even while the client reads nothing.
    QTimer::singleShot(durationMs, socket, fill);
    fill();
}

QByteArray StandinServer::faultHeaders(const Fault& fault) {
    QByteArray headers;
    if (fault.gzipBomb > 0 && !fault.body && fault.status == 0)
        headers += "Content-Encoding: gzip\r\n";
    if (fault.longHeader > 0)
        headers += "X-Padding: " + QByteArray(fault.longHeader, 'a') + "\r\n";
    for (int i = 0; i < fault.cookies; ++i)
        headers += "Set-Cookie: c" + QByteArray::number(i) + "=1; Path=/\r\n";
    return headers;
}

void StandinServer::sendRaw(QTcpSocket* socket, const Reply& reply, const QByteArray& headers) {
    socket->write(rawHead(reply.status, "Fault", reply.mimeType,
                          headers + "Content-Length: " + QByteArray::number(reply.body.size())));
    socket->write(reply.body);
}

void StandinServer::endlessHeader(QTcpSocket* socket, double bytesPerSecond) {
    socket->write("HTTP/1.1 200 Endless\r\nContent-Type: application/json\r\nX-Padding: ");
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                     [this](qint64 bytes) { m_streamedBytes += bytes; });
    if (bytesPerSecond > 0) {
        // A tenth of the rate ten times a second; the timer belongs to the socket, which a client that hangs
        // up takes with it.
        auto* timer = new QTimer(socket);
        const QByteArray tenth(std::max<qsizetype>(1, qsizetype(bytesPerSecond / 10)), 'a');
        QObject::connect(timer, &QTimer::timeout, socket, [socket, tenth] { socket->write(tenth); });
        timer->start(100);
        return;
    }
    static const QByteArray filler(0x10000, 'a');
    // Only a few pieces wait in the socket at a time: a client that stops reading stops the header.
    const auto fill = [socket] {
        while (socket->bytesToWrite() < 4 * filler.size())
            socket->write(filler);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, fill);
    fill();
}

void StandinServer::send(QHttpServerResponder& responder, const Reply& reply) {
    responder.write(reply.body, reply.mimeType, static_cast<QHttpServerResponder::StatusCode>(reply.status));
}
