#include "platform/text/PixelFont.h"

#include <QFontDatabase>

#include <algorithm>

QFont pixelFont(double pixelSize, QFont::Weight weight, FontDesign design) {
    QFont result =
        design == FontDesign::monospaced ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont();
    result.setPixelSize(std::max(1, qRound(pixelSize)));
    result.setWeight(weight);
    return result;
}
