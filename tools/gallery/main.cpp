// glimmerbox-gallery --out DIR [--only NAME]: renders every registered view state off screen to DIR/NAME.png
// and prints each file written, one per line.
#include "GalleryRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Made-up values only: the user's own settings must not colour the pictures.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimmerbox-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the named view states to PNG files."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the PNG files."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption only(QStringLiteral("only"), QStringLiteral("Render just this state."),
                                  QStringLiteral("NAME"));
    parser.addOptions({out, only});
    parser.process(app);

    std::vector<GalleryState> states = galleryStates();
    std::sort(states.begin(), states.end(),
              [](const GalleryState& a, const GalleryState& b) { return a.name < b.name; });
    if (!parser.isSet(out)) {
        std::fprintf(stderr, "glimmerbox-gallery: --out DIR is required\n");
        return 2;
    }
    const QDir dir(parser.value(out));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "glimmerbox-gallery: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }
    int written = 0;
    for (const GalleryState& state : states) {
        if (parser.isSet(only) && state.name != parser.value(only))
            continue;
        const QString path = dir.filePath(state.name + QStringLiteral(".png"));
        if (!state.render().save(path, "PNG")) {
            std::fprintf(stderr, "glimmerbox-gallery: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
        ++written;
    }
    if (written == 0) {
        std::fprintf(stderr, "glimmerbox-gallery: no state named %s\n", qPrintable(parser.value(only)));
        return 1;
    }
    return 0;
}
