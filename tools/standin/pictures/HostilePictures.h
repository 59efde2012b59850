#pragma once

#include <QByteArray>
#include <QImage>

// Pictures that are valid files and costly to decode, as a hostile picture host would send them, for the
// stand-in's faults and the tests.

// A picture's bytes in `format`, as a server would send them. A progressive JPEG comes in successive passes
// over the whole picture, which a decoder holds whole until the last.
QByteArray encodedPicture(const QImage& picture, const char* format, bool progressive = false);

// Where a PNG's text chunks stand: before the picture data (read with the header) or after it (read once the
// picture is decoded).
enum class TextChunksAt { BeforePicture, AfterPicture };

// A 1 x 1 PNG carrying `chunks` compressed text chunks (zTXt and iTXt in turn), each inflating to
// `inflatedBytes` (7.9 MB, under the 8 MB a common decoder allows one chunk, unless given): about 7.7 KB of
// file per chunk.
QByteArray pngWithTextChunks(int chunks, TextChunksAt where, qsizetype inflatedBytes = 7'900'000);

// How a PNG stores its pixels: colour and alpha of 8 bits a channel, or grey or colour and alpha of 16.
enum class PngPixels { Rgba8, Grey16, Rgba16 };

// A flat picture of `side` x `side` as a PNG storing its pixels as `pixels`, interlaced (in seven passes over
// the whole picture) when asked. Its rows are all alike and compress to next to nothing: 2048 px is a file
// of 10 to 40 KB.
QByteArray flatPng(int side, PngPixels pixels, bool interlaced);

// `picture` as a progressive JPEG whose last scan is repeated until the file has `scans` scans: each repeat
// is a few bytes and makes a decoder walk every block of the picture again.
QByteArray jpegWithScans(const QImage& picture, int scans);
