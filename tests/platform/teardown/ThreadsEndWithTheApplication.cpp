// A process of its own, as the application's: a logo is loaded through the shared image loader, and the
// application object goes while its decode is under way. Any thread still there afterwards (a decode, the
// network's) would run on while the process tears down what it uses (the picture readers' plugins, the
// application's event delivery) and crash it or lock up its exit. Exits 0 when only the main thread is left,
// else 1 naming the others.
#include "platform/network/ImageLoader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QImage>

#include <cstdio>

#include <unistd.h>

namespace {

QByteArray logoPng() {
    QImage logo(512, 512, QImage::Format_ARGB32);
    logo.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");
    return bytes;
}

// The names of this process's threads but the main one.
QStringList otherThreads() {
    const QString main = QString::number(getpid());
    QStringList others;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (task == main)
            continue;
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (!name.open(QIODevice::ReadOnly))
            continue;
        others.append(QString::fromUtf8(name.readAll()).trimmed() + QStringLiteral(" (") + task + u')');
    }
    return others;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* application = new QGuiApplication(argc, argv);
    {
        QHttpServer server;
        const QByteArray png = logoPng();
        server.route("/logo.png", [png] { return QHttpServerResponse("image/png", png); });
        const quint16 port = server.listen(QHostAddress::LocalHost);
        // The configured image host, which the shared loader reads when it is first used: it fetches plain
        // http from that host alone.
        const QString imageBase = QStringLiteral("http://127.0.0.1:%1").arg(port);
        qputenv("GLIMMERBOX_IMAGE_BASE", imageBase.toUtf8());
        ImageLoader::shared().load(QUrl(imageBase + QStringLiteral("/logo.png")));
        QElapsedTimer waited;
        waited.start();
        while (ImageLoader::shared().decodeCount() == 0 && !waited.hasExpired(10000))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (ImageLoader::shared().decodeCount() == 0) {
            std::fprintf(stderr, "the logo was never decoded\n");
            return 2;
        }
    }
    delete application;

    // A thread that has been waited for may still be leaving the kernel's list for a moment; one left running
    // (an idle pool thread waits 30 s, a network thread for ever) is still there after this grace.
    QElapsedTimer grace;
    grace.start();
    QStringList left = otherThreads();
    while (!left.isEmpty() && !grace.hasExpired(1000)) {
        usleep(10'000);
        left = otherThreads();
    }
    if (left.isEmpty())
        return 0;
    std::fprintf(stderr, "threads left after the application object went: %s\n",
                 qPrintable(left.join(QStringLiteral(", "))));
    return 1;
}
