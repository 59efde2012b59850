#include "platform/network/ImageLoader.h"

#include "EncodedPictures.h"
#include "ManualClock.h"
#include "StandinProcess.h"
#include "TaskRunner.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray encoded(QSize size, const char* format, QColor color = Qt::red) {
    return encodedPicture(filledPicture(size, color), format);
}

// A JPEG sent in successive passes over the whole picture, which a decoder holds whole until the last.
QByteArray progressiveJpegOf(QSize size) {
    return encodedPicture(filledPicture(size, Qt::red), "jpeg", true);
}

QByteArray pngOf(QSize size, QColor color = Qt::red) {
    return encoded(size, "PNG", color);
}

// Limits of a loader configured with `base` as its image host, which serves plain http.
ImageLoader::Limits fetchingFrom(const QUrl& base, ImageLoader::Limits limits = {}) {
    limits.configuredBases = {base};
    return limits;
}

// Serves a handful of images on 127.0.0.1 and counts the requests per path.
class ImageServer {
public:
    ImageServer() {
        serve("/logo.png", pngOf({512, 512}));
        serve("/other.png", pngOf({16, 16}, Qt::blue));
        serve("/wide.png", pngOf({1024, 256}));
        serve("/bomb.png", pngOf({5000, 8})); // a small file of a picture too large to decode
        serve("/huge.png", QByteArray(3000, 'x'));
        serve("/garbage.png", QByteArray("this is not an image"));
        serve("/photo.png", encoded({40, 30}, "JPEG")); // the name and type say PNG, the bytes say JPEG
        serve("/plain.png", encoded({20, 10}, "BMP"));  // a format left for the reader to recognise
        m_server.route("/missing.png", [this] {
            ++m_counts["/missing.png"];
            return QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound);
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
    }

    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)); }
    QUrl url(const QString& path) const { return base().resolved(QUrl(path)); }
    int count(const QString& path) const { return m_counts.value(path); }

    void serve(const QString& path, QByteArray body) {
        m_server.route(path, [this, path, body] {
            ++m_counts[path];
            return QHttpServerResponse("image/png", body);
        });
    }

private:
    QHttpServer m_server;
    quint16 m_port = 0;
    QHash<QString, int> m_counts;
};

ImageLoader::Limits testLimits(const ImageServer& server) {
    ImageLoader::Limits limits = fetchingFrom(server.base());
    limits.maxBodyBytes = 2000;
    limits.cacheBytes = 64 * 1024;
    return limits;
}

// Waits (on the event loop) until `url` is no longer loading.
void waitFor(ImageLoader& loader, const QUrl& url) {
    QSignalSpy spy(&loader, &ImageLoader::finished);
    while (loader.state(url) == ImageLoader::State::Loading)
        ASSERT_TRUE(spy.wait(5000)) << url.toString().toStdString();
}

// Asks for all of `urls` at once, then waits until none is loading.
void loadAll(ImageLoader& loader, const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        loader.load(url);
    for (const QUrl& url : urls)
        waitFor(loader, url);
}

} // namespace

TEST(ImageLoaderTest, ManyCallersShareOneRequestAndOneDecode) {
    ImageServer server;
    ManualClock clock;
    ImageLoader loader(clock, fetchingFrom(server.base()));
    const QUrl logo = server.url("/logo.png");
    for (int view = 0; view < 20; ++view)
        EXPECT_FALSE(loader.image(logo));
    EXPECT_EQ(loader.state(logo), ImageLoader::State::Loading);
    waitFor(loader, logo);

    ASSERT_EQ(loader.state(logo), ImageLoader::State::Loaded);
    for (int view = 0; view < 20; ++view)
        EXPECT_EQ(loader.image(logo)->size(), QSize(120, 120));
    EXPECT_EQ(server.count("/logo.png"), 1);
    EXPECT_EQ(loader.decodeCount(), 1);

    // Other formats decode by their content, whatever the name says.
    for (const auto& [path, size] :
         {std::pair{"/photo.png", QSize(40, 30)}, std::pair{"/plain.png", QSize(20, 10)}}) {
        const QUrl url = server.url(path);
        loader.load(url);
        waitFor(loader, url);
        ASSERT_EQ(loader.state(url), ImageLoader::State::Loaded) << path;
        EXPECT_EQ(loader.image(url)->size(), size) << path;
    }

    // Large pictures are kept scaled down to fit, their shape kept.
    const QUrl wide = server.url("/wide.png");
    loader.load(wide);
    waitFor(loader, wide);
    EXPECT_EQ(loader.image(wide)->size(), QSize(120, 30));
}

TEST(ImageLoaderTest, DownloadsThroughTheManagerItIsGivenAndOutlivesNone) {
    ImageServer server;
    ManualClock clock;
    QNetworkAccessManager network;
    QSignalSpy transfers(&network, &QNetworkAccessManager::finished);
    const QUrl logo = server.url("/logo.png");
    {
        ImageLoader loader(clock, fetchingFrom(server.base()), nullptr, &network);
        loader.load(logo);
        waitFor(loader, logo);
        EXPECT_EQ(loader.state(logo), ImageLoader::State::Loaded);
        EXPECT_EQ(transfers.count(), 1);
        loader.load(server.url("/other.png")); // still loading when the loader goes
    }
    // The manager stays usable once the loader that borrowed it is gone.
    ImageLoader next(clock, fetchingFrom(server.base()), nullptr, &network);
    next.load(logo);
    waitFor(next, logo);
    EXPECT_EQ(next.state(logo), ImageLoader::State::Loaded);
}

TEST(ImageLoaderTest, RefusesWhatItShouldNotFetchOrDecode) {
    ImageServer server;
    ManualClock clock;
    ImageLoader loader(clock, testLimits(server));
    QSignalSpy finished(&loader, &ImageLoader::finished);

    // Not http(s): failed at once, nothing requested.
    for (const QUrl& url :
         {QUrl("file:///etc/hostname"), QUrl("ftp://127.0.0.1/logo.png"), QUrl("logo.png")}) {
        EXPECT_FALSE(loader.image(url));
        EXPECT_EQ(loader.state(url), ImageLoader::State::Failed) << url.toString().toStdString();
    }
    EXPECT_EQ(finished.count(), 3);

    // A drawing is no picture, and it may name local files that its renderer would open.
    QTemporaryDir dir;
    QFile local(dir.filePath("local.png"));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly) && local.write(pngOf({8, 8})) > 0);
    local.close();
    server.serve("/drawing.png",
                 QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" )"
                                R"(xmlns:xlink="http://www.w3.org/1999/xlink" width="8" height="8">)"
                                R"(<image width="8" height="8" xlink:href="%1"/></svg>)")
                     .arg(local.fileName())
                     .toUtf8());

    for (const QString path : {"/huge.png", "/bomb.png", "/garbage.png", "/drawing.png", "/missing.png"}) {
        const QUrl url = server.url(path);
        loader.load(url);
        waitFor(loader, url);
        EXPECT_EQ(loader.state(url), ImageLoader::State::Failed) << path.toStdString();
        EXPECT_FALSE(loader.image(url));
    }
    EXPECT_EQ(loader.decodeCount(),
              3); // the bomb, the garbage and the drawing; the oversized body never got there

    // A failure is remembered for a while, then tried again, on the monotonic clock: neither a wall clock
    // set forward nor one set back changes how long.
    const QUrl missing = server.url("/missing.png");
    clock.stepWallClock(std::chrono::hours(2));
    loader.image(missing);
    EXPECT_EQ(loader.state(missing), ImageLoader::State::Failed);
    EXPECT_EQ(server.count("/missing.png"), 1);
    clock.stepWallClock(std::chrono::hours(-4));
    clock.advanceSeconds(61);
    loader.image(missing);
    EXPECT_EQ(loader.state(missing), ImageLoader::State::Loading);
    waitFor(loader, missing);
    EXPECT_EQ(server.count("/missing.png"), 2);
}

TEST(ImageLoaderTest, CacheDropsTheLeastRecentlyUsed) {
    ManualClock clock;
    ImageLoader::Limits limits;
    const QImage image = filledPicture({100, 100}, Qt::red, QImage::Format_ARGB32); // 40,000 bytes
    limits.cacheBytes = 4 * image.sizeInBytes() + 4096; // four of them, and room for their addresses
    ImageLoader loader(clock, limits);
    QList<QUrl> urls;
    for (const char* name : {"a", "b", "c", "d", "e"})
        urls.append(QUrl(QStringLiteral("https://x.test/%1.png").arg(QLatin1String(name))));
    const auto stateOf = [&](int index) { return loader.state(urls.at(index)); };
    for (int index = 0; index < 4; ++index)
        loader.insert(urls.at(index), image);
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(stateOf(index), ImageLoader::State::Loaded) << index;
    EXPECT_TRUE(loader.image(urls.at(0))); // a is now the most recent
    loader.insert(urls.at(4), image);
    EXPECT_EQ(stateOf(1), ImageLoader::State::Idle) << "b was the least recently used";
    EXPECT_EQ(stateOf(0), ImageLoader::State::Loaded);
    EXPECT_EQ(stateOf(4), ImageLoader::State::Loaded);

    // A big picture is kept at the size it is drawn at, and costs that: it makes room for itself by dropping
    // two of the small ones (c, then d), not all of them.
    const QUrl big("https://x.test/big.png");
    loader.insert(big, filledPicture({1000, 1000}, Qt::blue, QImage::Format_ARGB32));
    ASSERT_EQ(loader.state(big), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(big)->size(), QSize(120, 120));
    EXPECT_EQ(stateOf(2), ImageLoader::State::Idle);
    EXPECT_EQ(stateOf(3), ImageLoader::State::Idle);
    EXPECT_EQ(stateOf(0), ImageLoader::State::Loaded);
    EXPECT_EQ(stateOf(4), ImageLoader::State::Loaded);
}

TEST(ImageLoaderTest, CacheCountsBytesNotPicturesSoAListOfHundredsOfLogosStaysWhole) {
    // The Teams tab of four leagues shows well over a hundred logos; kept at the largest size a view draws
    // them at, three hundred of them are a few megabytes and stay cached together.
    ManualClock clock;
    ImageLoader loader(clock);
    const QImage logo = filledPicture({120, 120}, Qt::red, QImage::Format_ARGB32);
    QList<QUrl> urls;
    for (int index = 0; index < 300; ++index) {
        urls.append(QUrl(QStringLiteral("https://x.test/logo%1.png").arg(index)));
        loader.insert(urls.last(), logo);
    }
    for (const QUrl& url : std::as_const(urls))
        EXPECT_EQ(loader.state(url), ImageLoader::State::Loaded) << url.toString().toStdString();
}

TEST(ImageLoaderTest, APictureIsKeptAsItsPixelsAloneAndTheCacheHoldsNoMoreThanItsBound) {
    ManualClock clock;
    ImageLoader::Limits limits;
    limits.cacheBytes = 64 * 1024;
    ImageLoader loader(clock, limits);
    // Small pictures with a full colour table and 100 KB of text each, as a decoder may hand them on.
    QImage picture(8, 8, QImage::Format_Indexed8);
    QList<QRgb> colours(256);
    for (int index = 0; index < 256; ++index)
        colours[index] = qRgb(index, 0, 0);
    picture.setColorTable(colours);
    picture.fill(7);
    picture.setText(QStringLiteral("Description"), QString(50'000, u'x'));
    QList<QUrl> urls;
    for (int index = 0; index < 100; ++index) {
        urls.append(QUrl(QStringLiteral("https://x.test/indexed%1.png").arg(index)));
        loader.insert(urls.last(), picture);
    }

    qsizetype held = 0;
    int kept = 0;
    for (const QUrl& url : std::as_const(urls)) {
        const std::optional<QImage> image = loader.image(url);
        if (!image)
            continue;
        ++kept;
        EXPECT_TRUE(image->textKeys().isEmpty()) << url.toString().toStdString();
        EXPECT_EQ(image->pixel(3, 3), qRgb(7, 0, 0));
        held += image->sizeInBytes() + image->colorCount() * qsizetype(sizeof(QRgb));
        for (const QString& key : image->textKeys())
            held += (key.size() + image->text(key).size()) * qsizetype(sizeof(QChar));
    }
    EXPECT_GT(kept, 10);
    EXPECT_LE(held, limits.cacheBytes);
}

TEST(ImageLoaderTest, APictureIsKeptNoLargerThanTheLargestSizeAViewDrawsItAt) {
    // The celebration's 60 px logo on a screen of two device pixels per point: 120 pixels.
    ImageServer server;
    server.serve("/team.png", pngOf({500, 500}));
    ManualClock clock;
    ImageLoader loader(clock, fetchingFrom(server.base()));
    const QUrl team = server.url("/team.png");
    loader.load(team);
    waitFor(loader, team);
    ASSERT_EQ(loader.state(team), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(team)->size(), QSize(120, 120));

    // One put in by hand is kept the same way.
    const QUrl preview("https://x.test/preview.png");
    loader.insert(preview, filledPicture({500, 250}, Qt::blue));
    EXPECT_EQ(loader.image(preview)->size(), QSize(120, 60));
}

TEST(ImageLoaderTest, PhotoDecodesReducedWithinABudgetThatRefusesTheSamePngOrProgressivePhotoWhole) {
    ImageServer server;
    server.serve("/big.jpg", encoded({2048, 2048}, "JPEG"));
    server.serve("/big.png", pngOf({2048, 2048}));
    server.serve("/progressive.jpg", progressiveJpegOf({2048, 2048}));
    ManualClock clock;
    ImageLoader::Limits limits = fetchingFrom(server.base());
    limits.maxDecodedBytes = 1024 * 1024; // a sixteenth of either picture decoded whole
    ImageLoader loader(clock, limits);
    const QUrl photo = server.url("/big.jpg");
    const QUrl png = server.url("/big.png");
    const QUrl progressive = server.url("/progressive.jpg");
    loadAll(loader, {photo, png, progressive});
    ASSERT_EQ(loader.state(photo), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(photo)->size(), QSize(120, 120));
    EXPECT_EQ(loader.state(png), ImageLoader::State::Failed);
    EXPECT_EQ(loader.state(progressive), ImageLoader::State::Failed) << "its passes are held at full size";
}

namespace {

// Where `standin` serves its pictures, the configured image host of the application that it stands in for.
QUrl hostOf(const StandinProcess& standin) {
    return QUrl(standin.apiBase().section(QStringLiteral("/apis/"), 0, 0));
}

// The stand-in's options for `faults`, each a JSON object.
QStringList faultOptions(const QStringList& faults) {
    QStringList options;
    for (const QString& fault : faults)
        options << QStringLiteral("--fault") << fault;
    return options;
}

// A stand-in whose pictures below /i/bad/ all fail in the way `fault` (a JSON object's members) says, or
// whose pictures fail as each of `faults` (whole JSON objects) says, and a loader on a manual clock.
struct BadPictures {
    explicit BadPictures(const char* fault)
        : BadPictures(QStringList{QStringLiteral(R"({"path": "/i/bad/*", %1})").arg(QLatin1String(fault))}) {}
    explicit BadPictures(const QStringList& faults)
        : standin(QStringLiteral("default.json"), 0, faultOptions(faults)) {}

    // A picture of the stand-in's, where the logos live.
    QUrl at(const QString& path) const { return hostOf(standin).resolved(QUrl(path)); }

    StandinProcess standin;
    ManualClock clock;
    ImageLoader loader{clock, fetchingFrom(hostOf(standin))};
};

} // namespace

TEST(ImageLoaderStandinTest, PictureCostlierToDecodeThanTheBudgetIsRefusedFromItsHeader) {
    // A few hundred kilobytes that would decode to 4096 x 4096 pixels of eight bytes each.
    BadPictures pictures(R"("hugePicture": true)");
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    ImageLoader& loader = pictures.loader;
    const QUrl huge = pictures.at("/i/bad/huge.png");
    const QUrl good = pictures.at("/i/teamlogos/nba/500/bos.png");
    loadAll(loader, {huge, good});
    EXPECT_EQ(loader.state(huge), ImageLoader::State::Failed);
    ASSERT_EQ(loader.state(good), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(good)->size(), QSize(64, 64));
}

TEST(ImageLoaderStandinTest, AGifCountsItsLogicalScreenBeforeDecoding) {
    // 35 bytes each, one pixel on a screen the decoder allocates whole: 4096 x 4096 is 64 MiB decoded and
    // 65535 x 512 is 128 MiB, while 2049 x 2048 is just over the 16 MiB budget and 2000 x 1000 within it.
    const QList<std::pair<QString, QSize>> screens{{QStringLiteral("square"), {4096, 4096}},
                                                   {QStringLiteral("wide"), {65535, 512}},
                                                   {QStringLiteral("over"), {2049, 2048}},
                                                   {QStringLiteral("within"), {2000, 1000}}};
    QStringList faults;
    for (const auto& [name, screen] : screens)
        faults.append(QStringLiteral(R"({"path": "/i/bad/%1.png", "gifScreen": [%2, %3]})")
                          .arg(name)
                          .arg(screen.width())
                          .arg(screen.height()));
    BadPictures pictures(faults);
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    ImageLoader& loader = pictures.loader;
    const auto gif = [&](const QString& name) {
        return pictures.at(QStringLiteral("/i/bad/%1.png").arg(name));
    };
    QList<QUrl> urls;
    for (const auto& [name, screen] : screens)
        urls.append(gif(name));
    loadAll(loader, urls);

    for (const QString name : {"square", "wide", "over"})
        EXPECT_EQ(loader.state(gif(name)), ImageLoader::State::Failed) << name.toStdString();
    ASSERT_EQ(loader.state(gif("within")), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(gif("within"))->size(), QSize(120, 60)) << "kept at the size it is drawn at";
}

TEST(ImageLoaderStandinTest, ALogoWithTextChunksBeforeOrAfterItsPictureIsKeptWithoutThem) {
    BadPictures pictures(
        {QStringLiteral(R"({"path": "/i/bad/before.png", "textChunks": 6})"),
         QStringLiteral(R"({"path": "/i/bad/after.png", "textChunks": 6, "textAfter": true})")});
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    ImageLoader& loader = pictures.loader;
    const QUrl before = pictures.at("/i/bad/before.png");
    const QUrl after = pictures.at("/i/bad/after.png");
    loadAll(loader, {before, after});
    for (const QUrl& url : {before, after}) {
        ASSERT_EQ(loader.state(url), ImageLoader::State::Loaded) << url.toString().toStdString();
        EXPECT_EQ(loader.image(url)->size(), QSize(1, 1));
        EXPECT_TRUE(loader.image(url)->textKeys().isEmpty()) << url.toString().toStdString();
    }
}

TEST(ImageLoaderStandinTest, JpegsOfThousandsOfScansAreRefusedAndAHealthyLogoAskedForAfterThemIsDrawn) {
    // 20,000 scans of 500 x 500: seconds of decoding each, two at a time, for a file of 300 KB.
    BadPictures pictures(R"("jpegScans": 20000, "jpegSide": 500)");
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    ImageLoader& loader = pictures.loader;
    QList<QUrl> hostile;
    for (int picture = 0; picture < 6; ++picture)
        hostile.append(pictures.at(QStringLiteral("/i/bad/scans%1.png").arg(picture)));
    const QUrl healthy = pictures.at("/i/teamlogos/nba/500/bos.png");
    loadAll(loader, hostile + QList<QUrl>{healthy});
    ASSERT_EQ(loader.state(healthy), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.image(healthy)->size(), QSize(64, 64));
    for (const QUrl& url : std::as_const(hostile))
        EXPECT_EQ(loader.state(url), ImageLoader::State::Failed) << url.toString().toStdString();
}

TEST(ImageLoaderStandinTest, LogosOf2048PxThatDecodeWholeAreRefusedWhileTheSameAtALogosSizeAreDrawn) {
    // Files of 10 to 40 KB: interlaced, or of 16 bits a channel, the reader holds each whole and converted.
    QStringList faults;
    for (const char* layout : {R"("pngPixels": "rgba8", "interlaced": true)", R"("pngPixels": "grey16")",
                               R"("pngPixels": "rgba16", "interlaced": true)"})
        for (const int side : {2048, 500})
            faults.append(QStringLiteral(R"({"path": "/i/bad/%1-%2.png", "pngSide": %2, %3})")
                              .arg(faults.size())
                              .arg(side)
                              .arg(QLatin1String(layout)));
    BadPictures pictures(faults);
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    ImageLoader& loader = pictures.loader;
    QList<QUrl> urls;
    for (int fault = 0; fault < faults.size(); ++fault)
        urls.append(pictures.at(QStringLiteral("/i/bad/%1-%2.png").arg(fault).arg(fault % 2 ? 500 : 2048)));
    loadAll(loader, urls);
    for (const QUrl& url : std::as_const(urls)) {
        if (url.path().endsWith(QLatin1String("-2048.png"))) {
            EXPECT_EQ(loader.state(url), ImageLoader::State::Failed) << url.toString().toStdString();
        } else {
            ASSERT_EQ(loader.state(url), ImageLoader::State::Loaded) << url.toString().toStdString();
            EXPECT_EQ(loader.image(url)->size(), QSize(120, 120));
        }
    }
}

TEST(ImageLoaderStandinTest, BodyWithoutALengthIsCutOffAtTheCapEvenWhileTheLoopIsBusy) {
    BadPictures pictures(R"("streamSeconds": 30)");
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    const QUrl endless = pictures.at("/i/bad/endless.png");
    pictures.loader.load(endless);
    // The GUI thread busy elsewhere meanwhile: the network must not read on without it.
    QThread::msleep(500);
    waitFor(pictures.loader, endless);
    EXPECT_EQ(pictures.loader.state(endless), ImageLoader::State::Failed);
    // The 2 MB cap, a small read buffer and the sockets' own buffers: far less than what the stand-in could
    // send in that time.
    EXPECT_LT(pictures.standin.streamedBytes(), 24 * 1024 * 1024);
}

TEST(ImageLoaderStandinTest, TricklingPicturesFailAtTheDeadlineFromTheirStartAndOnlyFourDownloadAtOnce) {
    // A byte every 0.2 s: never silent for long, but minutes for the whole picture.
    BadPictures pictures(R"("trickleSeconds": 0.2)");
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    QList<QUrl> slow;
    for (int picture = 0; picture < 5; ++picture)
        slow.append(pictures.at(QStringLiteral("/i/bad/slow%1.png").arg(picture)));
    for (const QUrl& url : std::as_const(slow))
        pictures.loader.load(url);
    spinUntil([] { return false; }, std::chrono::milliseconds(600)); // a few bytes arrive
    EXPECT_EQ(pictures.standin.requestCount("/i/bad/slow4.png"), 0)
        << "the fifth waits for a download to end";
    pictures.clock.advanceSeconds(14.9);
    processPendingEvents();
    for (const QUrl& url : std::as_const(slow))
        EXPECT_EQ(pictures.loader.state(url), ImageLoader::State::Loading);
    pictures.clock.advanceSeconds(0.1);
    EXPECT_TRUE(spinUntil(
        [&] {
            return std::ranges::all_of(slow.first(4), [&](const QUrl& url) {
                return pictures.loader.state(url) == ImageLoader::State::Failed;
            });
        },
        std::chrono::seconds(3)));
    EXPECT_EQ(pictures.loader.state(slow.last()), ImageLoader::State::Loading);
    EXPECT_TRUE(spinUntil([&] { return pictures.standin.requestCount("/i/bad/slow4.png") == 1; }));
}

// The network reports the failed inflation within milliseconds; the picture fails then, while its deadline
// (on a clock that stands still here) never comes.
TEST(ImageLoaderStandinTest, APictureThatInflatesToAGibibyteFailsWithoutWaitingForItsDeadline) {
    BadPictures pictures(R"("gzipBomb": 1024)");
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    const QUrl bomb = pictures.at("/i/bad/bomb.png");
    const QUrl healthy = pictures.at("/i/teamlogos/nba/500/bos.png");
    loadAll(pictures.loader, {bomb, healthy});
    EXPECT_EQ(pictures.loader.state(bomb), ImageLoader::State::Failed);
    EXPECT_EQ(pictures.loader.state(healthy), ImageLoader::State::Loaded);
}

TEST(ImageLoaderStandinTest, APictureWhoseHeadersNeverEndIsGivenUpFiveSecondsAfterItsRequest) {
    BadPictures pictures(R"("endlessHeader": 1000000)"); // a megabyte a second
    ASSERT_TRUE(pictures.standin.isRunning()) << pictures.standin.startupError().toStdString();
    const QUrl endless = pictures.at("/i/bad/endless.png");
    pictures.loader.load(endless);
    ASSERT_TRUE(spinUntil([&] { return pictures.standin.streamedBytes() > 200'000; })) << "the header comes";
    pictures.clock.advanceSeconds(4.9);
    processPendingEvents();
    EXPECT_EQ(pictures.loader.state(endless), ImageLoader::State::Loading);
    pictures.clock.advanceSeconds(0.1);
    EXPECT_TRUE(spinUntil([&] { return pictures.loader.state(endless) == ImageLoader::State::Failed; },
                          std::chrono::seconds(3)));
}

// A reply may name pictures on any host. Qt reads a plain http reply's headers a byte at a time, on the
// network thread, without returning to that thread's event loop while more arrive: one host sending an
// endless header as fast as it is read would hold the thread, its memory growing, for as long as it sends,
// and no other picture would load meanwhile. A host other than the configured ones is asked over https
// instead, which its plain http server fails at once.
TEST(ImageLoaderStandinTest,
     APlainHttpPictureOfAnotherHostIsFetchedOverHttpsSoItsEndlessHeaderHoldsUpNothing) {
    StandinProcess configured(QStringLiteral("default.json"));
    StandinProcess other(QStringLiteral("default.json"), 0,
                         {"--fault", R"({"path": "/i/*", "endlessHeader": true})"});
    ASSERT_TRUE(configured.isRunning()) << configured.startupError().toStdString();
    ASSERT_TRUE(other.isRunning()) << other.startupError().toStdString();
    ManualClock clock; // no deadline ends a download here
    ImageLoader loader(clock, fetchingFrom(hostOf(configured)));
    const QUrl endless = hostOf(other).resolved(QUrl("/i/teamlogos/nba/500/bos.png"));
    const QUrl logo = hostOf(configured).resolved(QUrl("/i/teamlogos/nba/500/lal.png"));

    loader.load(endless);
    // Bounded either way: the header pours in, or the picture fails.
    spinUntil(
        [&] { return loader.state(endless) != ImageLoader::State::Loading || other.streamedBytes() > 0; },
        std::chrono::seconds(10));
    loader.load(logo);
    EXPECT_TRUE(spinUntil([&] { return loader.state(logo) != ImageLoader::State::Loading; },
                          std::chrono::seconds(20)))
        << "the network thread is held";
    EXPECT_EQ(loader.state(logo), ImageLoader::State::Loaded);
    EXPECT_EQ(loader.state(endless), ImageLoader::State::Failed);
    EXPECT_EQ(other.totalRequests(), 0) << "no plain http request reached it";
    EXPECT_EQ(other.streamedBytes(), 0);
}
