#include "platform/network/PictureDecode.h"

#include "EncodedPictures.h"
#include "HostilePictures.h"

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

} // namespace

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
