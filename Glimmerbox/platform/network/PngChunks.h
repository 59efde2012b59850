#pragma once

#include <QByteArray>

// A PNG with only the chunks its drawing needs: the header, the palette and its transparency, the picture
// data and the end, each byte for byte with its checksum. The rest never reaches a decoder: a compressed text
// chunk of a few kilobytes inflates to megabytes, read whole whether it comes before or after the picture
// data and kept with the picture, and a file may carry hundreds; nothing draws a text, a colour profile or
// a time. Bytes that are not a PNG, and chunks after a broken one, are left out.
QByteArray pngDrawingChunks(const QByteArray& body);
