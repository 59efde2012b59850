#include "EncodedPictures.h"
#include "HostilePictures.h"

#include "platform/network/JpegFrame.h"

#include <gtest/gtest.h>

namespace {

QByteArray jpegOf(QImage::Format format, bool progressive) {
    return encodedPicture(filledPicture({64, 48}, Qt::gray, format), "jpeg", progressive);
}

} // namespace

TEST(JpegFrameTest, ComponentsAndPassesAreReadUpToTheFirstScan) {
    const std::optional<JpegFrame> colour = readJpegFrame(jpegOf(QImage::Format_RGB32, false));
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->components, 3);
    EXPECT_TRUE(colour->singlePass);

    const std::optional<JpegFrame> grey = readJpegFrame(jpegOf(QImage::Format_Grayscale8, false));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->components, 1);
    EXPECT_TRUE(grey->singlePass);

    const std::optional<JpegFrame> progressive = readJpegFrame(jpegOf(QImage::Format_RGB32, true));
    ASSERT_TRUE(progressive);
    EXPECT_EQ(progressive->components, 3);
    EXPECT_FALSE(progressive->singlePass);

    // Headers that break off, or bytes that are no markers, say nothing.
    const QByteArray whole = jpegOf(QImage::Format_RGB32, false);
    EXPECT_FALSE(readJpegFrame(whole.left(whole.indexOf("\xff\xda"))));
    EXPECT_FALSE(readJpegFrame(QByteArray("\xff\xd8\x00\x00\x00\x00", 6)));
    EXPECT_FALSE(readJpegFrame({}));
}

TEST(JpegFrameTest, ScansAreCountedToTheEndPastTheirCodedDataAndPastStrayBytes) {
    EXPECT_EQ(readJpegFrame(jpegOf(QImage::Format_RGB32, false))->scans, 1);
    EXPECT_EQ(readJpegFrame(jpegOf(QImage::Format_RGB32, true))->scans, 10) << "the usual progression";
    const QImage noise = [] {
        QImage image(96, 96, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, 255)); // many 0xFF bytes
        return image;
    }();
    const QByteArray many = jpegWithScans(noise, 3000);
    const std::optional<JpegFrame> counted = readJpegFrame(many);
    ASSERT_TRUE(counted);
    EXPECT_EQ(counted->scans, 3000);
    EXPECT_FALSE(counted->singlePass);

    // A decoder skips bytes that are no marker where one should stand, and finds the scans after them.
    QByteArray stray = many;
    stray.insert(stray.indexOf("\xff\xda"), "stray");
    const std::optional<JpegFrame> past = readJpegFrame(stray);
    ASSERT_TRUE(past);
    EXPECT_EQ(past->scans, 3000);
    EXPECT_EQ(past->components, 3);

    // Bytes that end before the end of the image count the scans they hold.
    EXPECT_EQ(readJpegFrame(many.chopped(2))->scans, 3000);
}
