// The least a tray application with one painted window costs in Qt: a tray icon and a 440 x 680 translucent
// window that paints one bar. footprint.sh measures it beside glimmerbox.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

class PaintedWindow : public QWidget {
public:
    PaintedWindow()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        resize(440, 680);
        setMask(QRegion(120, 0, 200, 34));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(QRect(120, 0, 200, 34), Qt::black);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(13);
        painter.setFont(font);
        painter.drawText(QRect(120, 0, 200, 34), Qt::AlignCenter, QStringLiteral("BOS 102 - 99 LAL"));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QPixmap iconPixmap(22, 22);
    iconPixmap.fill(Qt::darkGreen);
    QSystemTrayIcon tray{QIcon(iconPixmap)};
    tray.show();

    PaintedWindow window;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().x() + (screen->geometry().width() - window.width()) / 2,
                    screen->geometry().y());
    window.show();
    return app.exec();
}
