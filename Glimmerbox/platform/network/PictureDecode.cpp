#include "platform/network/PictureDecode.h"

#include "platform/network/FreedMemory.h"
#include "platform/network/JpegFrame.h"
#include "platform/network/PngChunks.h"
#include "platform/network/PngHeader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// The format named by the picture's first bytes, for the usual ones. Told the format and not to guess, the
// reader goes straight to its decoder; guessing, it asks every image plug-in, loading each one for the rest
// of the process's life.
QByteArray formatFromSignature(const QByteArray& body) {
    if (body.startsWith(pngSignature))
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

// The size of the largest picture the decoder allocates. A GIF's decoder paints its frames onto the logical
// screen of its header (bytes 6 to 9, little-endian width and height), allocated whole for the first frame,
// while its reader reports the size of the first frame alone; a screen side given as zero takes the frame's
// extent, which the reader reports. Any other decoder allocates the size its reader reports.
QSize canvasSize(const QByteArray& body, const QByteArray& format, QSize reported) {
    if (format != "gif" || !reported.isValid() || body.size() < 10)
        return reported;
    const auto side = [&body](qsizetype at) {
        return static_cast<uchar>(body.at(at)) | (static_cast<uchar>(body.at(at + 1)) << 8);
    };
    return reported.expandedTo(QSize(side(6), side(8)));
}

// Whether the reader decodes the PNG whole before scaling it down. It scales row by row as it decodes only
// rows that come in order, of eight bits a channel, decoded to 32-bit pixels: not an interlaced picture, one
// of sixteen bits a channel, nor one of grey or of a palette, which it decodes to pixels of their own.
bool pngHeldWhole(const PngHeader& header, QImage::Format pixelFormat) {
    return header.interlaced || header.bitDepth > 8 ||
           (pixelFormat != QImage::Format_RGB32 && pixelFormat != QImage::Format_ARGB32);
}

// What decoding a picture of `size` in `pixelFormat` allocates at its largest. Pictures scaled down pass
// through 32-bit pixels at full size, so no format counts for less. A JPEG decoder reduces by up to eight
// per side while it decodes, when told the size wanted, unless the picture comes in several scans: then it
// holds two bytes per component of every pixel until the last. A PNG held whole before it is scaled down
// (`heldWhole`, its header) costs the picture as decoded, a copy of it, and the copy smooth scaling converts
// it to (32 bits a pixel, or 64 for channels of 16 bits): a 2048 px grey picture of 16 bits is 8 MiB decoded
// and 32 MiB converted.
qint64 decodeCost(const std::optional<JpegFrame>& frame, const PngHeader* heldWhole, QSize size,
                  QImage::Format pixelFormat, QSize scaledSize) {
    const qint64 decodedBytes =
        pixelFormat == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(pixelFormat).bitsPerPixel() / 8;
    qint64 bytesPerPixel = std::max<qint64>(4, decodedBytes);
    qint64 pixels = qint64(size.width()) * size.height();
    if (heldWhole)
        bytesPerPixel = 2 * decodedBytes + (heldWhole->bitDepth > 8 ? 8 : 4);
    else if (frame && frame->singlePass && scaledSize.isValid())
        pixels = std::max(qint64(scaledSize.width()) * scaledSize.height(),
                          qint64((size.width() + 7) / 8) * ((size.height() + 7) / 8));
    else if (frame)
        bytesPerPixel = std::max<qint64>(bytesPerPixel, 2 * frame->components);
    return pixels * bytesPerPixel;
}

// A decode after which the heap's free pages are handed back: one of megabytes. Below that what it freed
// is soon used again, and the walk over the heap would cost more than it gives back.
constexpr qint64 largeDecodeBytes = 4 * 1024 * 1024;

// `size` scaled down to fit a square of `maxSide`, its shape kept and no side below a pixel.
QSize fittedSize(QSize size, int maxSide) {
    if (size.width() <= maxSide && size.height() <= maxSide)
        return size;
    return size.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The pixels of `image` alone, with its colour table. A decoder hands on what the file says besides: a
// JPEG's comments as texts (megabytes of them fit in a file under the download cap), an embedded colour
// profile. Nothing draws them, and a kept picture would hold them for as long as it is cached.
QImage barePicture(const QImage& image) {
    QImage bare(image.size(), image.format());
    if (bare.isNull())
        return {};
    bare.setColorTable(image.colorTable());
    bare.setDevicePixelRatio(image.devicePixelRatio());
    const auto lineBytes = size_t(std::min(bare.bytesPerLine(), image.bytesPerLine()));
    for (int line = 0; line < image.height(); ++line)
        std::memcpy(bare.scanLine(line), image.constScanLine(line), lineBytes);
    return bare;
}

// Reads the header first so that a small file claiming a huge picture, or a JPEG of more scans than any
// ordinary one, is refused before any pixel memory is allocated or any scan decoded. `cost` is what the
// decode was judged to hold, when it went ahead.
QImage decodedWithin(const QByteArray& received, const PictureDecodeLimits& limits, qint64& cost) {
    const QByteArray signatureFormat = formatFromSignature(received);
    const QByteArray body = signatureFormat == "png" ? pngDrawingChunks(received) : received;
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, signatureFormat);
    reader.setAutoDetectImageFormat(signatureFormat.isEmpty());
    const QByteArray format = reader.format();
    if (!isPictureFormat(format))
        return {};
    std::optional<JpegFrame> frame;
    if (format == "jpeg") {
        // Each scan walks the blocks of the whole picture again: a few dozen scans of a picture within the
        // budget take a fraction of a second, while a file under the download cap can repeat a scan a
        // hundred thousand times, minutes of decoding. Markers that cannot be walked cannot be decoded.
        frame = readJpegFrame(body);
        if (!frame || frame->scans > limits.maxScans)
            return {};
    }
    const std::optional<PngHeader> pngHeader = format == "png" ? readPngHeader(body) : std::nullopt;
    const PngHeader* png = pngHeader ? &*pngHeader : nullptr;
    const QSize size = canvasSize(body, format, reader.size());
    if (!size.isValid() || size.width() > limits.maxSourceSize.width() ||
        size.height() > limits.maxSourceSize.height())
        return {};
    if (const QSize fitted = fittedSize(size, limits.maxSide); fitted != size)
        reader.setScaledSize(fitted);
    const PngHeader* heldWhole =
        png && reader.scaledSize().isValid() && pngHeldWhole(*png, reader.imageFormat()) ? png : nullptr;
    const qint64 judged = decodeCost(frame, heldWhole, size, reader.imageFormat(), reader.scaledSize());
    if (judged > (heldWhole ? limits.maxWholeDecodedBytes : limits.maxDecodedBytes))
        return {};
    cost = judged;
    return keptPicture(reader.read(), limits.maxSide);
}

} // namespace

QImage decodePicture(const QByteArray& received, const PictureDecodeLimits& limits) {
    qint64 cost = 0;
    QImage picture = decodedWithin(received, limits, cost);
    // The decode's buffers, freed by now, stay with the heap of the thread that decoded, which would keep
    // tens of megabytes for the life of the process after a few large decodes.
    if (cost >= largeDecodeBytes)
        returnFreedMemory();
    return picture;
}

QImage keptPicture(const QImage& image, int maxSide) {
    const QSize fitted = fittedSize(image.size(), maxSide);
    if (image.isNull() || fitted == image.size())
        return barePicture(image);
    return barePicture(image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
