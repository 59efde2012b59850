#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool isOneColour(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

QStringList runGallery(const QStringList& arguments, int* exitCode = nullptr) {
    QProcess gallery;
    gallery.start(QStringLiteral(GLIMMERBOX_GALLERY), arguments);
    gallery.waitForFinished(60000);
    if (exitCode)
        *exitCode = gallery.exitCode();
    return QString::fromLocal8Bit(gallery.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(GalleryTest, WritesEveryStateAsAPictureWithSomethingOnIt) {
    QTemporaryDir out;
    int exitCode = -1;
    const QStringList written = runGallery({QStringLiteral("--out"), out.path()}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    for (const QString name : {"team-logo-loaded", "team-logo-loading", "team-logo-failed", "team-logo-off",
                               "team-colour-swatches"})
        EXPECT_TRUE(written.contains(QDir(out.path()).filePath(name + QStringLiteral(".png"))))
            << name.toStdString();
    for (const QString& path : written) {
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_FALSE(isOneColour(image)) << path.toStdString();
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), written.size());

    QTemporaryDir one;
    EXPECT_EQ(runGallery({QStringLiteral("--out"), one.path(), QStringLiteral("--only"),
                          QStringLiteral("team-logo-off")}),
              QStringList{QDir(one.path()).filePath(QStringLiteral("team-logo-off.png"))});
    runGallery(
        {QStringLiteral("--out"), one.path(), QStringLiteral("--only"), QStringLiteral("no-such-state")},
        &exitCode);
    EXPECT_NE(exitCode, 0);
}
