#include "EncodedPictures.h"

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
