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
