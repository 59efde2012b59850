// Many views showing one 512 x 512 logo: the loader must fetch and decode it once.
#include "BenchFigures.h"
#include "platform/network/ImageLoader.h"

#include <QBuffer>
#include <QEventLoop>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QImage>
#include <QTimer>

namespace {

QByteArray logoPng() {
    QImage image(512, 512, QImage::Format_ARGB32);
    image.fill(QColor(0x1d, 0x42, 0x8a));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int imageDecodesForViews(int views) {
    QHttpServer server;
    const QByteArray png = logoPng();
    server.route("/logo.png", [png] { return QHttpServerResponse("image/png", png); });
    const quint16 port = server.listen(QHostAddress::LocalHost);
    if (port == 0)
        return -1;
    const QUrl base(QStringLiteral("http://127.0.0.1:%1").arg(port));
    const QUrl url = base.resolved(QUrl(QStringLiteral("/logo.png")));

    // The server as the configured image host: the only one whose pictures are fetched over plain http.
    ImageLoader::Limits limits;
    limits.configuredBases = {base};
    ImageLoader loader(Clock::system(), limits);
    QEventLoop loop;
    QObject::connect(&loader, &ImageLoader::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    for (int view = 0; view < views; ++view)
        loader.image(url); // every view asks when it first paints
    if (loader.state(url) == ImageLoader::State::Loading)
        loop.exec();
    for (int view = 0; view < views; ++view)
        loader.image(url); // and again when it repaints
    return loader.state(url) == ImageLoader::State::Loaded ? loader.decodeCount() : -1;
}
