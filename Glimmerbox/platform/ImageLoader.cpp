#include "ImageLoader.h"

#include "JpegFrame.h"
#include "Logging.h"
#include "SharedNetworkAccess.h"

#include <QBuffer>
#include <QFutureWatcher>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

bool isFetchable(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// The format named by the picture's first bytes, for the usual ones. Told the format and not to guess, the
// reader goes straight to its decoder; guessing, it asks every image plug-in, loading each one for the rest
// of the process's life.
QByteArray formatFromSignature(const QByteArray& body) {
    if (body.startsWith("\x89PNG\r\n\x1a\n"))
        return QByteArrayLiteral("png");
    if (body.startsWith("\xff\xd8\xff"))
        return QByteArrayLiteral("jpeg");
    if (body.startsWith("GIF87a") || body.startsWith("GIF89a"))
        return QByteArrayLiteral("gif");
    return {};
}

// The formats of pictures: pixels, and nothing else. A drawing (SVG) is refused, as its renderer opens the
// local files it names, and a reply names what it likes.
bool isPictureFormat(const QByteArray& format) {
    static const QList<QByteArray> pictures{"png", "jpeg", "gif", "bmp"};
    return pictures.contains(format);
}

// What decoding a picture of `size` in `pixelFormat` allocates at its largest. Pictures scaled down pass
// through 32-bit pixels at full size, so no format counts for less. A JPEG decoder reduces by up to eight
// per side while it decodes, when told the size wanted, unless the picture comes in several scans: then it
// holds two bytes per component of every pixel until the last.
qint64 decodeCost(const QByteArray& body, const QByteArray& format, QSize size, QImage::Format pixelFormat,
                  QSize scaledSize) {
    qint64 bytesPerPixel = std::max<qint64>(
        4, pixelFormat == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(pixelFormat).bitsPerPixel() / 8);
    qint64 pixels = qint64(size.width()) * size.height();
    if (format == "jpeg") {
        const std::optional<JpegFrame> frame = readJpegFrame(body);
        if (frame && frame->singlePass && scaledSize.isValid())
            pixels = std::max(qint64(scaledSize.width()) * scaledSize.height(),
                              qint64((size.width() + 7) / 8) * ((size.height() + 7) / 8));
        else if (frame)
            bytesPerPixel = std::max<qint64>(bytesPerPixel, 2 * frame->components);
    }
    return pixels * bytesPerPixel;
}

// Runs on a worker thread. Reads the header first so that a small file claiming a huge picture is refused
// before any pixel memory is allocated.
QImage decodeCapped(const QByteArray& body, const ImageLoader::Limits& limits) {
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = formatFromSignature(body);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    if (!isPictureFormat(reader.format()))
        return {};
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > limits.maxSourceSize.width() ||
        size.height() > limits.maxSourceSize.height())
        return {};
    if (size.width() > limits.maxSide || size.height() > limits.maxSide)
        reader.setScaledSize(size.scaled(limits.maxSide, limits.maxSide, Qt::KeepAspectRatio));
    if (decodeCost(body, format, size, reader.imageFormat(), reader.scaledSize()) > limits.maxDecodedBytes)
        return {};
    return reader.read();
}

// What a reply holds before it is read, and the most taken out of it in one go.
constexpr qint64 readSliceBytes = 64 * 1024;

} // namespace

ImageLoader::ImageLoader(Clock& clock, Limits limits, QObject* parent, QNetworkAccessManager* network)
    : QObject(parent), m_clock(clock), m_limits(limits),
      m_network(network ? network : new QNetworkAccessManager(this)), m_cache(limits.cacheCapacity) {
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
    // Lives as long as the process, like its views.
    static ImageLoader* instance = new ImageLoader(Clock::system(), {}, nullptr, &sharedNetworkAccess());
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
    if (!isFetchable(url)) {
        store(url, {});
        return;
    }
    m_inFlight.insert(url);
    m_waiting.append(url);
    startWaiting();
}

void ImageLoader::startWaiting() {
    while (!m_waiting.isEmpty() && std::ssize(m_downloads) < std::max(1, m_limits.maxDownloads))
        download(m_waiting.takeFirst());
}

void ImageLoader::download(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_downloads.try_emplace(reply, *reply,
                            DownloadCaps{m_limits.maxBodyBytes, m_limits.timeout, readSliceBytes}, m_clock);
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] { onFinished(reply, url); });
}

void ImageLoader::insert(const QUrl& url, const QImage& image) {
    m_cache.insert(url, new Entry{image, {}});
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
    watcher->setFuture(QtConcurrent::run(&m_decodePool, decodeCapped, body, m_limits));
}

void ImageLoader::store(const QUrl& url, const QImage& image) {
    m_inFlight.remove(url);
    m_cache.insert(url, new Entry{image, m_clock.monotonicNow()});
    emit finished(url);
}
