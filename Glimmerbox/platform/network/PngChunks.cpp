#include "platform/network/PngChunks.h"

#include "platform/network/PngHeader.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

constexpr qsizetype lengthBytes = 4;
constexpr qsizetype typeBytes = 4;
constexpr qsizetype checksumBytes = 4;

bool drawingNeeds(QByteArrayView type) {
    static constexpr std::array<QByteArrayView, 5> needed{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"};
    return std::ranges::find(needed, type) != needed.end();
}

} // namespace

QByteArray pngDrawingChunks(const QByteArray& body) {
    if (!body.startsWith(pngSignature))
        return {};
    QByteArray kept;
    kept.reserve(body.size());
    kept.append(pngSignature);
    qsizetype at = pngSignature.size();
    while (at + lengthBytes + typeBytes + checksumBytes <= body.size()) {
        const quint32 length = qFromBigEndian<quint32>(body.constData() + at);
        const qsizetype whole = lengthBytes + typeBytes + qsizetype(length) + checksumBytes;
        if (length > quint32(body.size()) || whole > body.size() - at)
            break;
        const QByteArrayView type(body.constData() + at + lengthBytes, typeBytes);
        if (drawingNeeds(type))
            kept.append(body.constData() + at, whole);
        if (type == "IEND")
            break;
        at += whole;
    }
    return kept;
}
