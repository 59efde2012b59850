#include "GzipStream.h"

#include "MadeOnce.h"

#include <QtEndian>

#include <zlib.h>

namespace {
constexpr uInt mebibyte = 1024 * 1024;

QByteArray make(int inflatedMiB) {
    const QByteArray zeros(mebibyte, '\0');
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    // One mebibyte deflated as a fast compressor does (4.5 KB) and flushed in full: the next starts afresh,
    // so every one deflates to the same bytes, and the stream is that piece repeated rather than a gibibyte
    // compressed for seconds.
    QByteArray piece(static_cast<qsizetype>(deflateBound(&stream, mebibyte)) + 64, Qt::Uninitialized);
    const auto deflateInto = [&stream](QByteArray& out, const QByteArray& in, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        stream.avail_in = static_cast<uInt>(in.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, flush);
        out.truncate(out.size() - stream.avail_out);
    };
    deflateInto(piece, zeros, Z_FULL_FLUSH);
    QByteArray end(64, Qt::Uninitialized);
    deflateInto(end, {}, Z_FINISH);
    deflateEnd(&stream);

    const uLong pieceCrc = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), mebibyte);
    uLong crc = 0;
    for (int i = 0; i < inflatedMiB; ++i)
        crc = crc32_combine(crc, pieceCrc, mebibyte);

    // The gzip header: magic, deflate, no flags, no time, no extra flags, an unknown system.
    QByteArray gzip = QByteArray::fromHex("1f8b08000000000000ff");
    gzip.reserve(gzip.size() + piece.size() * inflatedMiB + end.size() + 8);
    for (int i = 0; i < inflatedMiB; ++i)
        gzip += piece;
    gzip += end;
    char trailer[8];
    qToLittleEndian(static_cast<quint32>(crc), trailer);
    qToLittleEndian(static_cast<quint32>(quint64(inflatedMiB) * mebibyte), trailer + 4);
    return gzip + QByteArray(trailer, 8);
}
} // namespace

QByteArray gzipOfZeros(int inflatedMiB) {
    return madeOnce(QString::number(inflatedMiB), [inflatedMiB] { return make(inflatedMiB); });
}
