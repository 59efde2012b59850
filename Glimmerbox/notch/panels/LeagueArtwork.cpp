#include "notch/panels/LeagueArtwork.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/glimmerbox/artwork/%1.svg").arg(name);
}

// One parsed renderer per image, on the GUI thread that paints them.
QSvgRenderer* renderer(const QString& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    if (const auto found = renderers.constFind(name); found != renderers.constEnd())
        return found->get();
    if (name.isEmpty() || name.contains(u'/') || !QFile::exists(resourcePath(name)))
        return nullptr;
    auto loaded = std::make_shared<QSvgRenderer>(resourcePath(name));
    if (!loaded->isValid())
        return nullptr;
    renderers.insert(name, loaded);
    return loaded.get();
}

} // namespace

bool hasLeagueArtwork(const QString& name) {
    return renderer(name) != nullptr;
}

bool paintLeagueArtwork(QPainter& painter, const QRectF& rect, const QString& name) {
    QSvgRenderer* svg = renderer(name);
    if (!svg)
        return false;
    QRectF target(QPointF(), QSizeF(svg->defaultSize()).scaled(rect.size(), Qt::KeepAspectRatio));
    target.moveCenter(rect.center());
    svg->render(&painter, target);
    return true;
}

QPixmap leagueArtworkPixmap(const QString& name, int size, qreal dpr) {
    if (!hasLeagueArtwork(name))
        return {};
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLeagueArtwork(painter, QRectF(0, 0, size, size), name);
    return pixmap;
}
