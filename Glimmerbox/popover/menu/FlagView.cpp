#include "popover/menu/FlagView.h"

#include "platform/network/ImageLoader.h"

#include <QPainter>
#include <QPainterPath>

FlagView::FlagView(QUrl url, QWidget* parent) : QWidget(parent), m_url(std::move(url)) {
    setFixedSize(18, 13);
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, [this](const QUrl& finished) {
        if (finished == m_url)
            update();
    });
}

void FlagView::paintEvent(QPaintEvent*) {
    const std::optional<QImage> image = ImageLoader::shared().image(m_url);
    if (!image)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), 2, 2);
    painter.setClipPath(clip);
    // Fitted with its proportions kept, centred.
    const QSizeF fitted = QSizeF(image->size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), fitted);
    target.moveCenter(QRectF(rect()).center());
    painter.drawImage(target, *image);
}
