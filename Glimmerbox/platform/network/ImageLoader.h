#pragma once

#include "platform/network/CappedDownload.h"
#include "platform/network/Hosts.h"
#include "platform/network/PictureDecode.h"
#include "platform/time/Clock.h"

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QThreadPool>
#include <QUrl>

#include <map>
#include <optional>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;

// What the image loader accepts and keeps.
struct ImageLoaderLimits : PictureDecodeLimits {
    // The bytes of the pictures kept, least recently used dropped first: a few hundred logos at the
    // largest size they are kept at.
    qsizetype cacheBytes = 32 * 1024 * 1024;
    qint64 maxBodyBytes = 2 * 1024 * 1024; // a longer download is abandoned
    int maxDecodes = 2;                    // decodes running at once
    std::chrono::seconds retryAfter{60};   // a failed address is tried again after this
    // A download is abandoned this long after it started, however its bytes arrive.
    std::chrono::milliseconds timeout{15000};
    // Downloads at once; the rest wait their turn. Below the six connections per host a manager opens, so
    // that none waits in the manager's own queue while its deadlines run.
    int maxDownloads = 4;
    // The configured service and image bases: a plain http picture is fetched as named from their hosts and
    // ports alone, from any other over https (see pictureFetchURL).
    QList<QUrl> configuredBases{QUrl(hosts::apiBaseURL()), QUrl(hosts::imageBaseURL())};
};

// Images named by addresses inside service replies (team logos, headshots, flags), fetched once and kept in
// a bounded memory cache that every view shares. The addresses are not ours, so only http and https are
// fetched, and plain http only from the configured hosts; the body is capped while it arrives, the download's
// time and the decode's memory and work are capped (so that two decode threads are never held long, and a
// logo asked for after hostile ones is drawn soon after), and every failure is a plain "failed" that views
// answer with their fallback.
class ImageLoader : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Loading, Loaded, Failed };
    using Limits = ImageLoaderLimits;

    // Downloads through `network` when given (it must outlive the loader), else through a manager of its own.
    explicit ImageLoader(Clock& clock = Clock::system(), Limits limits = {}, QObject* parent = nullptr,
                         QNetworkAccessManager* network = nullptr);
    ~ImageLoader() override;

    // The one instance the application's views share.
    static ImageLoader& shared();

    State state(const QUrl& url) const;
    // The image when it is cached; otherwise starts loading it (unless it is loading, or failed recently)
    // and returns nothing. Views call this when they paint and repaint on finished().
    std::optional<QImage> image(const QUrl& url);
    // Starts loading unless the image is cached, loading or failed recently.
    void load(const QUrl& url);

    // Puts an image in the cache as if it had been downloaded, fitted like a downloaded one (previews and
    // tests).
    void insert(const QUrl& url, const QImage& image);

    // How many images were decoded so far: many views of one address decode it once.
    int decodeCount() const { return m_decodeCount; }

signals:
    // A load ended, loaded or failed.
    void finished(const QUrl& url);

private:
    struct Entry {
        QImage image;           // null when the load failed
        MonotonicTime storedAt; // a failed load is tried again some time after
    };
    bool shouldStart(const QUrl& url) const;
    void startWaiting();
    // Fetches the picture named `url` from `from`.
    void download(const QUrl& url, const QUrl& from);
    void onFinished(QNetworkReply* reply, const QUrl& url);
    void decode(const QUrl& url, const QByteArray& body);
    void store(const QUrl& url, const QImage& image);
    // Caches the entry at the cost of every byte its picture holds.
    void keep(const QUrl& url, Entry entry);

    Clock& m_clock;
    Limits m_limits;
    QNetworkAccessManager* m_network;
    QCache<QUrl, Entry> m_cache; // costs in bytes
    QSet<QUrl> m_inFlight;       // waiting, downloading or decoding
    // For a download to end, oldest first: each picture's address and where it is fetched from.
    QList<std::pair<QUrl, QUrl>> m_waiting;
    std::map<QNetworkReply*, CappedDownload> m_downloads;
    int m_decodeCount = 0;
    // Declared last: destroying it waits for running decodes, before the rest goes away.
    QThreadPool m_decodePool;
};
