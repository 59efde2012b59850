#include "platform/network/PictureDecode.h"

#include "EncodedPictures.h"
#include "HostilePictures.h"
#include "ResidentMemory.h"
#include "platform/network/FreedMemory.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const PictureDecodeLimits limits;

// A JPEG carrying a comment, which its decoder hands on as the picture's text.
QByteArray jpegWithComment(const QByteArray& comment) {
    const QByteArray jpeg = encodedPicture(filledPicture({32, 32}, Qt::blue), "jpeg");
    QByteArray segment("\xff\xfe\0\0", 4);
    segment[2] = char((comment.size() + 2) >> 8);
    segment[3] = char((comment.size() + 2) & 0xFF);
    return jpeg.left(2) + segment + comment + jpeg.mid(2);
}

// What decoding `body` holds at once at its largest, and what it kept in `picture`.
qint64 heldWhileDecoding(const QByteArray& body, QImage& picture) {
    const qint64 held = peakResidentGrowth([&] { picture = decodePicture(body, limits); });
    EXPECT_GE(held, 0) << "the peak of resident memory cannot be reset";
    return held;
}

} // namespace

TEST(PictureDecodeTest, APngsTextChunksNeverReachItsDecoderWhichWouldHoldThemInflated) {
    // Each chunk inflates to 7.9 MB, which a decoder handed them reads and keeps as the picture's texts.
    for (const TextChunksAt where : {TextChunksAt::BeforePicture, TextChunksAt::AfterPicture}) {
        QImage picture;
        const qint64 held = heldWhileDecoding(pngWithTextChunks(8, where), picture);
        EXPECT_EQ(picture.size(), QSize(1, 1)) << int(where);
        EXPECT_LT(held, 4 * 1024 * 1024) << int(where) << ": less than one text inflated";
    }
}

TEST(PictureDecodeTest,
     APngDecodedWholeBeforeItIsScaledDownHoldsNoMoreThanTheBudgetAndOneOfALogosSizeIsKept) {
    // Small files all: an interlaced picture comes in seven passes over the whole of it, and one of 16 bits a
    // channel is decoded at that depth, so the reader holds either whole and converts it before scaling it.
    const std::vector<std::pair<PngPixels, bool>> layouts{{PngPixels::Rgba8, true},
                                                          {PngPixels::Grey16, false},
                                                          {PngPixels::Grey16, true},
                                                          {PngPixels::Rgba16, true}};
    for (const auto& [pixels, interlaced] : layouts) {
        const std::string layout = std::to_string(int(pixels)) + (interlaced ? " interlaced" : "");
        QImage picture;
        const qint64 held = heldWhileDecoding(flatPng(2048, pixels, interlaced), picture);
        EXPECT_LE(held, limits.maxDecodedBytes) << layout;
        EXPECT_TRUE(picture.isNull()) << layout << ": a 2048 px source for a picture kept at 120";

        const qint64 logoHeld = heldWhileDecoding(flatPng(500, pixels, interlaced), picture);
        EXPECT_LE(logoHeld, limits.maxDecodedBytes) << layout;
        ASSERT_EQ(picture.size(), QSize(120, 120)) << layout;
    }

    // In rows of 8 bits a channel, in order, the reader scales while it decodes: a 2048 px one is kept.
    QImage picture;
    const qint64 held = heldWhileDecoding(flatPng(2048, PngPixels::Rgba8, false), picture);
    EXPECT_LE(held, limits.maxDecodedBytes);
    EXPECT_EQ(picture.size(), QSize(120, 120));
}

namespace {

// Decodes on threads of their own, and exits with 0 when the process holds less than 2 MB more afterwards.
[[noreturn]] void decodeOnThreadsAndExitWithTheGrowth() {
    returnLargeBlocksWhenFreed(); // as the application does at its start
    // Two at a time, as in the image loader's pool, each from the heap of the thread that runs it: the
    // largest interlaced PNGs and progressive JPEG within their budgets.
    const QList<QByteArray> bodies{flatPng(836, PngPixels::Rgba8, true),
                                   flatPng(591, PngPixels::Rgba16, true),
                                   jpegWithScans(filledPicture({1600, 1600}, Qt::darkGreen), 12)};
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    for (int thread = 0; thread < 2; ++thread) // the threads and their heaps exist before counting
        pool.start([] { QThread::msleep(50); });
    pool.waitForDone();
    returnFreedMemory();
    const qint64 before = residentBytes();
    QList<QFuture<QImage>> decodes;
    for (int round = 0; round < 3; ++round)
        for (const QByteArray& body : bodies)
            decodes.append(QtConcurrent::run(&pool, decodePicture, body, limits));
    bool decoded = true;
    for (QFuture<QImage>& decode : decodes)
        decoded = decoded && decode.result().width() == 120;
    decodes.clear(); // the kept pictures go too
    const qint64 grown = residentBytes() - before;
    std::fprintf(stderr, "decoded: %s, grown by %lld bytes\n", decoded ? "yes" : "no", grown);
    std::fflush(stderr);
    // At once: the pool and the application object are still there, and nothing else is to be measured.
    _exit(decoded && grown < 2 * 1024 * 1024 ? 0 : 1);
}

} // namespace

// In a process of its own, started afresh: in one that ran other tests first, the decode threads take over
// the heaps of threads gone before them, with what those left in them, and threads of earlier tests end
// meanwhile, which moves the resident memory by a megabyte or two either way.
TEST(PictureDecodeTest, AfterLargeDecodesOnThreadsOfTheirOwnTheMemoryTheyFreedIsGivenBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator holds freed memory back on purpose";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(decodeOnThreadsAndExitWithTheGrowth(), ::testing::ExitedWithCode(0), "");
}

TEST(PictureDecodeTest, AKeptPictureCarriesNoTextWhereverItsFileGaveIt) {
    for (const TextChunksAt where : {TextChunksAt::BeforePicture, TextChunksAt::AfterPicture}) {
        const QImage picture = decodePicture(pngWithTextChunks(4, where), limits);
        ASSERT_EQ(picture.size(), QSize(1, 1)) << int(where);
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::red)) << int(where);
        EXPECT_TRUE(picture.textKeys().isEmpty())
            << int(where) << ": " << picture.text().size() << " characters";
    }

    const QImage commented = decodePicture(jpegWithComment(QByteArray(60'000, 'c')), limits);
    ASSERT_EQ(commented.size(), QSize(32, 32));
    EXPECT_TRUE(commented.textKeys().isEmpty()) << commented.text().size() << " characters";
}

TEST(PictureDecodeTest, AJpegOfMoreThanAFewDozenScansIsRefusedWhileOrdinaryProgressiveOnesDecode) {
    const QImage disc = filledPicture({200, 200}, Qt::darkGreen);
    EXPECT_EQ(decodePicture(encodedPicture(disc, "jpeg", true), limits).size(), QSize(120, 120));
    EXPECT_EQ(decodePicture(jpegWithScans(disc, limits.maxScans), limits).size(), QSize(120, 120));
    EXPECT_TRUE(decodePicture(jpegWithScans(disc, limits.maxScans + 1), limits).isNull());
    EXPECT_TRUE(decodePicture(jpegWithScans(disc, 5000), limits).isNull());

    // A stray byte before a marker is passed over by the decoder, and so by the count.
    QByteArray stray = jpegWithScans(disc, 5000);
    stray.insert(stray.indexOf("\xff\xda"), 'x');
    EXPECT_TRUE(decodePicture(stray, limits).isNull());
}
