#include "GalleryRegistry.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {
constexpr qreal galleryPixelRatio = 2.0;
}

std::vector<GalleryState>& galleryStates() {
    static std::vector<GalleryState> states;
    return states;
}

GalleryStateRegistration::GalleryStateRegistration(const char* name, std::function<QImage()> render) {
    galleryStates().push_back({QString::fromUtf8(name), std::move(render)});
}

QImage renderWidget(QWidget& widget, const QColor& backdrop, QSize size) {
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.resize(size.isValid() ? size : widget.sizeHint().expandedTo(widget.minimumSizeHint()));
    widget.show();
    QApplication::processEvents();
    QImage image(widget.size() * galleryPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(galleryPixelRatio);
    image.fill(backdrop.isValid() ? backdrop : QColor(Qt::transparent));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    widget.hide();
    return image;
}

QImage renderPainted(QSize size, const QColor& backdrop, const std::function<void(QPainter&)>& paint) {
    QImage image(size * galleryPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(galleryPixelRatio);
    image.fill(backdrop.isValid() ? backdrop : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}
