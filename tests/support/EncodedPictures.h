#pragma once

#include "HostilePictures.h"

#include <QByteArray>
#include <QImage>

// A picture of `size` filled with `color`.
inline QImage filledPicture(QSize size, QColor color, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(color);
    return image;
}
