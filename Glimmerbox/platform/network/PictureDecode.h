#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// What decoding one picture may take and what of it is kept.
struct PictureDecodeLimits {
    QSize maxSourceSize{4096, 4096}; // larger pictures are refused before decoding
    // Larger ones are kept scaled down to fit this: the largest any view draws a picture at (the
    // celebration's 60 px logo) on a screen of two device pixels per point, as a 500 px logo kept whole costs
    // a megabyte of memory where it is drawn at 24.
    int maxSide = 120;
    // What one decode may allocate at once, judged from the header before any pixel is decoded: sixteen
    // times a 512 px logo, while a small file can declare gigabytes.
    qint64 maxDecodedBytes = 16 * 1024 * 1024;
    // The same for a picture its reader decodes whole before scaling it down (a PNG that is interlaced, of
    // sixteen bits a channel, of grey or of a palette): half as much, as such a decode holds the picture and
    // its converted copies at full size, while a picture kept at 120 px needs no source of thousands.
    qint64 maxWholeDecodedBytes = 8 * 1024 * 1024;
    // The most scans a JPEG may come in: ordinary progressive files have about ten. With the budget above
    // this bounds a decode's work to a fraction of a second.
    int maxScans = 48;
};

// Decodes a picture's bytes within `limits`: refused (a null image) when its header declares a picture
// larger than the source size, one whose decoder would allocate more than its budget, or a JPEG of more
// scans than the limit; otherwise decoded and kept. A PNG's decoder sees only the chunks drawing needs.
// After a decode of megabytes the memory it freed is given back to the system. Safe on any thread.
QImage decodePicture(const QByteArray& body, const PictureDecodeLimits& limits);

// `image` as it is kept: scaled down, its shape kept, so that neither side is longer than `maxSide` (smaller
// ones as they are), and its pixels alone, without the texts or colour profile its file gave it.
QImage keptPicture(const QImage& image, int maxSide);
