#pragma once

#include <QObject>

// Sets the application's window icon when the first window with a frame (settings, About, welcome, a
// dialog) is about to show, not at launch: the icon is an SVG, and loading the SVG engine for it cost a tray
// application that may never open such a window nearly a megabyte. Frameless windows (the overlay, the tray
// icon's own window) and menus show no icon and do not count.
class LazyApplicationIcon : public QObject {
public:
    explicit LazyApplicationIcon(QString iconPath, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_iconPath;
};
