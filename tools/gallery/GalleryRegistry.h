#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QWidget;

// One named view state of the gallery: a function that builds the view from made-up values and renders it.
struct GalleryState {
    QString name; // the PNG's file name without ".png"
    std::function<QImage()> render;
};

// Every state registered by the gallery's files, in registration order.
std::vector<GalleryState>& galleryStates();

// Adds a state from any file of the gallery, without a shared list to edit:
//   static GalleryStateRegistration loaded{"team-logo-loaded", [] { ... return image; }};
struct GalleryStateRegistration {
    GalleryStateRegistration(const char* name, std::function<QImage()> render);
};

// The overlay's black and a light window background, the usual backdrops.
inline const QColor galleryDark{0, 0, 0};
inline const QColor galleryLight{0xec, 0xec, 0xec};

// Lays the widget out at its size hint (or `size` when given), shows it off screen and renders it over
// `backdrop` (transparent when invalid), at device pixel ratio 2 so that details stay legible.
QImage renderWidget(QWidget& widget, const QColor& backdrop = galleryDark, QSize size = {});

// An image of `size` logical pixels over `backdrop`, painted by `paint`.
QImage renderPainted(QSize size, const QColor& backdrop, const std::function<void(QPainter&)>& paint);
