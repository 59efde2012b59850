#include "platform/network/PngChunks.h"

#include "EncodedPictures.h"
#include "HostilePictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// The types of a PNG's chunks, in order.
QList<QByteArray> chunkTypes(const QByteArray& png) {
    QList<QByteArray> types;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        types.append(png.mid(at + 4, 4));
        at += 12 + qFromBigEndian<quint32>(png.constData() + at);
    }
    return types;
}

QImage decoded(const QByteArray& png) {
    QByteArray bytes = png;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "png").read();
}

} // namespace

TEST(PngChunksTest, OnlyTheChunksDrawingNeedsReachTheDecoderEachWhole) {
    const QByteArray before = pngWithTextChunks(3, TextChunksAt::BeforePicture);
    const QByteArray after = pngWithTextChunks(3, TextChunksAt::AfterPicture);
    ASSERT_TRUE(chunkTypes(before).contains("zTXt") && chunkTypes(before).contains("iTXt"));
    const QByteArray kept = pngDrawingChunks(before);
    EXPECT_EQ(chunkTypes(kept), (QList<QByteArray>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(pngDrawingChunks(after), kept) << "wherever the texts stood";
    EXPECT_LT(kept.size(), 100);

    // A palette and its transparency are kept byte for byte, checksums and all: the picture decodes the same.
    QImage palette(4, 1, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 64)});
    palette.fill(0);
    palette.setPixel(1, 0, 1);
    palette.setText(QStringLiteral("Title"), QStringLiteral("dropped"));
    const QByteArray png = encodedPicture(palette, "png");
    const QByteArray paletteKept = pngDrawingChunks(png);
    EXPECT_TRUE(chunkTypes(png).contains("tEXt"));
    EXPECT_EQ(chunkTypes(paletteKept), (QList<QByteArray>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
    const QImage picture = decoded(paletteKept);
    ASSERT_EQ(picture.size(), QSize(4, 1));
    EXPECT_EQ(picture.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(picture.pixel(1, 0), qRgba(0, 0, 255, 64));

    // What is no PNG gives nothing; a chunk that runs past the end is left out, with all after it.
    EXPECT_TRUE(pngDrawingChunks("GIF89a").isEmpty());
    EXPECT_EQ(chunkTypes(pngDrawingChunks(png.chopped(20))), (QList<QByteArray>{"IHDR", "PLTE", "tRNS"}));
}
