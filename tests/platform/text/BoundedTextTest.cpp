#include "platform/text/BoundedText.h"
#include "CombiningMarks.h"

#include <gtest/gtest.h>

namespace {

QString repeated(const QString& piece, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

const QString grinning = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, a surrogate pair
const QString tremolo = QString::fromUtf8("\xF0\x9D\x85\xA7");  // U+1D167, a mark outside the BMP
const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\u200D\xF0\x9F\x91\xA9"); // man, joiner, woman
constexpr TextBound name{256};

} // namespace

TEST(BoundedTextTest, ALetterWithTwentyThousandMarksKeepsItsFirstThirty) {
    EXPECT_EQ(boundedText("A" + combiningMarks(20000), name), "A" + combiningMarks(30));
    // Each run on its own, and the letters between them stay.
    EXPECT_EQ(
        boundedText("Ab" + combiningMarks(31) + "c" + combiningMarks(30) + "d" + combiningMarks(45), name),
        "Ab" + combiningMarks(30) + "c" + combiningMarks(30) + "d" + combiningMarks(30));
    // Marks outside the basic plane count by character, and are never split.
    EXPECT_EQ(boundedText("x" + repeated(tremolo, 40), name), "x" + repeated(tremolo, 30));
    // Joiners and skin tones extend a character as marks do.
    EXPECT_EQ(boundedText("x" + QString(500, QChar(0x200D)), name), "x" + QString(30, QChar(0x200D)));
    // A run of exactly thirty stays whole.
    EXPECT_EQ(boundedText("e" + combiningMarks(30), name), "e" + combiningMarks(30));
}

TEST(BoundedTextTest, AnOverlongTextIsCutWhereAReadersCharacterEnds) {
    EXPECT_EQ(boundedText(QString(20000, u'W'), name), QString(256, u'W'));
    // The 256th unit would fall between an "e" and its accent, or inside a surrogate pair.
    EXPECT_EQ(boundedText("x" + repeated("e\u0301", 200), name), "x" + repeated("e\u0301", 127));
    EXPECT_EQ(boundedText("x" + repeated(grinning, 200), name), "x" + repeated(grinning, 127));
    // A joined emoji is one character.
    const QString families = "ab" + repeated(family, 60);
    const QString cut = *boundedText(families, name);
    EXPECT_EQ(cut, "ab" + repeated(family, 50)); // 2 + 50 * 5 = 252; a 51st would end at 257
    // Marks first, then the length: what is left of a long run counts.
    EXPECT_EQ(boundedText(repeated("a" + combiningMarks(100), 20), name)->size(), 248); // 8 * 31
}

TEST(BoundedTextTest, ProseCutAtItsBoundEndsWithAnEllipsisWithinTheBound) {
    constexpr TextBound prose{256, TextBound::Overlong::cutWithEllipsis};
    const QString ellipsis(QChar(0x2026));
    EXPECT_EQ(boundedText(QString(20000, u'w'), prose), QString(255, u'w') + ellipsis);
    // Still cut where a reader's character ends, then marked.
    EXPECT_EQ(boundedText("x" + repeated("e\u0301", 200), prose), "x" + repeated("e\u0301", 127) + ellipsis);
    // A text that fits, even exactly, is not marked; nor is one whose marks alone were thinned.
    EXPECT_EQ(boundedText(QString(256, u'w'), prose), QString(256, u'w'));
    EXPECT_EQ(boundedText("A" + combiningMarks(20000), prose), "A" + combiningMarks(30));
}

TEST(BoundedTextTest, AnOverlongTextThatMustNotBeCutIsRefusedWhole) {
    constexpr TextBound address{2048, TextBound::Overlong::refuse};
    const QString link = "https://example.org/" + QString(2028, u'a');
    EXPECT_EQ(boundedText(link, address), link);
    EXPECT_EQ(boundedText(link + "b", address), std::nullopt);
}

TEST(BoundedTextTest, ATextWithinItsBoundsComesBackAsItIs) {
    for (const QString& text :
         {QString("Boston Celtics"), QString::fromUtf8("Atl\u00e9tico de Madrid"), QString("Ca") + "fe\u0301",
          QString::fromUtf8("\u0421\u041a\u0410 \u041c\u043e\u0441\u043a\u0432\u0430"), family, grinning,
          QString(256, u'x'), "e" + combiningMarks(30), QString()}) {
        const std::optional<QString> kept = boundedText(text, name);
        ASSERT_TRUE(kept);
        EXPECT_EQ(*kept, text);
        EXPECT_TRUE(kept->isSharedWith(text) || text.isEmpty()) << "copied " << qPrintable(text);
    }
}

TEST(BoundedTextTest, GraphemesWithinNeverEndInsideACharacter) {
    EXPECT_EQ(graphemesWithin("abc", 5), "abc");
    EXPECT_EQ(graphemesWithin("abc", 0), "");
    EXPECT_EQ(graphemesWithin(grinning + grinning, 3), grinning);
    EXPECT_EQ(graphemesWithin("e\u0301e\u0301", 3), "e\u0301");
    EXPECT_EQ(graphemesWithin(family + "z", 4), "");
}
