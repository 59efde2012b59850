#include "platform/network/ImageLoader.h"

#include "platform/Logging.h"
#include "platform/PoolEnd.h"
#include "platform/network/PictureAddress.h"
#include "platform/network/SharedNetworkAccess.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

// What a reply holds before it is read, and the most taken out of it in one go.
constexpr qint64 readSliceBytes = 64 * 1024;

// What a kept entry costs besides its pixels (its address and the cache's bookkeeping), so that failures,
// which keep no pixels, are bounded too.
constexpr qsizetype entryBytes = 256;

// A decode is held to a fraction of a second (PictureDecodeLimits); a bound all the same, so that quitting
// never waits for ever.
constexpr std::chrono::seconds applicationEndBound{5};

// Every byte a kept picture holds (see keptPicture): its pixels and its colour table.
qsizetype heldBytes(const QImage& image) {
    return image.sizeInBytes() + image.colorCount() * qsizetype(sizeof(QRgb));
}

} // namespace

ImageLoader::ImageLoader(Clock& clock, Limits limits, QObject* parent, QNetworkAccessManager* network)
    : QObject(parent), m_clock(clock), m_limits(limits),
      m_network(network ? network : newNetworkAccess(this)), m_cache(limits.cacheBytes) {
    m_decodePool.setMaxThreadCount(std::max(1, limits.maxDecodes));
}

ImageLoader::~ImageLoader() {
    for (auto& [reply, download] : m_downloads) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

ImageLoader& ImageLoader::shared() {
    // Lives as long as the process, like its views; its decodes end with the application object.
    static ImageLoader* instance = [] {
        auto* loader = new ImageLoader(Clock::system(), {}, nullptr, &pictureNetworkAccess());
        qAddPostRoutine([] { endPool(instance->m_decodePool, applicationEndBound); });
        return loader;
    }();
    return *instance;
}

ImageLoader::State ImageLoader::state(const QUrl& url) const {
    if (m_inFlight.contains(url))
        return State::Loading;
    if (const Entry* entry = m_cache.object(url))
        return entry->image.isNull() ? State::Failed : State::Loaded;
    return State::Idle;
}

std::optional<QImage> ImageLoader::image(const QUrl& url) {
    if (const Entry* entry = m_cache.object(url); entry && !entry->image.isNull())
        return entry->image;
    load(url);
    return std::nullopt;
}

bool ImageLoader::shouldStart(const QUrl& url) const {
    if (m_inFlight.contains(url))
        return false;
    const Entry* entry = m_cache.object(url);
    if (!entry)
        return true;
    return entry->image.isNull() && m_clock.monotonicNow() - entry->storedAt >= m_limits.retryAfter;
}

void ImageLoader::load(const QUrl& url) {
    if (!shouldStart(url))
        return;
    const std::optional<QUrl> from = pictureFetchURL(url, m_limits.configuredBases);
    if (!from) {
        store(url, {});
        return;
    }
    m_inFlight.insert(url);
    m_waiting.append({url, *from});
    startWaiting();
}

void ImageLoader::startWaiting() {
    while (!m_waiting.isEmpty() && std::ssize(m_downloads) < std::max(1, m_limits.maxDownloads)) {
        const auto [url, from] = m_waiting.takeFirst();
        download(url, from);
    }
}

void ImageLoader::download(const QUrl& url, const QUrl& from) {
    QNetworkRequest request(from);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_downloads.try_emplace(reply, *reply,
                            DownloadCaps{m_limits.maxBodyBytes, m_limits.timeout, readSliceBytes}, m_clock);
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] { onFinished(reply, url); });
}

void ImageLoader::insert(const QUrl& url, const QImage& image) {
    keep(url, Entry{keptPicture(image, m_limits.maxSide), {}});
}

void ImageLoader::onFinished(QNetworkReply* reply, const QUrl& url) {
    reply->deleteLater();
    const auto download = m_downloads.find(reply);
    const QByteArray body = download->second.takeBody();
    const bool tooLarge = download->second.tooLarge();
    m_downloads.erase(download);
    startWaiting();
    if (tooLarge)
        qCWarning(apiLogger) << "Image larger than" << m_limits.maxBodyBytes << "bytes abandoned:" << url;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge || reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) {
        store(url, {});
        return;
    }
    decode(url, body);
}

void ImageLoader::decode(const QUrl& url, const QByteArray& body) {
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, url] {
        watcher->deleteLater();
        store(url, watcher->result());
    });
    ++m_decodeCount;
    watcher->setFuture(QtConcurrent::run(&m_decodePool, decodePicture, body, m_limits));
}

void ImageLoader::store(const QUrl& url, const QImage& image) {
    m_inFlight.remove(url);
    keep(url, Entry{image, m_clock.monotonicNow()});
    emit finished(url);
}

void ImageLoader::keep(const QUrl& url, Entry entry) {
    const qsizetype cost = heldBytes(entry.image) + entryBytes;
    m_cache.insert(url, new Entry(std::move(entry)), cost);
}
