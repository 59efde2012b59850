#include "HostilePictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <array>

namespace {

// The CRC-32 a PNG chunk ends with, over its type and data.
quint32 chunkChecksum(const QByteArray& typeAndData) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : typeAndData)
        crc = table[(crc ^ static_cast<uchar>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray chunk(const QByteArray& type, const QByteArray& data) {
    QByteArray bytes(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), bytes.data());
    const QByteArray typeAndData = type + data;
    bytes += typeAndData;
    QByteArray checksum(4, '\0');
    qToBigEndian(chunkChecksum(typeAndData), checksum.data());
    return bytes + checksum;
}

const QByteArray pngSignature = QByteArrayLiteral("\x89PNG\r\n\x1a\n");

// The first pixel and step of each of the seven passes of an interlaced picture, across and down.
struct InterlacePass {
    int left, top, across, down;
};
constexpr std::array<InterlacePass, 7> interlacePasses{
    {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};

} // namespace

QByteArray encodedPicture(const QImage& picture, const char* format, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}

QByteArray pngWithTextChunks(int chunks, TextChunksAt where, qsizetype inflatedBytes) {
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::red);
    const QByteArray png = encodedPicture(pixel, "png");
    // qCompress puts the length in four bytes before the zlib stream a PNG holds.
    const QByteArray deflated = qCompress(QByteArray(inflatedBytes, 'a'), 9).mid(4);
    QByteArray texts;
    for (int index = 0; index < chunks; ++index) {
        const QByteArray keyword = "Comment" + QByteArray::number(index);
        if (index % 2 == 0) // keyword, method
            texts += chunk("zTXt", keyword + QByteArray("\0\0", 2) + deflated);
        else // keyword, compressed, method, language, translated keyword
            texts += chunk("iTXt", keyword + QByteArray("\0\1\0\0\0", 5) + deflated);
    }
    // The header is the signature's 8 bytes and a chunk of 13; the end is the last chunk of 12.
    constexpr qsizetype headerEnd = 8 + 12 + 13;
    const qsizetype at = where == TextChunksAt::BeforePicture ? headerEnd : png.size() - 12;
    return png.left(at) + texts + png.mid(at);
}

QByteArray flatPng(int side, PngPixels pixels, bool interlaced) {
    const int colorType = pixels == PngPixels::Grey16 ? 0 : 6;
    const int bitDepth = pixels == PngPixels::Rgba8 ? 8 : 16;
    const qsizetype pixelBytes = (colorType == 0 ? 1 : 4) * bitDepth / 8;
    QByteArray header(13, '\0'); // width, height, depth, colour type, compression, filter, interlace
    qToBigEndian(static_cast<quint32>(side), header.data());
    qToBigEndian(static_cast<quint32>(side), header.data() + 4);
    header[8] = char(bitDepth);
    header[9] = char(colorType);
    header[12] = char(interlaced ? 1 : 0);
    // Every row starts with its filter type, none; every channel's bytes are the same mid-tone.
    QByteArray rows;
    const auto addRows = [&rows, pixelBytes](int width, int height) {
        QByteArray row(1 + width * pixelBytes, char(0x9c));
        row[0] = '\0';
        for (int line = 0; line < height; ++line)
            rows += row;
    };
    if (!interlaced) {
        addRows(side, side);
    } else {
        for (const InterlacePass& pass : interlacePasses) {
            // A pass that holds no pixel (of a picture of a few pixels) has no rows at all.
            const int width = (side - pass.left + pass.across - 1) / pass.across;
            const int height = (side - pass.top + pass.down - 1) / pass.down;
            if (width > 0 && height > 0)
                addRows(width, height);
        }
    }
    // qCompress puts the length in four bytes before the zlib stream a PNG holds.
    return pngSignature + chunk("IHDR", header) + chunk("IDAT", qCompress(rows, 9).mid(4)) +
           chunk("IEND", {});
}

QByteArray jpegWithScans(const QImage& picture, int scans) {
    const QByteArray jpeg = encodedPicture(picture, "jpeg", true);
    // The last start of scan marker: coded data escapes any 0xFF it holds, so its two bytes stand nowhere
    // after it; the scan runs to the end-of-image marker.
    const qsizetype lastScan = jpeg.lastIndexOf("\xff\xda");
    const qsizetype imageEnd = jpeg.size() - 2;
    const QByteArray scan = jpeg.mid(lastScan, imageEnd - lastScan);
    qsizetype written = jpeg.count("\xff\xda");
    QByteArray repeated;
    repeated.reserve(std::max<qsizetype>(0, scans - written) * scan.size());
    for (; written < scans; ++written)
        repeated += scan;
    return jpeg.left(imageEnd) + repeated + jpeg.mid(imageEnd);
}
