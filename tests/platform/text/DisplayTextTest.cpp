#include "platform/text/DisplayText.h"
#include "platform/text/OneLineLabel.h"
#include "platform/text/PixelFont.h"
#include "platform/text/WrappedLabel.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {
const QChar ellipsis(0x2026);
}

TEST(DisplayTextTest, OneLineTextShowsEachRunOfBreaksAndControlsAsOneSpace) {
    EXPECT_EQ(oneLineText("Harbor\nHawks"), "Harbor Hawks");
    EXPECT_EQ(oneLineText("Harbor\r\nHawks"), "Harbor Hawks");
    EXPECT_EQ(oneLineText("Harbor\rHawks\u2028of\u2029the\tBay"), "Harbor Hawks of the Bay");
    EXPECT_EQ(oneLineText(QString("Lake") + QChar(0x85) + "Owls" + QChar(0x1) + "FC"), "Lake Owls FC");
    EXPECT_EQ(oneLineText("\n\nLeading"), " Leading");
    // Spaces, accents, joiners and emoji stay as they are.
    const QString kept = QString::fromUtf8("Caf\u00e9  M\u00fcnchen \xF0\x9F\x91\xA8\u200D\xF0\x9F\x91\xA9");
    EXPECT_EQ(oneLineText(kept), kept);
}

TEST(DisplayTextTest, ALineTooWideIsShortenedAtItsEndAndAFittingOneIsOnlyFolded) {
    const QFont font = pixelFont(11);
    EXPECT_EQ(elidedLine("LIN\nBRK", font, 500), "LIN BRK");
    const QString shown = elidedLine(QString(4000, u'W') + "\nEND", font, 120);
    EXPECT_TRUE(shown.startsWith("WWW"));
    EXPECT_TRUE(shown.endsWith(ellipsis));
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(shown), 120);
}

TEST(DisplayTextTest, WrappedLinesKeepTheirNumberAndShortenTheLast) {
    const QFont font = pixelFont(10);
    const QStringList lines = wrappedLines("Goal\nfrom the blue line " + QString(400, u'x'), font, 150, 2);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].left(4), "Goal");
    EXPECT_FALSE(lines[0].contains(u'\n'));
    EXPECT_TRUE(lines[1].endsWith(ellipsis));
    for (const QString& line : lines)
        EXPECT_LE(QFontMetricsF(font).horizontalAdvance(line), 150) << qPrintable(line);
    EXPECT_EQ(wrappedLines("Short play", font, 150, 2), QStringList{"Short play"});
}

TEST(DisplayTextTest, AnInitialIsTheFirstCharacterThatShows) {
    EXPECT_EQ(initialOf("\nBOS"), "B");
    EXPECT_EQ(initialOf("\r\n\t  \u2028\u200b\u200eBOS"), "B");
    EXPECT_EQ(initialOf("BOS"), "B");
    // A letter of several code points, or an emoji sequence, stays whole.
    EXPECT_EQ(initialOf(" E\u0301lan"), "E\u0301");
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\u200D\xF0\x9F\x91\xA9");
    EXPECT_EQ(initialOf("\n" + family + "FC"), family);
    EXPECT_EQ(initialOf(""), "");
    EXPECT_EQ(initialOf("\n \u2029\u200b"), "");
}

TEST(DisplayTextTest, AOneLineLabelIsOneLineTallAndGivesWayToItsNeighbours) {
    OneLineLabel label("Harbor\nHawks " + QString(4000, u'W'));
    label.setFont(pixelFont(11));
    const int lineHeight = QFontMetrics(label.font()).height();
    EXPECT_EQ(label.sizeHint().height(), lineHeight);
    EXPECT_EQ(label.minimumSizeHint().height(), lineHeight);
    EXPECT_LT(label.minimumSizeHint().width(), 20);
    label.resize(150, lineHeight);
    EXPECT_TRUE(label.shownText().startsWith("Harbor Hawks W"));
    EXPECT_TRUE(label.shownText().endsWith(ellipsis));
    EXPECT_EQ(label.text().left(12), "Harbor\nHawks") << "the text itself is kept as given";
}

TEST(DisplayTextTest, AWrappedLabelBreaksAnOverlongWordAnywhereInsteadOfWidening) {
    WrappedLabel label("Goal\nby " + QString(2000, u'W'));
    label.setFont(pixelFont(10));
    const QFontMetricsF metrics(label.font());
    EXPECT_LT(label.minimumSizeHint().width(), 200);
    EXPECT_LE(label.sizeHint().width(), 80 * label.fontMetrics().averageCharWidth());
    const int lineHeight = label.fontMetrics().lineSpacing();
    EXPECT_EQ(label.minimumSizeHint().height(), lineHeight);
    label.resize(200, label.heightForWidth(200));
    const QStringList lines = label.shownLines();
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(label.height(), lines.size() * lineHeight);
    EXPECT_EQ(lines[0], "Goal by") << "the break shows as a space and the words stay whole first";
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), 200) << qPrintable(line.left(12));
    EXPECT_EQ(lines.join(QString()).count(u'W'), 2000) << "nothing is left out";
    EXPECT_EQ(label.text().left(5), "Goal\n") << "the text itself is kept as given";

    // A short text asks for its own width, and one line.
    WrappedLabel shortText("Timeout");
    EXPECT_EQ(shortText.minimumSizeHint(), shortText.sizeHint());
    EXPECT_EQ(shortText.sizeHint().height(), shortText.fontMetrics().lineSpacing());
}

TEST(DisplayTextTest, AnIsolatedLineIsFoldedTrimmedShortenedAndClosedInsideItsIsolate) {
    const QChar fsi(0x2068);
    const QChar pdi(0x2069);
    EXPECT_EQ(isolatedLine("Boston Celtics", 64), fsi + QString("Boston Celtics") + pdi);
    EXPECT_EQ(isolatedLine("\n Boston\r\nCeltics\t", 64), fsi + QString("Boston Celtics") + pdi);
    // Shortened with an ellipsis; never inside a surrogate pair.
    EXPECT_EQ(isolatedLine(QString(100, u'a'), 10), fsi + QString(9, u'a') + ellipsis + pdi);
    const QString grinning = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(isolatedLine("a" + grinning.repeated(10), 10),
              fsi + QString("a") + grinning.repeated(4) + ellipsis + pdi);
    // An override left open is closed inside; stray closers are left out.
    EXPECT_EQ(isolatedLine("\u202EBOS", 64), fsi + QString("\u202EBOS\u202C") + pdi);
    EXPECT_EQ(isolatedLine("\u2069\u202CLAL", 64), fsi + QString("LAL") + pdi);
    // A PDI ends the embeddings inside its isolate, here explicitly.
    EXPECT_EQ(isolatedLine("\u2067a\u202Bb\u2069c", 64), fsi + QString("\u2067a\u202Bb\u202C\u2069c") + pdi);
    // The closing marks a shortened text needs fit within its length too.
    const QString opened = isolatedLine(QString("\u202B\u2067x").repeated(40), 20);
    EXPECT_LE(opened.size(), 22);
    EXPECT_TRUE(opened.contains(ellipsis));
    EXPECT_TRUE(opened.endsWith(QString("\u2069\u202C") + pdi));
}
